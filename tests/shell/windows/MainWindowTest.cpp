// The main window: captions and hints in both languages, separators, the language item, the
// status bar and its clock, and the commands built so far.
#include <gtest/gtest.h>

#include <QAction>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>

#include "shell/Umenu.h"
#include "shell/windows/ShellWindowTest.h"
#include "ui/Screen.h"

using store::DataLanguage;
using ui::testing::BoxKind;

namespace {

struct ItemText {
    const char* name;
    const char* french;
    const char* frenchHint; // "" when the item has none
    const char* english;
    const char* englishHint;
};

// Menu items and tool buttons with their captions and hints.
const ItemText kItems[] = {
    {"Ouvrir1", "&Ouvrir", "Ouvre le livre de cave", "&Open", "Opens the cellar book"},
    {"Import1", "&Import", "Importe le contenu d'un fichier texte dans la cave", "&Import",
     "Imports the contents of a text file into the cellar"},
    {"Export1", "&Export", "Exporte le contenu de la cave vers un fichier texte", "&Export",
     "Exports the contents of the cellar to a text file"},
    {"Options1", "O&ptions", "Options de Tonnelix", "O&ptions", "Tonnelix options"},
    {"Quitter1", "&Quitter", "Quitte Tonnelix", "&Quit", "Quits Tonnelix"},
    {"Choisirunvin1", "C&hoisir un vin", "Aide dans le choix d'un vin", "&Choose a Wine",
     "Helps you choose a wine"},
    {"AllianceMetsVins1", "Alliance &Mets/Vins", "Mariages entre Mets et Vins",
     "&Food and Wine Pairing", "Matches food and wine"},
    {"Vinsconsommes1", "&Vins consommés", "Consulte les vins consommés", "&Wines Drunk",
     "Looks up the wines drunk"},
    {"Basesdesvins1", "&Bases des vins", "Gestion de la base des appellations", "&Appellation Base",
     "Manages the appellation base"},
    {"Maturitedesvins1", "&Maturité des vins", "Gestion de la maturité des vins", "Wine &Maturity",
     "Manages wine maturity"},
    {"Domaines1", "Domaines", "", "Estates", ""},
    {"Autresbases1", "A&utres bases", "Gestions des autres bases de données", "&Other Lists",
     "Manages the other lists"},
    {"Sauvegarde1", "&Sauvegarde", "Sauvegarde les bases de données", "&Backup",
     "Backs up the data files"},
    {"Restauration1", "&Restauration", "Restauration des bases à partir d'une sauvegarde",
     "&Restore", "Restores the data files from a backup"},
    {"Misejour1", "M&ise à jour", "Mise à jour des bases d'appellations", "&Update",
     "Updates the appellation bases"},
    {"LanguageFrench", "&Français", "Tous les menus et écrans seront en Français", "&French",
     "All menus and windows will be in French"},
    {"LanguageEnglish", "&Anglais", "Tous les menus et écrans seront en Anglais", "&English",
     "All menus and windows will be in English"},
    {"Indexdelaide1", "&Index de l'aide", "Accès à l'aide de Tonnelix", "Help &Contents",
     "Opens the Tonnelix help"},
    {"Recherchedanslaide1", "&Recherche dans l'aide", "", "&Search Help", ""},
    {"Apropos1", "à &propos de...", "A propos de Tonnelix...", "&About...", "About Tonnelix..."},
};
const ItemText kButtons[] = {
    {"ButtonOuvre", "&Cave", "Ouvre le livre de cave", "&Cellar", "Opens the cellar book"},
    {"ButtonVins", "V&ins", "Aide dans le choix d'un vin", "&Wines", "Helps you choose a wine"},
    {"ButtonPlats", "Plat&s", "Mariages entre Mets et Vins", "&Dishes", "Matches food and wine"},
    {"ButtonCherche", "C&herche", "Consulte les vins consommés", "&Search",
     "Looks up the wines drunk"},
    {"ButtonAdmin", "Admi&n.", "Gestion de la base des appellations", "Adm&in.",
     "Manages the appellation base"},
    {"ButtonQuitte", "&Quitter", "Quitte Tonnelix", "&Quit", "Quits Tonnelix"},
    {"ButtonAide", "&Aide", "Accès à l'aide de Tonnelix", "Hel&p", "Opens the Tonnelix help"},
};
const struct {
    const char* name;
    const char* french;
    const char* english;
} kMenus[] = {
    {"Livredecave1", "&Livre de Cave", "Cellar &Book"},
    {"Conseil1", "C&onseil", "&Advice"},
    {"Recherche1", "&Recherche", "Sea&rch"},
    {"Administration1", "A&dministration", "Ad&ministration"},
    {"Langue1", "Lan&gue", "&Language"},
    {"Aide1", "Aid&e", "&Help"},
};

class MainWindowTest : public testsupport::ShellWindowTest {
protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        shell::CurrentSettings().welcome = false;
    }

