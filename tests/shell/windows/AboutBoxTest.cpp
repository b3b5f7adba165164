// The about box: shown once at start-up when Welcome is Yes, its contents, and its choice.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include "shell/Umenu.h"
#include "shell/Upropos.h"
#include "shell/windows/ShellWindowTest.h"
#include "store/Text.h"

using store::DataLanguage;
using ui::testing::BoxKind;

namespace {

class AboutBoxTest : public testsupport::ShellWindowTest {
protected:
    std::size_t aboutBoxesShown() const {
        std::size_t count = 0;
        for (const auto& box : recorder->boxesOf(BoxKind::Modal))
            count += box.text == "TProposBox";
        return count;
    }
    // Shows the main window, lets it be activated, then takes the focus away and back.
    void showAndReactivate(TMenu& menu) {
        menu.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
        QCoreApplication::processEvents();
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        menu.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
        QCoreApplication::processEvents();
    }
    QString welcomeInFile() const {
        return QSettings(shell::SettingsFilePath(), QSettings::IniFormat)
            .value("Options/Welcome")
            .toString();
    }
};

TEST_F(AboutBoxTest, WelcomeYesShowsItOnceAtTheFirstActivation) {
    shell::CurrentSettings().welcome = true;
    TMenu menu;
    showAndReactivate(menu);
    EXPECT_EQ(aboutBoxesShown(), 1u);
    EXPECT_FALSE(shell::State().startup);
    menu.findChild<QAction*>("Apropos1")->trigger(); // the menu still opens it
    EXPECT_EQ(aboutBoxesShown(), 2u);
}

TEST_F(AboutBoxTest, WelcomeNoShowsItOnlyFromTheMenu) {
    shell::CurrentSettings().welcome = false;
    TMenu menu;
    showAndReactivate(menu);
    EXPECT_EQ(aboutBoxesShown(), 0u);
    menu.findChild<QAction*>("Apropos1")->trigger();
    EXPECT_EQ(aboutBoxesShown(), 1u);
    // Once opened, it is not shown at a later activation, whatever Welcome becomes.
    shell::CurrentSettings().welcome = true;
    showAndReactivate(menu);
    EXPECT_EQ(aboutBoxesShown(), 1u);
}

TEST_F(AboutBoxTest, ShowsVersionMemoryTheWineOfTheDayAndTheWelcomeChoice) {
    setLanguage(DataLanguage::French);
    shell::CurrentSettings().welcome = true;
    testsupport::WriteFileBytes(
        "Vins.dat",
        testsupport::CrLf({"[" + store::PadText("Loire", 20) + "][" + store::PadText("Blanc", 10) +
                               "](" + store::PadText("Vouvray", 30) + ")",
                           "   Plats=", "      Plats  :" + store::PadText("Rillettes", 30)}));
    TProposBox box;
    EXPECT_EQ(box.windowTitle(), "A Propos de ...");
    EXPECT_EQ(box.findChild<QLabel*>("Version_number")->text(), "Version : 3.01");
    EXPECT_TRUE(box.findChild<QLabel*>("PhysMem")->text().contains(
        QRegularExpression("^[1-9][\\d\\s\\x{202f}]* KB$")));
    EXPECT_TRUE(
        box.findChild<QLabel*>("FreeRes")->text().contains(QRegularExpression("^\\d{1,3} %$")));
    EXPECT_EQ(box.findChild<QPlainTextEdit*>("Vin_jour")->toPlainText(),
              "Vouvray (Loire) :  Ce vin Blanc peut se boire avec les plats suivants : Rillettes.");
    EXPECT_TRUE(box.findChild<QCheckBox*>("Affiche_debut")->isChecked());
    EXPECT_FALSE(shell::State().startup);

    QTest::mouseClick(box.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    const auto help = recorder->boxesOf(BoxKind::Help);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].text, "guide.html");

    ASSERT_TRUE(shell::LoadLanguageModule(shell::kLocaleEnglish));
    QCoreApplication::processEvents();
    EXPECT_EQ(box.windowTitle(), "About ...");
    EXPECT_EQ(box.findChild<QLabel*>("Version_number")->text(), "Version: 3.01");
    EXPECT_EQ(box.findChild<QCheckBox*>("Affiche_debut")->text(), "&Show this window at start-up");
}

TEST_F(AboutBoxTest, EmptyMemoWithoutAppellationBase) {
    TProposBox box;
    EXPECT_TRUE(box.findChild<QPlainTextEdit*>("Vin_jour")->toPlainText().isEmpty());
}

TEST_F(AboutBoxTest, OkWritesTheWelcomeChoiceAndClosingWithoutOkWritesNothing) {
    shell::CurrentSettings().welcome = true;
    {
        TProposBox box;
        box.findChild<QCheckBox*>("Affiche_debut")->setChecked(false);
        box.reject();
    }
    EXPECT_TRUE(welcomeInFile().isEmpty());
    EXPECT_TRUE(shell::CurrentSettings().welcome);

    TProposBox box;
    box.findChild<QCheckBox*>("Affiche_debut")->setChecked(false);
    QTest::mouseClick(box.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_EQ(welcomeInFile(), "No");
    EXPECT_FALSE(shell::CurrentSettings().welcome);

    TProposBox again;
    EXPECT_FALSE(again.findChild<QCheckBox*>("Affiche_debut")->isChecked());
    QTest::mouseClick(again.findChild<QCheckBox*>("Affiche_debut"), Qt::LeftButton);
    QTest::mouseClick(again.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(welcomeInFile(), "Yes");
}

} // namespace
