// Warning boxes, questions, file dialogs and input/output errors, through their test seam and
// once for real.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <cerrno>

#include "store/Files.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/MessageTable.h"
#include "ui/support/UiTest.h"

using ui::testing::BoxKind;

namespace {

class DialogsTest : public testsupport::UiTest {};

TEST_F(DialogsTest, NumberedMessageInTheLanguageInUseAndTextForZero) {
    ui::ShowMessageNumber(QStringLiteral("ignored"), 17);
    ui::ShowMessageNumber(QStringLiteral("12 ligne(s) importée(s) avec succès"), 0);
    loadEnglish();
    ui::ShowMessageNumber(QString(), 17);

    const auto boxes = recorder->boxesOf(BoxKind::Warning);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].title, "Avertissement");
    EXPECT_EQ(boxes[0].text, QString::fromUtf8("Aucun vin n'est sélectionné"));
    EXPECT_EQ(boxes[0].number, 17);
    EXPECT_EQ(boxes[1].text, QString::fromUtf8("12 ligne(s) importée(s) avec succès"));
    EXPECT_EQ(boxes[2].title, "Warning");
    EXPECT_EQ(boxes[2].text, "No wine is selected");
}

// Every message a window can show has a French text and an English one of its own.
TEST_F(DialogsTest, MessageTableHoldsEveryUsedNumberInBothLanguages) {
    const std::vector<int> unused = {16, 33, 34, 35};
    std::vector<QString> french(40);
    for (int n = 1; n <= 39; ++n) {
        french[n] = ui::MessageText(n);
        const bool isUnused = std::find(unused.begin(), unused.end(), n) != unused.end();
        EXPECT_EQ(french[n].isEmpty(), isUnused) << "message " << n;
    }
    loadEnglish();
    for (int n = 1; n <= 39; ++n) {
        if (french[n].isEmpty()) continue;
        const QString english = ui::MessageText(n);
        EXPECT_FALSE(english.isEmpty()) << "message " << n;
        EXPECT_NE(english, french[n]) << "message " << n << " has no English text";
    }
}

// The price checks refuse 100000 itself: the message must not let it pass in either language.
TEST_F(DialogsTest, PriceLimitMessageSaysTheLimitIsRefused) {
    EXPECT_EQ(ui::MessageText(9), QString::fromUtf8("Le prix doit être inférieur à 100000"));
    loadEnglish();
    EXPECT_EQ(ui::MessageText(9), "The price must be less than 100000");
}

TEST_F(DialogsTest, RealWarningBoxHasTitleIconAndOneOkButton) {
    recorder.reset(); // this time the box is shown
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    ui::ShowMessageNumber(QString(), 39);
    EXPECT_EQ(title, "Avertissement");
    EXPECT_EQ(text, QString::fromUtf8("Fichier non trouvé"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, 1);
}

TEST_F(DialogsTest, QueuedAnswersComeInOrderThenNoAndNoFile) {
    recorder->queueYesNo(true);
    recorder->queueFileName(QStringLiteral("/tmp/cave.txt"));
    EXPECT_TRUE(ui::AskYesNo(QStringLiteral("Écraser ?")));
    EXPECT_FALSE(ui::AskYesNo(QStringLiteral("Encore ?")));
    EXPECT_EQ(ui::AskSaveFileName(QStringLiteral("Export"), QStringLiteral("*.txt")),
              "/tmp/cave.txt");
    EXPECT_EQ(ui::AskOpenFileName(QStringLiteral("Import"), QStringLiteral("*.txt")), QString());

    const auto& boxes = recorder->boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].kind, BoxKind::Question);
    EXPECT_EQ(boxes[0].text, QString::fromUtf8("Écraser ?"));
    EXPECT_EQ(boxes[2].kind, BoxKind::SaveFile);
    EXPECT_EQ(boxes[3].kind, BoxKind::OpenFile);
}

TEST_F(DialogsTest, ModalWindowIsRecordedAndWorkedByItsHandler) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("TOptions"));
    recorder->queueModal([](QDialog& shown) {
        shown.accept();
        return shown.result();
    });
    EXPECT_EQ(ui::ExecModal(dialog), QDialog::Accepted);
    EXPECT_EQ(ui::ExecModal(dialog), QDialog::Rejected); // nothing queued
    const auto modals = recorder->boxesOf(BoxKind::Modal);
    ASSERT_EQ(modals.size(), 2u);
    EXPECT_EQ(modals[0].text, "QDialog");
}

