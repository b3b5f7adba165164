// Qt's own texts speak the program's language: the standard buttons of boxes, of the file
// dialog and of the printer set-up, and the sizes in the file dialog's list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "shell/windows/ShellWindowTest.h"
#include "ui/FileDialog.h"

namespace {

class QtTextsTest : public testsupport::ShellWindowTest {};

QString CancelOf(QWidget* dialog) {
    for (auto* buttons : dialog->findChildren<QDialogButtonBox*>())
        if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel)) return cancel->text();
    return {};
}

// The size the open dialog's list shows for the file, once the folder is read.
QString ShownSize(QFileDialog* dialog, const QString& fileName) {
    auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!list) return {};
    for (int wait = 0; wait < 200; ++wait) {
        const QAbstractItemModel* model = list->model();
        const QModelIndex root = list->rootIndex();
        for (int row = 0; row < model->rowCount(root); ++row)
            if (model->index(row, 0, root).data().toString() == fileName)
                return model->index(row, 1, root).data().toString();
        QTest::qWait(25);
    }
    return {};
}

TEST_F(QtTextsTest, StandardButtonsFileAndPrintDialogsFollowTheLanguage) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath(QStringLiteral("cave.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(123456, 'x'));
    file.close();
    recorder.reset(); // the real dialogs, closed below as soon as they are read

    const struct {
        int locale;
        const char* yes;
        const char* cancel;
        const char* size;
    } cases[] = {
        {shell::kLocaleFrench, "&Oui", "Annuler", "120,56 Kio"},
        {shell::kLocaleEnglish, "&Yes", "Cancel", "120.56 KiB"},
        {shell::kLocaleFrench, "&Oui", "Annuler", "120,56 Kio"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        ASSERT_TRUE(shell::LoadLanguageModule(c.locale));

        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), c.yes);

        QString cancel, size;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            cancel = CancelOf(dialog);
            size = ShownSize(dialog, QStringLiteral("cave.txt"));
            dialog->reject();
        });
        ui::AskOpenFile(
            {QStringLiteral("Import"), QStringLiteral("Texte (*.txt)"), {}, folder.path(), 0});
        EXPECT_EQ(cancel.toStdString(), c.cancel);
        EXPECT_EQ(size.toStdString(), c.size);

        QPrinter printer;
        QPrintDialog print(&printer);
        EXPECT_EQ(CancelOf(&print).toStdString(), c.cancel);
    }
}

} // namespace
