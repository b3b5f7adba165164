// Every window, dialog and report of the program, opened as the person opens them, in English
// and in French: no caption, hint, heading, menu or box shows a text of the other language.
// A text counts as the other language's when the catalogue has it on that side only, so words
// both languages share ("Volume", "OK") pass, and so do the words of the data files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <optional>

#include "shell/Startup.h"
#include "shell/Umenu.h"
#include "shell/windows/ShellWindowTest.h"
#include "store/Files.h"
#include "store/Records.h"
#include "support/Catalogue.h"
#include "ui/Help.h"
#include "ui/Report.h"
#include "ui/State.h"

using store::DataLanguage;
using ui::testing::BoxKind;

namespace {

// Mnemonics and the blanks around a text do not make it another text.
QString Plain(const QString& text) {
    QString plain = text;
    plain.replace(QRegularExpression(QStringLiteral("&(?!&)")), QString());
    return plain.simplified();
}

// The cellar report's total line starts so in both languages, its layout being fixed; the
// catalogue has "Total :" in English as "Total:" for the statistics report.
const QStringList kShownInBoth = {QStringLiteral("Total :")};

// The texts of one language that the other does not share, as the catalogue gives them.
class OtherLanguage {
public:
    explicit OtherLanguage(DataLanguage shown) {
        const auto entries = testsupport::ReadCatalogue(
            QStringLiteral(TONNELIX_SOURCE_DIR "/translations/tonnelix_en.ts"));
        QSet<QString> french, english;
        for (const auto& e : entries) {
            french.insert(Plain(e.source));
            english.insert(Plain(e.translation));
        }
        const bool englishShown = shown == DataLanguage::English;
        const QSet<QString>& other = englishShown ? french : english;
        const QSet<QString>& own = englishShown ? english : french;
        for (const QString& text : other) {
            if (own.contains(text) || kShownInBoth.contains(text) ||
                !text.contains(QRegularExpression(QStringLiteral("\\w{3}"))))
                continue;
            if (text.contains(QRegularExpression(QStringLiteral("%\\d")))) {
                // A text with arguments is known by its words around them.
                QString pattern = QRegularExpression::escape(text);
                pattern.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"));
                patterns_.emplace_back(QStringLiteral("^") + pattern + QStringLiteral("$"));
            } else {
                texts_.insert(text);
            }
        }
    }

    bool has(const QString& shown) const {
        for (const QString& line : shown.split(QLatin1Char('\n'))) {
            const QString text = Plain(line);
            if (text.isEmpty()) continue;
            if (texts_.contains(text)) return true;
            for (const auto& pattern : patterns_)
                if (pattern.match(text).hasMatch()) return true;
        }
        return false;
    }

private:
    QSet<QString> texts_;
    std::vector<QRegularExpression> patterns_;
};

QString Shown(const QString& text) {
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

void AddActionTexts(const QAction* action, QStringList& out) {
    out << action->text() << action->toolTip() << action->statusTip();
    if (const QMenu* menu = action->menu()) {
        out << menu->title();
        for (const QAction* item : menu->actions())
            AddActionTexts(item, out);
    }
}

// Every text a person reads on the window: title, captions, buttons, tabs, column headings,
// menus, list entries, hints and placeholders.
QStringList TextsOf(QWidget* window) {
    QStringList out{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        out << w->toolTip() << w->statusTip() << w->whatsThis();
        for (const QAction* action : w->actions())
            AddActionTexts(action, out);
        if (auto* label = qobject_cast<QLabel*>(w)) out << Shown(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) out << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w)) out << box->title();
        if (auto* menu = qobject_cast<QMenu*>(w)) out << menu->title();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            out << edit->placeholderText() << edit->text();
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                out << tabs->tabText(i) << tabs->tabToolTip(i);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                out << combo->itemText(i);
        if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                out << header->model()->headerData(i, header->orientation()).toString();
    }
    return out;
}

// A button to press in the window in front, and what it opens: a window of this class, a
// report (kReport), or nothing, the window staying in front (kHere).
struct Step {
    const char* button;
    const char* opens;
};
constexpr const char* kReport = nullptr;
constexpr const char kHere[] = "";

struct Route {
    const char* item; // of the main window
    const char* opens;
    std::vector<Step> steps;
    bool preview = false; // the report goes to the preview window rather than to the test
};

