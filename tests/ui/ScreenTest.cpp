// Fitting windows to the screen.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/Screen.h"
#include "ui/support/UiTest.h"

namespace {

class ScreenTest : public testsupport::UiTest {};

TEST_F(ScreenTest, ScaleToScreenFollowsTheScreenWidth) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().width(), 800); // the offscreen platform
    EXPECT_EQ(ui::ScaleToScreen(640), 800);

    const struct {
        int width;
        int n;
        int expected;
    } cases[] = {{1024, 100, 160}, {800, 3, 4}, {800, 2, 3}, {640, 77, 77}, {1280, 0, 0}};
    for (const auto& c : cases) {
        ui::testing::SetScreen(c.width);
        EXPECT_EQ(ui::ScaleToScreen(c.n), c.expected) << c.width << " " << c.n;
    }
}

TEST_F(ScreenTest, RatioDiscountsLargeFonts) {
    ui::testing::SetScreen(1280, 96);
    EXPECT_DOUBLE_EQ(ui::ScreenRatio(), 2.0);
    ui::testing::SetScreen(1280, 120); // M = 1024
    EXPECT_DOUBLE_EQ(ui::ScreenRatio(), 1.6);
}

TEST_F(ScreenTest, WindowTakesItsContentsSizeOrGrowsWithTheScreen) {
    const auto makeWindow = [] {
        auto* window = new QWidget;
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(new QLabel(QStringLiteral("Appellation d'origine contrôlée"), window));
        auto* title = new QLabel(QStringLiteral("Tonnelix"), window);
        title->setObjectName(QStringLiteral("title"));
        QFont big = title->font();
        big.setPointSizeF(big.pointSizeF() * 2);
        title->setFont(big); // a font of its own, which the window's does not reach
        layout->addWidget(title);
        return window;
    };
    std::unique_ptr<QWidget> plain(makeWindow());
    plain->resize(10, 10);
    ui::FitWindowToScreen(plain.get());
    EXPECT_EQ(plain->size(), plain->sizeHint());

    ui::testing::SetScreen(1280);
    ui::SetScaleWindows(true);
    std::unique_ptr<QWidget> scaled(makeWindow());
    const qreal points = scaled->font().pointSizeF();
    auto* title = scaled->findChild<QLabel*>(QStringLiteral("title"));
    const qreal titlePoints = title->font().pointSizeF();
    ui::FitWindowToScreen(scaled.get());
    EXPECT_DOUBLE_EQ(scaled->font().pointSizeF(), points * 2);
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), titlePoints * 2);
    EXPECT_GT(scaled->width(), plain->width() * 3 / 2);
    // Never larger than the real screen's room.
    EXPECT_LE(scaled->width(), QGuiApplication::primaryScreen()->availableGeometry().width());
}

} // namespace
