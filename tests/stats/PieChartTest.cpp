// The pie's labels stay readable: outside the pie, apart from one another, on the page.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/PieChart.h"

namespace {

ui::PieChart Chart(const std::vector<double>& values) {
    ui::PieChart chart;
    chart.title = QStringLiteral("Statistiques par région");
    for (std::size_t i = 0; i < values.size(); ++i)
        chart.slices.push_back(
            {QStringLiteral("Languedoc/Roussillon %1").arg(i), values[i], QColor()});
    return chart;
}

TEST(PieChartTest, TwentySlicesKeepTheirLabelsApartAndOutside) {
    std::vector<double> skewed = {500, 300};
    for (int i = 0; i < 18; ++i)
        skewed.push_back(1); // a crowd of thin slices side by side
    std::vector<double> even(20, 10.0);
    QImage image(900, 600, QImage::Format_ARGB32);
    for (const auto& values : {skewed, even}) {
        for (const QRectF target : {QRectF(0, 0, 900, 600), QRectF(10, 10, 500, 360)}) {
            const ui::PieChart chart = Chart(values);
            const ui::PieLayout layout = ui::LayOutPieChart(chart, target, QFont(), &image);
            ASSERT_EQ(layout.labels.size(), 20u);
            for (std::size_t i = 0; i < layout.labels.size(); ++i) {
                const QRectF a = layout.labels[i].rect;
                EXPECT_FALSE(a.intersects(layout.pieBounds)) << i;
                EXPECT_TRUE(target.contains(a)) << i << " of " << target.width();
                EXPECT_EQ(layout.labels[i].text,
                          chart.slices[i].label + " " + QString::number(values[i]));
                for (std::size_t j = i + 1; j < layout.labels.size(); ++j)
                    EXPECT_FALSE(a.intersects(layout.labels[j].rect)) << i << " and " << j;
            }
            EXPECT_GT(layout.pieBounds.width(), target.width() * 0.25);
        }
    }
}

TEST(PieChartTest, EmptyAndZeroSlicesDrawNoLabel) {
    QImage image(400, 300, QImage::Format_ARGB32);
    for (const auto& values :
         {std::vector<double>{}, std::vector<double>{0, 0}, std::vector<double>{0, 5}}) {
        const ui::PieLayout layout =
            ui::LayOutPieChart(Chart(values), QRectF(0, 0, 400, 300), QFont(), &image);
        std::size_t positive = 0;
        for (double v : values)
            positive += v > 0;
        EXPECT_EQ(layout.labels.size(), positive);
        QPainter painter(&image);
        ui::PaintPieChart(painter, Chart(values), QRectF(0, 0, 400, 300), QFont());
    }
}

} // namespace