// Every errno reaches the box through its one kind: a full disk is never "access denied".
TEST_F(DialogsTest, IoErrorTextsFollowTheirKind) {
    using Kind = store::IoError::Kind;
    const struct {
        store::IoError error;
        const char* french;
        const char* english;
    } cases[] = {
        {store::IoError::FromErrno(ENOENT, ""), "Fichier introuvable", "File not found"},
        {store::IoError::FromErrno(ENAMETOOLONG, ""), "Nom de fichier incorrect",
         "Invalid file name"},
        {store::IoError::FromErrno(EMFILE, ""), "Trop de fichiers ouverts", "Too many open files"},
        {store::IoError::FromErrno(ENFILE, ""), "Trop de fichiers ouverts", "Too many open files"},
        {store::IoError::FromErrno(EACCES, ""), "Accès au fichier refusé", "File access denied"},
        {store::IoError::FromErrno(EPERM, ""), "Accès au fichier refusé", "File access denied"},
        {store::IoError::FromErrno(EROFS, ""), "Accès au fichier refusé", "File access denied"},
        {store::IoError(Kind::ReadPastEnd, 0, ""), "Lecture au-delà de la fin de fichier",
         "Read beyond end of file"},
        {store::IoError::FromErrno(ENOSPC, ""), "Disque plein", "Disk full"},
        {store::IoError::FromErrno(EDQUOT, ""), "Disque plein", "Disk full"},
        {store::IoError::FromErrno(EIO, ""), "Erreur E/S 5", "I/O error 5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::IoErrorText(c.error), QString::fromUtf8(c.french));

    const store::IoError full = store::IoError::FromErrno(ENOSPC, "Cave.dat");
    EXPECT_EQ(ui::IoErrorText(full), "Disque plein\n\nFichier : Cave.dat");
    loadEnglish();
    EXPECT_EQ(ui::IoErrorText(full), "Disk full\n\nFile: Cave.dat");
    for (const auto& c : cases)
        EXPECT_EQ(ui::IoErrorText(c.error), QString::fromUtf8(c.english));
}

// An input/output error abandons the command that raised it; the event loop shows it and goes on.
TEST_F(DialogsTest, IoErrorRaisedInAnEventIsShownAndTheProgramGoesOn) {
    class FailingCommand : public QObject {
    public:
        bool event(QEvent* event) override {
            if (event->type() == QEvent::User) throw store::IoError::FromErrno(ENOSPC, "Stat.dat");
            return QObject::event(event);
        }
    } command;
    ASSERT_NE(qobject_cast<ui::Application*>(QCoreApplication::instance()), nullptr);
    QEvent event(QEvent::User);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&command, &event));
    const auto errors = recorder->boxesOf(BoxKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].title, "Erreur");
    EXPECT_TRUE(errors[0].text.startsWith("Disque plein"));
}

// Any other failure of a command, memory exhausted included, abandons that command only: the
// error box shows it and the program goes on.
TEST_F(DialogsTest, AnyExceptionRaisedInAnEventIsShownAndTheProgramGoesOn) {
    const struct {
        const char* name;
        std::function<void()> raise;
        const char* text;
    } cases[] = {
        {"bad_alloc", [] { throw std::bad_alloc(); },
         "Mémoire insuffisante : la commande a été abandonnée."},
        {"runtime_error", [] { throw std::runtime_error("what"); },
         "Erreur interne : la commande a été abandonnée.\n\nwhat"},
        {"int", [] { throw 7; }, "Erreur interne : la commande a été abandonnée."},
    };
    for (const auto& c : cases) {
        class FailingCommand : public QObject {
        public:
            explicit FailingCommand(const std::function<void()>& raise) : raise_(raise) {}
            bool event(QEvent* event) override {
                if (event->type() == QEvent::User) raise_();
                return QObject::event(event);
            }

        private:
            std::function<void()> raise_;
        } command(c.raise);
        recorder->clear();
        QEvent event(QEvent::User);
        EXPECT_NO_THROW(QCoreApplication::sendEvent(&command, &event)) << c.name;
        const auto errors = recorder->boxesOf(BoxKind::Error);
        ASSERT_EQ(errors.size(), 1u) << c.name;
        EXPECT_EQ(errors[0].text, QString::fromUtf8(c.text)) << c.name;
    }
}

} // namespace
