// The statistics of the cellar: bottles, wines and value per colour or per region, each
// group broken down by the other criterion, the total, and a pie of the bottles.
#pragma once

#include <QDialog>

#include "stats/Statistics.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableView;

namespace ui {
class PieChartView;
}

namespace stats {
class StatRowsModel;
}

class TStatForm : public QDialog {
    Q_OBJECT
public:
    explicit TStatForm(QWidget* parent = nullptr);
    ~TStatForm() override;

    // Sums the cellar file again for the view selected in Select_type.
    void Compute();
    void BitBtn4Click(); // print
    stats::View view() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void fitColumns();

    QGroupBox* Select_type;
    QButtonGroup* types_;
    QRadioButton* byColour_;
    QRadioButton* byRegion_;
    QTableView* Liste_stat;
    stats::StatRowsModel* model_;
    ui::PieChartView* Fromage;
    QPushButton* BitBtn4;
    QPushButton* BitBtn1;
    QPushButton* BitBtn8;
};
