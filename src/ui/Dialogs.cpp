#include "ui/Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

#include "store/Files.h"
#include "ui/Cp1252.h"
#include "ui/FileDialog.h"
#include "ui/MessageTable.h"
#include "ui/State.h"

namespace ui {

namespace {

// As Qt's static functions ask, but with the sizes of the file list in the program's language.
QString AskFile(const QString& title, const QString& filter, const QString& directory,
                QFileDialog::AcceptMode mode) {
    QFileDialog dialog(DialogParent(), title, directory, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    ShowSizesInProgramLanguage(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, DialogParent());
    box.exec();
}

QString KindText(const store::IoError& error) {
    using Kind = store::IoError::Kind;
    switch (error.kind()) {
    case Kind::FileNotFound:
        return QCoreApplication::translate("IoError", "Fichier introuvable");
    case Kind::BadFileName:
        return QCoreApplication::translate("IoError", "Nom de fichier incorrect");
    case Kind::TooManyOpenFiles:
        return QCoreApplication::translate("IoError", "Trop de fichiers ouverts");
    case Kind::AccessDenied:
        return QCoreApplication::translate("IoError", "Accès au fichier refusé");
    case Kind::ReadPastEnd:
        return QCoreApplication::translate("IoError", "Lecture au-delà de la fin de fichier");
    case Kind::DiskFull:
        return QCoreApplication::translate("IoError", "Disque plein");
    case Kind::Other:
        break;
    }
    return QCoreApplication::translate("IoError", "Erreur E/S %1").arg(error.code());
}

} // namespace

QWidget* DialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

void ShowMessageNumber(const QString& text, int number) {
    QString message = number == 0 ? text : MessageText(number);
    if (message.isEmpty()) message = QStringLiteral("Message %1").arg(number);
    if (auto* recorder = testing::ActiveRecorder()) {
        recorder->record({testing::BoxKind::Warning, WarningTitle(), message, number});
        return;
    }
    ShowBox(QMessageBox::Warning, WarningTitle(), message);
}

bool AskYesNo(const QString& text, const QString& title) {
    const QString shownTitle = title.isEmpty() ? QStringLiteral("Tonnelix") : title;
    if (auto* recorder = testing::ActiveRecorder()) {
        recorder->record({testing::BoxKind::Question, shownTitle, text});
        return recorder->nextYesNo();
    }
    return QMessageBox::question(DialogParent(), shownTitle, text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString AskOpenFileName(const QString& title, const QString& filter, const QString& directory) {
    if (auto* recorder = testing::ActiveRecorder()) {
        recorder->record({testing::BoxKind::OpenFile, title, filter});
        return recorder->nextFileName();
    }
    return AskFile(title, filter, directory, QFileDialog::AcceptOpen);
}

QString AskSaveFileName(const QString& title, const QString& filter, const QString& directory) {
    if (auto* recorder = testing::ActiveRecorder()) {
        recorder->record({testing::BoxKind::SaveFile, title, filter, 0, directory});
        return recorder->nextFileName();
    }
    return AskFile(title, filter, directory, QFileDialog::AcceptSave);
}

QString IoErrorText(const store::IoError& error) {
    QString text = KindText(error);
    if (!error.file().empty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("IoError", "Fichier : %1").arg(ToQString(error.file()));
    return text;
}

void ShowIoError(const store::IoError& error) {
    const QString title = QCoreApplication::translate("IoError", "Erreur");
    if (auto* recorder = testing::ActiveRecorder()) {
        recorder->record({testing::BoxKind::Error, title, IoErrorText(error), error.code()});
        return;
    }
    ShowBox(QMessageBox::Critical, title, IoErrorText(error));
}

void ShowErrorText(const QString& text) {
    const QString title = QCoreApplication::translate("IoError", "Erreur");
    if (auto* recorder = testing::ActiveRecorder()) {
        recorder->record({testing::BoxKind::Error, title, text, 0});
        return;
    }
    ShowBox(QMessageBox::Critical, title, text);
}

int ExecModal(QDialog& dialog) {
    if (auto* recorder = testing::ActiveRecorder()) return recorder->runModal(dialog);
    const QPointer<QWidget> beneath =
        dialog.parentWidget() ? dialog.parentWidget()->window() : QApplication::activeWindow();
    const int result = dialog.exec();
    // A window that closes itself just after a box of its own is hidden before the window
    // system gave it the keyboard back, so nobody gets it: the window beneath takes it.
    if (beneath && beneath != &dialog && beneath->isVisible() &&
        QApplication::activeWindow() != beneath) {
        beneath->activateWindow();
    }
    return result;
}

namespace testing {

Recorder::Recorder() {
    State().recorder = this;
}

Recorder::~Recorder() {
    if (State().recorder == this) State().recorder = nullptr;
}

std::vector<Box> Recorder::boxesOf(BoxKind kind) const {
    std::vector<Box> result;
    for (const Box& box : boxes_)
        if (box.kind == kind) result.push_back(box);
    return result;
}

bool Recorder::nextYesNo() {
    if (yesNo_.empty()) return false;
    const bool yes = yesNo_.front();
    yesNo_.pop_front();
    return yes;
}

QString Recorder::nextFileName() {
    if (fileNames_.empty()) return {};
    QString name = fileNames_.front();
    fileNames_.pop_front();
    return name;
}

int Recorder::runModal(QDialog& dialog) {
    record({BoxKind::Modal, dialog.windowTitle(),
            QString::fromLatin1(dialog.metaObject()->className())});
    if (modals_.empty()) return QDialog::Rejected;
    auto handler = std::move(modals_.front());
    modals_.pop_front();
    return handler(dialog);
}

Recorder* ActiveRecorder() {
    return State().recorder;
}

} // namespace testing

} // namespace ui
