#include "shell/FrontWindow.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMainWindow>
#include <QWidget>

namespace shell {

namespace {

constexpr char kRequest[] = "front\n";
constexpr int kWaitMs = 2000;

QWidget* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget) != nullptr && widget->isVisible()) return widget;
    return nullptr;
}

void Forward(QWidget* window) {
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

QString FrontRequestName() {
    // One socket per user and data folder; the hash keeps the name short and free of slashes.
    const QString folder = QDir::current().canonicalPath();
    const QByteArray key = (QDir::homePath() + QLatin1Char('\n') + folder).toUtf8();
    return QStringLiteral("tonnelix-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32));
}

bool AskRunningProgramToFront() {
    QLocalSocket socket;
    socket.connectToServer(FrontRequestName());
    if (!socket.waitForConnected(kWaitMs)) return false;
    socket.write(kRequest);
    const bool sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return sent;
}

void BringProgramToFront() {
    if (QWidget* main = MainWindow()) Forward(main);
    if (QWidget* modal = QApplication::activeModalWidget()) Forward(modal);
}

FrontRequests::FrontRequests(bool ownsFolder) : server_(std::make_unique<QLocalServer>()) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = FrontRequestName();
    if (!server_->listen(name) && ownsFolder &&
        server_->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(name);
        server_->listen(name);
    }
    connect(server_.get(), &QLocalServer::newConnection, this, &FrontRequests::accept);
}

FrontRequests::~FrontRequests() = default;

bool FrontRequests::listening() const {
    return server_->isListening();
}

void FrontRequests::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        read(socket);
    }
}

void FrontRequests::read(QLocalSocket* socket) {
    if (!socket->canReadLine()) return;
    if (socket->readLine(64) == kRequest) BringProgramToFront();
    socket->disconnectFromServer();
}

} // namespace shell
