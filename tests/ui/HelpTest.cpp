// The help pages beside the program, their search, and the help window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "ui/Help.h"
#include "ui/support/UiTest.h"

using store::DataLanguage;
using ui::testing::BoxKind;

namespace {

class HelpTest : public testsupport::UiTest {};

// Topics of the windows, as the help key and help buttons ask for them.
const int kTopics[] = {1,  2,  3,  4,  5,  7,  8,  10, 11, 12, 13, 14,
                       15, 16, 17, 18, 22, 23, 24, 25, 26, 28, 100};

TEST_F(HelpTest, EveryTopicHasItsPageInBothLanguagesAndTheContentsReachThem) {
    for (const DataLanguage language : {DataLanguage::French, DataLanguage::English}) {
        ui::SetHelpLanguage(language);
        const QDir dir(ui::HelpDirectory());
        for (const int topic : kTopics)
            EXPECT_TRUE(dir.exists(ui::HelpTopicPage(topic)))
                << dir.path().toStdString() << " " << topic;
        EXPECT_TRUE(dir.exists(QStringLiteral("guide.html")));

        QFile contents(dir.filePath(QStringLiteral("index.html")));
        ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(contents.readAll());
        for (const int topic : kTopics)
            EXPECT_TRUE(html.contains(ui::HelpTopicPage(topic))) << topic;
        // and every link of every page leads somewhere
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
        for (const QString& page : dir.entryList({QStringLiteral("*.html")})) {
            QFile file(dir.filePath(page));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            auto links = link.globalMatch(QString::fromUtf8(file.readAll()));
            while (links.hasNext()) {
                const QString target = links.next().captured(1);
                EXPECT_TRUE(dir.exists(target))
                    << page.toStdString() << " -> " << target.toStdString();
            }
        }
    }
    EXPECT_EQ(ui::HelpTopicPage(7), "007.html");
}

TEST_F(HelpTest, SearchFindsPagesHoldingEveryWordWhateverTheirCaseAndAccents) {
    ui::SetHelpLanguage(DataLanguage::French);
    const auto pages = [](const QString& query) {
        QStringList found;
        for (const auto& match : ui::SearchHelp(ui::HelpDirectory(), query))
            found << match.page;
        return found;
    };
    EXPECT_TRUE(pages(QStringLiteral("MATURITE")).contains("015.html"));
    EXPECT_EQ(pages(QString::fromUtf8("maturité apogée millésime")),
              pages(QStringLiteral("maturite apogee millesime")));
    EXPECT_FALSE(pages(QString::fromUtf8("vin du jour")).isEmpty());
    EXPECT_TRUE(pages(QStringLiteral("vin xylophone")).isEmpty());
    EXPECT_TRUE(pages(QStringLiteral("  ")).isEmpty());
    EXPECT_FALSE(
        pages(QStringLiteral("index")).contains("index.html")); // the contents are not a result

    ui::SetHelpLanguage(DataLanguage::English);
    EXPECT_TRUE(pages(QStringLiteral("peak year")).contains("015.html"));
}

TEST_F(HelpTest, RequestsOpenThePageOfTheHelpLanguage) {
    ui::SetHelpLanguage(DataLanguage::English);
    ui::ShowHelpTopic(24);
    ui::ShowHelpContents();
    ui::ShowHelpGuide();
    const auto help = recorder->boxesOf(BoxKind::Help);
    ASSERT_EQ(help.size(), 3u);
    EXPECT_TRUE(help[0].title.endsWith("/help/en"));
    EXPECT_EQ(help[0].text, "024.html");
    EXPECT_EQ(help[0].number, 24);
    EXPECT_EQ(help[1].text, "index.html");
    EXPECT_EQ(help[2].text, "guide.html");
}

TEST_F(HelpTest, HelpWindowShowsPagesAndSearchResults) {
    recorder.reset(); // the real window
    ui::SetHelpLanguage(DataLanguage::French);
    ui::ShowHelpTopic(22);
    auto* viewer = qobject_cast<ui::HelpViewer*>(ui::State().helpViewer.data());
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->currentPage(), "022.html");
    EXPECT_TRUE(viewer->pageText().contains(QStringLiteral("vin du jour")));

    viewer->search(QStringLiteral("sauvegarde"));
    EXPECT_TRUE(viewer->pageText().contains(QStringLiteral("Sauvegarde")));
    EXPECT_TRUE(viewer->currentPage().isEmpty());
    QTest::mouseClick(viewer->findChild<QWidget*>(QStringLiteral("HelpContents")), Qt::LeftButton);
    EXPECT_EQ(viewer->currentPage(), "index.html");

    // A second request reuses the window, in the language now in use.
    ui::SetHelpLanguage(DataLanguage::English);
    ui::ShowHelpTopic(100);
    EXPECT_EQ(ui::State().helpViewer.data(), viewer);
    EXPECT_TRUE(viewer->pageText().contains(QStringLiteral("The main window")));

    viewer->showPage(QStringLiteral("999.html"));
    EXPECT_TRUE(viewer->pageText().contains(QStringLiteral("Page d'aide introuvable")));
}

} // namespace