const Route kRoutes[] = {
    {"Ouvrir1", "TLivre", {}},
    {"Ouvrir1", "TLivre", {{"BitBtn3", "TNewForm"}}},
    {"Ouvrir1",
     "TLivre",
     {{"BitBtn5", "TZoomForm"}, {"BitBtn4", "TStickerform"}, {"BitBtn1", kReport}}},
    {"Ouvrir1",
     "TLivre",
     {{"BitBtn5", "TZoomForm"}, {"BitBtn5", "TVinForm"}, {"BitBtn4", kReport}}},
    {"Ouvrir1", "TLivre", {{"BitBtn6", "TExitForm"}, {"BitBtn5", "TVinForm"}}},
    {"Ouvrir1", "TLivre", {{"BitBtn4", kReport}}},
    {"Ouvrir1", "TLivre", {{"BitBtn4", "QPrintPreviewDialog"}}, true},
    {"Ouvrir1", "TLivre", {{"BitBtn7", "TStatForm"}, {"BitBtn4", kReport}}},
    {"Ouvrir1", "TLivre", {{"BitBtn9", "TQuandBoire"}}},
    {"Quandboire1", "TQuandBoire", {{"BitBtn4", kReport}}},
    {"Import1", nullptr, {}},
    {"Export1", nullptr, {}},
    {"Options1", "TOptions", {{"BitBtn4", "QPrintDialog"}}},
    {"Choisirunvin1", "TChoixvin", {{"BitBtn2", "TVinForm"}}},
    {"AllianceMetsVins1", "TChoixplat", {{"select_plat", kHere}, {"BitBtn2", kReport}}},
    {"Vinsconsommes1", "TConsovin", {{"BitBtn5", "TZoomConsoForm"}}},
    {"Vinsconsommes1", "TConsovin", {{"BitBtn3", "TRestoForm"}}},
    {"Vinsconsommes1", "TConsovin", {{"BitBtn4", kReport}}},
    {"Vinsconsommes1", "TConsovin", {{"BitBtn6", "TConsommation"}, {"BitBtn4", kReport}}},
    {"Consommation1", "TConsommation", {}},
    {"Basesdesvins1", "Tadminbase", {}},
    {"Maturitedesvins1", "TMaturite", {}},
    {"Domaines1", "Tdomaine_form", {}},
    {"Autresbases1", "TAutre_base", {}},
    {"Sauvegarde1", "TSaveForm", {}},
    {"Restauration1", "TRestoreForm", {}},
    {"Misejour1", nullptr, {}},
    {"Apropos1", "TProposBox", {}},
};

// Lists show their first entry chosen, so that the buttons that need one have it.
void ChooseFirstEntries(QWidget* window) {
    for (auto* combo : window->findChildren<QComboBox*>())
        if (combo->currentIndex() < 0 && combo->count() > 0 && combo->isEnabled()) {
            combo->setCurrentIndex(0);
            emit combo->activated(0);
        }
    for (auto* view : window->findChildren<QAbstractItemView*>()) {
        if (!view->model() || view->model()->rowCount() == 0 || !view->selectionModel() ||
            view->selectionModel()->hasSelection() || qobject_cast<QHeaderView*>(view) ||
            view->window() != window) // the popup list of a combo box
            continue;
        view->setCurrentIndex(view->model()->index(0, 0));
    }
    QCoreApplication::processEvents();
}

class LanguageSweepTest : public testsupport::ShellWindowTest,
                          public ::testing::WithParamInterface<DataLanguage> {
protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        const bool english = GetParam() == DataLanguage::English;
        // The reference files the program ships for the language, as a first start gets them.
        const QDir shipped(QStringLiteral(TONNELIX_SOURCE_DIR "/data/") +
                           (english ? QStringLiteral("en") : QStringLiteral("fr")));
        for (const QString& name : shipped.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(shipped.filePath(name), name));
        shell::SetSystemLanguageCodeForTests(english ? QStringLiteral("eng")
                                                     : QStringLiteral("fra"));
        ASSERT_TRUE(shell::StartUp());
        ASSERT_EQ(shell::State().moduleLocale,
                  english ? shell::kLocaleEnglish : shell::kLocaleFrench);
        writeOneWineEachSide(english);
    }

    // One wine in the cellar and one drunk, of an appellation of the shipped base.
    static void writeOneWineEachSide(bool english) {
        const store::Vocabulary& lists = store::State().lists;
        store::CellarWine wine;
        wine.colour = english ? "Red" : "Rouge";
        wine.region = "Bordeaux";
        wine.appellation = "Bordeaux";
        wine.vintage = "2015";
        wine.quantity = " 6";
        wine.price = "   10.00";
        wine.purchaseDate = "01/02/2020";
        wine.peakYear = "2025";
        wine.mark = lists.marks.entries.front();
        wine.bottleFormat = lists.bottleFormats.entries.front();
        {
            store::SafeFileWriter out(store::State().files.cellar);
            store::WriteCellarWine(out, store::PaddedCellarWine(wine));
            out.commit();
        }
        store::ConsumedWine drunk;
        drunk.colour = wine.colour;
        drunk.region = wine.region;
        drunk.appellation = wine.appellation;
        drunk.vintage = wine.vintage;
        drunk.quantity = " 1";
        drunk.drinkDate = "03/04/2021";
        drunk.mark = wine.mark;
        drunk.bottleFormat = wine.bottleFormat;
        drunk.price = wine.price;
        drunk.purchaseDate = wine.purchaseDate;
        std::string bytes;
        for (const auto& line : store::ConsumedWineLines(store::PaddedConsumedWine(drunk)))
            bytes += line + "\r\n";
        testsupport::WriteFileBytes(store::State().files.consumption, bytes);
    }

    // The texts of the other language among these, each with the place it was read.
    void expectNone(const QStringList& texts, const QString& where) {
        QStringList found;
        for (const QString& text : texts)
            if (other_.has(text)) found << text;
        found.removeDuplicates();
        EXPECT_TRUE(found.isEmpty())
            << where.toStdString() << ": " << found.join(QStringLiteral(" | ")).toStdString();
    }

    OtherLanguage other_{GetParam()};
};