    void expectTexts(TMenu& menu, bool english) {
        const auto u = [](const char* text) { return QString::fromUtf8(text); };
        for (const auto& m : kMenus) {
            auto* item = menu.findChild<QMenu*>(m.name);
            ASSERT_NE(item, nullptr) << m.name;
            EXPECT_EQ(item->title(), u(english ? m.english : m.french)) << m.name;
        }
        for (const ItemText& i : kItems) {
            auto* action = menu.findChild<QAction*>(i.name);
            ASSERT_NE(action, nullptr) << i.name;
            EXPECT_EQ(action->text(), u(english ? i.english : i.french)) << i.name;
            EXPECT_EQ(action->statusTip(), u(english ? i.englishHint : i.frenchHint)) << i.name;
        }
        for (const ItemText& b : kButtons) {
            auto* button = menu.findChild<QToolButton*>(b.name);
            ASSERT_NE(button, nullptr) << b.name;
            EXPECT_EQ(button->text(), u(english ? b.english : b.french)) << b.name;
            EXPECT_EQ(button->statusTip(), u(english ? b.englishHint : b.frenchHint)) << b.name;
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            EXPECT_FALSE(button->icon().isNull());
        }
    }
};

TEST_F(MainWindowTest, CaptionsAndHintsInFrenchThenEnglishThenFrenchAgain) {
    TMenu menu;
    EXPECT_EQ(menu.windowTitle(), "Tonnelix");
    expectTexts(menu, false);
    ASSERT_TRUE(shell::LoadLanguageModule(shell::kLocaleEnglish));
    QCoreApplication::processEvents();
    expectTexts(menu, true);
    ASSERT_TRUE(shell::LoadLanguageModule(shell::kLocaleFrench));
    QCoreApplication::processEvents();
    expectTexts(menu, false);
}

