// When to drink: the bottles of the cellar by peak year, stacked by colour. A click on a bar
// (or the choice of its period in the list above the wines) lists its wines; a double click
// on a wine opens its zoom window, after which the chart is read again.
#pragma once

#include <QDialog>

#include "stats/WhenToDrink.h"
#include "ui/Report.h"

class QBarSet;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace ui {
class TextRowsModel;
}

namespace cellar {

// The caption of a bar: "Passé", the year ("2026 ◄" for the current one), "Sans apogée".
QString DrinkBarCaption(const stats::DrinkChart& chart, const stats::DrinkBar& bar);
// The chart as the window shows it and the report prints it; the caller owns it.
QChart* MakeWhenToDrinkChart(const stats::DrinkChart& chart);
ui::Report WhenToDrinkReport(const stats::DrinkChart& chart);

} // namespace cellar

class TQuandBoire : public QDialog {
    Q_OBJECT
public:
    explicit TQuandBoire(QWidget* parent = nullptr);
    ~TQuandBoire() override;

    const stats::DrinkChart& chart() const { return chart_; }
    // The bar whose wines are listed (-1 for none), and the bar a click chose.
    int shownBar() const;
    void showBar(int bar);
    // The tool tip of a segment: colour, period and bottles.
    QString segmentTip(int colour, int bar) const;
    // Opens the zoom window of a listed wine, then reads the cellar again.
    void openWine(int row);
    void BitBtn4Click(); // print

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void reload();
    void fillBarList();
    void listWines();

    stats::DrinkChart chart_;
    QChartView* Graphique;
    QComboBox* Liste_barre;
    QTableView* Liste_vins;
    ui::TextRowsModel* model_;
    QPushButton* BitBtn5;
    QPushButton* BitBtn4;
    QPushButton* BitBtn1;
    QPushButton* BitBtn8;
    QLabel* barLabel_;
    QLabel* winesLabel_;
};
