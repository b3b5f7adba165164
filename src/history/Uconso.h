// The consumption history: the entries of the consumption file narrowed by colour,
// appellation, period and a search text, with the edit and drunk-elsewhere windows.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include <array>
#include <vector>

#include "store/RecordCache.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace ui {
class TextRowsModel;
}

class TConsovin : public QDialog {
    Q_OBJECT
public:
    explicit TConsovin(QWidget* parent = nullptr);

    // Refills the list from the consumption file under the criteria of the controls; a
    // period date that is no date leaves the rows and the filter as they were.
    void Rebuild();
    void BitBtn2Click(); // R.A.Z
    void BitBtn5Click(); // edit the selected entry
    void BitBtn3Click(); // a wine drunk elsewhere
    void BitBtn4Click(); // print the rows
    void BitBtn6Click(); // the consumption chart of the period

    // The selected row, or -1.
    int selectedRow() const;
    int rowCount() const;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslateUi();
    void fillFilterLists();
    void editRow(int row, bool fromButton);

    QComboBox* Liste_coul;
    QComboBox* Liste_appellation;
    QLineEdit* Date_deb;
    QLineEdit* date_fin;
    QLineEdit* Recherche;
    QPushButton* BitBtn2;
    QTableView* Liste_vins;
    ui::TextRowsModel* model_;
    QPushButton* BitBtn5;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn6;
    QPushButton* BitBtn1;
    QPushButton* BitBtn8;
    QLabel* colourLabel_;
    QLabel* appellationLabel_;
    QLabel* fromLabel_;
    QLabel* toLabel_;
    QLabel* searchLabel_;
    // The history stays read while the window is open, for its refills and the edit window.
    store::KeepRecordsInMemory keepRecords_;
};
