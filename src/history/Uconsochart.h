// Consumption: the bottles drunk per year (per month over less than two years), stacked by
// colour, with the value drunk as a line on its own axis, within the period of the consumed
// wines window.
#pragma once

#include <QDialog>

#include <string>

#include "stats/ConsumptionChart.h"
#include "ui/Report.h"

class QChart;
class QChartView;
class QLabel;
class QPushButton;

namespace history {

// "2024", or "03/2026" when the chart counts months.
QString DrunkPeriodCaption(const stats::ConsumptionChart& chart, const stats::DrunkPeriod& period);
// "Tout l'historique", "Du 01/01/2024 au 31/12/2025", "Depuis le ...", "Jusqu'au ...".
QString PeriodText(const std::string& from, const std::string& to);
QChart* MakeConsumptionChart(const stats::ConsumptionChart& chart);
ui::Report ConsumptionChartReport(const stats::ConsumptionChart& chart, const QString& period);

} // namespace history

class TConsommation : public QDialog {
    Q_OBJECT
public:
    // `from` and `to`: dd/mm/yyyy bounds of the period, empty for none.
    TConsommation(QWidget* parent, std::string from, std::string to);
    ~TConsommation() override;

    const stats::ConsumptionChart& chart() const { return chart_; }
    void BitBtn4Click(); // print

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void reload();

    std::string from_;
    std::string to_;
    stats::ConsumptionChart chart_;
    QChartView* Graphique;
    QLabel* periode_;
    QPushButton* BitBtn4;
    QPushButton* BitBtn1;
    QPushButton* BitBtn8;
};
