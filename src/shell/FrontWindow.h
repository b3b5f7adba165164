// A second start on a data folder that is already open brings the running program's window to
// the front. The running program listens on a local socket named after its data folder, which
// every desktop has.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

namespace shell {

// The socket's name for the current data folder and the user.
QString FrontRequestName();

// Asks the program that has the current data folder open to show its window in front; false
// when no program listens.
bool AskRunningProgramToFront();

// The window of this program that a request brings forward: the modal one in front, else the
// main window.
void BringProgramToFront();

// While it lives, every request is answered with BringProgramToFront.
class FrontRequests : public QObject {
    Q_OBJECT
public:
    // `ownsFolder`: this program holds the folder's lock, so a socket of the same name is one that
    // a killed run left and may be replaced.
    explicit FrontRequests(bool ownsFolder);
    ~FrontRequests() override;
    bool listening() const;

private:
    void accept();
    void read(QLocalSocket* socket);

    std::unique_ptr<QLocalServer> server_;
};

} // namespace shell