TEST_P(LanguageSweepTest, NoWindowShowsATextOfTheOtherLanguage) {
    TMenu menu;
    expectNone(TextsOf(&menu), QStringLiteral("TMenu"));

    for (const Route& route : kRoutes) {
        SCOPED_TRACE(route.item);
        recorder = std::make_unique<ui::testing::Recorder>(); // no answer left from the last route
        ui::State().preview = route.preview;
        std::optional<ui::testing::ReportCapture> reports;
        if (!route.preview) reports.emplace();

        // One handler per window the route opens: it reads the window, then presses the
        // buttons of the route that belong to it, the last one opening the next window.
        std::vector<std::vector<const char*>> presses(route.opens ? 1 : 0);
        for (const Step& s : route.steps) {
            if (!presses.empty()) presses.back().push_back(s.button);
            if (s.opens && *s.opens) presses.emplace_back();
        }
        QStringList opened;
        for (const auto& buttons : presses)
            recorder->queueModal([this, buttons, &opened](QDialog& dialog) {
                dialog.show();
                QCoreApplication::processEvents();
                const QString name = QString::fromLatin1(dialog.metaObject()->className());
                opened << name;
                expectNone(TextsOf(&dialog), name);
                for (const char* pressed : buttons) {
                    ChooseFirstEntries(&dialog);
                    auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(pressed));
                    EXPECT_TRUE(button != nullptr) << pressed << " in " << name.toStdString();
                    if (button) button->click();
                    QCoreApplication::processEvents();
                }
                return int(QDialog::Rejected);
            });
        QAction* item = menu.findChild<QAction*>(QString::fromLatin1(route.item));
        ASSERT_TRUE(item != nullptr);
        item->trigger();
        QCoreApplication::processEvents();

        QStringList expected;
        if (route.opens) expected << QString::fromLatin1(route.opens);
        for (const Step& s : route.steps)
            if (s.opens && *s.opens) expected << QString::fromLatin1(s.opens);
        EXPECT_EQ(opened.join(QLatin1Char(',')).toStdString(),
                  expected.join(QLatin1Char(',')).toStdString());
        if (reports && !route.steps.empty() && route.steps.back().opens == kReport) {
            EXPECT_EQ(reports->outputs().size(), 1u);
            for (const auto& output : reports->outputs()) {
                QStringList texts{output.report.title};
                for (const auto& page : output.pages)
                    texts << page.texts();
                expectNone(texts, QStringLiteral("report ") + output.report.title);
            }
        }
        // The boxes and file dialogs the route brought up.
        for (const auto& box : recorder->boxes())
            if (box.kind != BoxKind::Modal && box.kind != BoxKind::Help)
                expectNone({box.title, box.text}, QStringLiteral("box ") + box.title);
    }

    ui::HelpViewer help;
    help.setDirectory(ui::HelpDirectory());
    help.showPage(QStringLiteral("index.html"));
    expectNone(TextsOf(&help), QStringLiteral("HelpViewer"));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageSweepTest,
                         ::testing::Values(DataLanguage::English, DataLanguage::French),
                         [](const auto& info) {
                             return info.param == DataLanguage::English ? "English" : "French";
                         });

} // namespace