TEST_F(MainWindowTest, MenusHaveTheirSeparatorsAndTheLanguageInUseChecked) {
    setLanguage(DataLanguage::English);
    TMenu menu;
    const auto layout = [&menu](const char* name) {
        QStringList items;
        for (QAction* a : menu.findChild<QMenu*>(name)->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        return items.join(' ');
    };
    EXPECT_EQ(layout("Livredecave1"), "Ouvrir1 - Import1 Export1 - Options1 - Quitter1");
    EXPECT_EQ(layout("Administration1"), "Basesdesvins1 Maturitedesvins1 Domaines1 Autresbases1 - "
                                         "Sauvegarde1 Restauration1 Misejour1");
    EXPECT_EQ(layout("Langue1"), "LanguageFrench LanguageEnglish");
    EXPECT_TRUE(menu.findChild<QAction*>("LanguageEnglish")->isChecked());
    EXPECT_FALSE(menu.findChild<QAction*>("LanguageFrench")->isChecked());
    EXPECT_EQ(menu.findChild<QAction*>("LanguageEnglish")->data().toInt(), 1033);
    EXPECT_EQ(menu.findChild<QAction*>("LanguageFrench")->data().toInt(), 1036);
}

// Commands whose windows come later are shown but cannot be chosen yet.
TEST_F(MainWindowTest, OnlyTheCommandsBuiltSoFarAreEnabled) {
    TMenu menu;
    const QStringList enabled = {"Ouvrir1", "ButtonOuvre", "Choisirunvin1", "ButtonVins",
                                 "AllianceMetsVins1", "ButtonPlats", "Vinsconsommes1", "ButtonCherche",
                                 "Basesdesvins1", "ButtonAdmin", "Quitter1", "Indexdelaide1",
                                 "Recherchedanslaide1", "Apropos1", "ButtonQuitte", "ButtonAide",
                                 "Sauvegarde1", "Restauration1", "Options1", "LanguageFrench",
                                 "LanguageEnglish", "Maturitedesvins1", "Domaines1", "Autresbases1",
                                 "Import1", "Export1", "Misejour1"};
    for (const ItemText& i : kItems)
        EXPECT_EQ(menu.findChild<QAction*>(i.name)->isEnabled(), enabled.contains(i.name))
            << i.name;
    for (const ItemText& b : kButtons)
        EXPECT_EQ(menu.findChild<QToolButton*>(b.name)->isEnabled(), enabled.contains(b.name))
            << b.name;
}

TEST_F(MainWindowTest, TheMenuItemAndTheToolButtonOpenTheAppellationAdministration) {
    TMenu menu;
    menu.findChild<QAction*>("Basesdesvins1")->trigger();
    QTest::mouseClick(menu.findChild<QToolButton*>("ButtonAdmin"), Qt::LeftButton);
    const auto opened = recorder->boxesOf(ui::testing::BoxKind::Modal);
    ASSERT_EQ(opened.size(), 2u);
    for (const auto& box : opened)
        EXPECT_EQ(box.text, "Tadminbase");
}

TEST_F(MainWindowTest, StatusBarShowsTheHintUnderTheMouseAndTheClock) {
    TMenu menu;
    auto* hint = menu.findChild<QLabel*>("Panel1");
    auto* date = menu.findChild<QLabel*>("Panel2");
    auto* time = menu.findChild<QLabel*>("Panel3");
    auto* empty = menu.findChild<QLabel*>("Panel4");
    ASSERT_TRUE(hint && date && time && empty);
    // 400, 120, 80 and 50 pixels at 640, grown like the window on the 800-pixel screen.
    EXPECT_EQ(hint->width(), 500);
    EXPECT_EQ(date->width(), 150);
    EXPECT_EQ(time->width(), 100);
    EXPECT_EQ(empty->width(), 63);
    ui::testing::SetScreen(1280);
    TMenu wide;
    EXPECT_EQ(wide.findChild<QLabel*>("Panel1")->width(), 800);
    EXPECT_EQ(wide.findChild<QLabel*>("Panel4")->width(), 100);
    EXPECT_TRUE(date->text().isEmpty()); // before the first tick
    EXPECT_TRUE(time->text().isEmpty());

    // A hovered menu item and a tool button under the mouse put their hint in panel 1, not over the
    // panels.
    menu.show();
    menu.findChild<QAction*>("Misejour1")->showStatusText(&menu);
    EXPECT_EQ(hint->text(), QString::fromUtf8("Mise à jour des bases d'appellations"));
    QTest::mouseMove(menu.findChild<QToolButton*>("ButtonQuitte"));
    EXPECT_EQ(hint->text(), "Quitte Tonnelix");
    EXPECT_TRUE(date->isVisible());

    const struct {
        QDateTime now;
        const char* date;
        const char* time;
    } ticks[] = {
        {QDateTime(QDate(1999, 3, 5), QTime(0, 0)), "05/03/1999", "00:00"},
        {QDateTime(QDate(2001, 12, 31), QTime(9, 5, 59)), "31/12/2001", "09:05"},
        {QDateTime(QDate(2024, 2, 29), QTime(23, 59)), "29/02/2024", "23:59"},
    };
    for (const auto& tick : ticks) {
        menu.showClock(tick.now);
        EXPECT_EQ(date->text(), tick.date);
        EXPECT_EQ(time->text(), tick.time);
    }
}

TEST_F(MainWindowTest, TitleIsLargeNavyBoldItalicOnWhite) {
    TMenu menu;
    auto* title = menu.findChild<QLabel*>("Label1");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(menu.centralWidget(), title);
    EXPECT_EQ(title->text(), "Tonnelix");
    EXPECT_TRUE(title->font().bold());
    EXPECT_TRUE(title->font().italic());
    EXPECT_EQ(title->font().pixelSize(), 120); // 96 pixels at 640, scaled to the 800-pixel screen
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(title->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(title->alignment(), Qt::AlignCenter);
}

TEST_F(MainWindowTest, HelpCommandsAndKeyOpenTheirPagesAndQuitCloses) {
    TMenu menu;
    menu.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    QTest::keyClick(&menu, Qt::Key_F1);
    QTest::mouseClick(menu.findChild<QToolButton*>("ButtonAide"), Qt::LeftButton);
    menu.findChild<QAction*>("Recherchedanslaide1")->trigger();
    const auto help = recorder->boxesOf(BoxKind::Help);
    ASSERT_EQ(help.size(), 3u);
    EXPECT_EQ(help[0].text, "100.html");
    EXPECT_EQ(help[1].text, "index.html");
    EXPECT_EQ(help[2].text, "search");

    QTest::mouseClick(menu.findChild<QToolButton*>("ButtonQuitte"), Qt::LeftButton);
    EXPECT_FALSE(menu.isVisible());
}

// Both show the date of the last backup that the settings file keeps.
TEST_F(MainWindowTest, BackupCommandsOpenTheirWindows) {
    shell::WriteSetting("Software", "Lastsave", "05/03/1999 09:05");
    TMenu menu;
    QStringList shown;
    for (const char* item : {"Sauvegarde1", "Restauration1"}) {
        recorder->queueModal([&shown](QDialog& window) {
            shown << window.objectName() + " " +
                         window.findChild<QLineEdit*>("Last_save")->text();
            return 0;
        });
        menu.findChild<QAction*>(item)->trigger();
    }
    EXPECT_EQ(shown, QStringList({"TSaveForm 05/03/1999 09:05", "TRestoreForm 05/03/1999 09:05"}));
}

} // namespace
