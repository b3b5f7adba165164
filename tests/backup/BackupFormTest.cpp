// The backup and restore windows: the volume chosen, the date of the last backup, the
// questions and their answers, the refusals, and English.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "BackupTest.h"
#include "backup/Urestore.h"
#include "backup/Usave.h"
#include "store/Files.h"
#include "ui/Dialogs.h"

using namespace testsupport;
using ui::testing::BoxKind;

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class BackupFormTest : public BackupTest {
protected:
    QString settings() const { return QString::fromStdString(settingsPath); }

    // Presses OK; true when the window closed.
    static bool PressOk(QDialog& form) {
        form.show();
        QTest::mouseClick(form.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        return !form.isVisible();
    }
    static QString LastSaveShown(QDialog& form) {
        return form.findChild<QLineEdit*>("Last_save")->text();
    }
    QStringList Questions() const {
        QStringList texts;
        for (const auto& box : recorder->boxesOf(BoxKind::Question))
            texts << box.text;
        return texts;
    }
    QStringList Warnings() const {
        QStringList texts;
        for (const auto& box : recorder->boxesOf(BoxKind::Warning))
            texts << (box.number != 0 ? QString::number(box.number) : box.text);
        return texts;
    }
};

TEST_F(BackupFormTest, ASecondBackupAsksWithTheStampOfTheFirst) {
    WriteDataSet({"Apogee.dat"});
    {
        TSaveForm form(nullptr, settings());
        EXPECT_EQ(form.windowTitle(), "Sauvegarde sur disquette");
        EXPECT_EQ(LastSaveShown(form), "Aucune");
        EXPECT_EQ(form.findChild<QComboBox*>("Lecteur")->currentText(),
                  "KEY  (" + QString::fromStdString(medium.string()) + ")");
        EXPECT_TRUE(PressOk(form));
        EXPECT_EQ(form.findChild<QProgressBar*>("Avance")->value(), 100);
    }
    EXPECT_TRUE(Questions().isEmpty());
    EXPECT_EQ(MediumListing().size(), 10u);
    const QString stamp = QString::fromStdString(backup::SetStamp(medium.string()));
    EXPECT_EQ(stamp.size(), 16);

    WriteFileBytes("Cave.dat", "changed since");
    TSaveForm again(nullptr, settings());
    EXPECT_EQ(LastSaveShown(again), stamp);
    recorder->queueYesNo(false);
    EXPECT_TRUE(PressOk(again));
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_EQ(Questions(), QStringList{"Voulez vous écraser la sauvegarde du " + stamp + " ?"});
    EXPECT_EQ(ReadFileBytes(OnMedium("Cave.dat")), Content("Cave.dat", "local"));
}

TEST_F(BackupFormTest, RestoreAsksWithTheStampAndReplacesTheDataFiles) {
    WriteDataSet();
    const std::string saved = CrLf({"saved", "cellar", "record"});
    WriteFileBytes(OnMedium("Cave.dat"), saved);
    WriteFileBytes(OnMedium("Tonnelix.id"), "[Save]\r\nIdsave=05/03/1999 09:05\r\n");

    TRestoreForm no(nullptr, settings());
    EXPECT_EQ(no.windowTitle(), "Restauration des bases de données");
    recorder->queueYesNo(false);
    EXPECT_TRUE(PressOk(no));
    EXPECT_EQ(ReadFileBytes("Cave.dat"), Content("Cave.dat", "local"));

    TRestoreForm yes(nullptr, settings());
    recorder->queueYesNo(true);
    EXPECT_TRUE(PressOk(yes));
    EXPECT_EQ(yes.result(), QDialog::Accepted);
    EXPECT_EQ(Questions(), QStringList(2, "La restauration du 05/03/1999 09:05 va écrasez les "
                                          "bases actuelles ?"));
    EXPECT_EQ(ReadFileBytes("Cave.dat"), saved);
    EXPECT_EQ(ReadFileBytes("Vins.dat"), Content("Vins.dat", "local"));
    EXPECT_EQ(backup::LastSave(settingsPath), backup::kNoStamp);

    // A set cut short says which file and restores nothing.
    WriteFileBytes(OnMedium("Stat.dat"), CrLf({"one line of two"}));
    WriteFileBytes(OnMedium("Cave.dat"), CrLf({"other", "cellar", "record"}));
    TRestoreForm damaged(nullptr, settings());
    recorder->queueYesNo(true);
    EXPECT_TRUE(PressOk(damaged));
    EXPECT_EQ(damaged.result(), QDialog::Rejected);
    EXPECT_EQ(Warnings(), QStringList{"Le fichier Stat.dat de la sauvegarde est incomplet : rien "
                                      "n'a été restauré"});
    EXPECT_EQ(ReadFileBytes("Cave.dat"), saved);
}

TEST_F(BackupFormTest, AMediumWithoutASetGivesMessage32AndChangesNothing) {
    WriteDataSet();
    WriteFileBytes(OnMedium("Cave.dat"), "not a set");
    TRestoreForm form(nullptr, settings());
    EXPECT_TRUE(PressOk(form));
    EXPECT_EQ(Warnings(), QStringList{"32"});
    EXPECT_TRUE(Questions().isEmpty());
    EXPECT_EQ(ReadFileBytes("Cave.dat"), Content("Cave.dat", "local"));
}

TEST_F(BackupFormTest, WithoutAVolumeOkOnlySaysSo) {
    ui::testing::SetRemovableVolumes(std::vector<ui::Volume>{});
    WriteDataSet();
    TSaveForm form(nullptr, settings());
    auto* lecteur = form.findChild<QComboBox*>("Lecteur");
    EXPECT_EQ(lecteur->count(), 1); // only the entry that opens the folder dialog
    EXPECT_EQ(lecteur->currentIndex(), -1);
    EXPECT_FALSE(PressOk(form));
    EXPECT_EQ(Warnings(), QStringList{"Choisissez un lecteur ou un dossier"});
    EXPECT_TRUE(recorder->boxesOf(BoxKind::OpenFile).empty());
}

// The last entry opens a folder dialog: a folder chosen joins the list, a cancelled dialog
// keeps the choice there was, and the data directory is refused.
TEST_F(BackupFormTest, AnyFolderCanBeChosenButTheDataDirectory) {
    WriteDataSet();
    const std::filesystem::path other = medium / "other";
    std::filesystem::create_directory(other);
    TSaveForm form(nullptr, settings());
    form.show();
    auto* lecteur = form.findChild<QComboBox*>("Lecteur");
    const auto chooseOther = [lecteur] {
        lecteur->setCurrentIndex(lecteur->count() - 1);
        emit lecteur->activated(lecteur->count() - 1);
    };
    EXPECT_EQ(lecteur->itemText(lecteur->count() - 1), "Autre dossier...");

    chooseOther(); // cancelled
    EXPECT_EQ(lecteur->currentIndex(), 0);
    recorder->queueFileName(QString::fromStdString(other.string()));
    chooseOther();
    EXPECT_EQ(lecteur->currentText(), QString::fromStdString(other.string()));
    EXPECT_EQ(lecteur->count(), 3);

    recorder->queueFileName(QString::fromStdString(dataDir));
    chooseOther();
    EXPECT_FALSE(PressOk(form));
    EXPECT_EQ(Warnings(),
              QStringList{"Le dossier des données ne peut pas recevoir sa propre sauvegarde"});
    EXPECT_EQ(ReadFileBytes("Cave.dat"), Content("Cave.dat", "local"));
    EXPECT_FALSE(Exists("Tonnelix.id"));

    lecteur->setCurrentIndex(1);
    EXPECT_TRUE(PressOk(form));
    EXPECT_EQ(ReadFileBytes((other / "Cave.dat").string()), Content("Cave.dat", "local"));
}

TEST_F(BackupFormTest, AnErrorIsShownAndClosesTheWindow) {
    WriteDataSet();
    store::files_testing::FailWritesAfter(50);
    TSaveForm form(nullptr, settings());
    EXPECT_TRUE(PressOk(form));
    store::files_testing::FailWritesAfter(-1);
    EXPECT_EQ(recorder->boxesOf(BoxKind::Error).size(), 1u);
    EXPECT_EQ(backup::LastSave(settingsPath), backup::kNoStamp);
}

TEST_F(BackupFormTest, SpeaksEnglish) {
    loadEnglish();
    store::LoadVocabulary(store::DataLanguage::English);
    TSaveForm save(nullptr, settings());
    EXPECT_EQ(save.windowTitle(), "Back up the data files");
    EXPECT_EQ(LastSaveShown(save), "None");
    EXPECT_EQ(save.findChild<QPushButton*>("BitBtn2")->text(), "Cancel");
    auto* lecteur = save.findChild<QComboBox*>("Lecteur");
    EXPECT_EQ(lecteur->itemText(lecteur->count() - 1), "Other folder...");
    TRestoreForm restore(nullptr, settings());
    EXPECT_EQ(restore.windowTitle(), "Restore the data files");
    EXPECT_EQ(restore.findChild<QWidget*>("Avance")->toolTip(), "Progress of the restore");

    // An English set holds the English names.
    WriteFileBytes("Cellar.dat", "english cellar");
    EXPECT_TRUE(PressOk(save));
    EXPECT_EQ(ReadFileBytes(OnMedium("Cellar.dat")), "english cellar");
    EXPECT_FALSE(Exists(OnMedium("Cave.dat")));
}

// A box that closes its own window must leave the keyboard with the window beneath: real
// boxes and a real modal loop, as the menu runs them.
TEST_F(BackupFormTest, TheWindowBeneathIsActiveAgainAfterABoxClosesTheForm) {
    struct Flow {
        const char* name;
        bool restore;
        bool setOnMedium;
        QMessageBox::StandardButton answer;
    };
    const Flow flows[] = {
        {"backup over a set, answered No", false, true, QMessageBox::No},
        {"restore from a medium without a set", true, false, QMessageBox::Ok},
    };
    WriteDataSet();
    recorder.reset();
    for (const Flow& flow : flows) {
        SCOPED_TRACE(flow.name);
        std::filesystem::remove_all(medium);
        std::filesystem::create_directory(medium);
        if (flow.setOnMedium) backup::WriteSet(medium.string(), "01/02/2026 10:00", settingsPath, {});

        QMainWindow main;
        auto* focused = new QLineEdit(&main);
        main.setCentralWidget(focused);
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        focused->setFocus();

        std::unique_ptr<QDialog> form;
        if (flow.restore)
            form = std::make_unique<TRestoreForm>(&main, settings());
        else
            form = std::make_unique<TSaveForm>(&main, settings());
        bool boxSeen = false;
        QTimer::singleShot(0, form.get(), [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr) return;
                boxSeen = true;
                box->button(flow.answer)->click();
            });
            form->findChild<QPushButton*>("BitBtn1")->click();
        });
        EXPECT_EQ(ui::ExecModal(*form), QDialog::Rejected);
        EXPECT_TRUE(boxSeen);
        // Activation is an event of its own; a slow build (sanitizers) takes a while to deliver it.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &main; }, 2000));
        EXPECT_EQ(QApplication::focusWidget(), focused);
    }
}

} // namespace
