// The cellar book: the wines of the cellar, narrowed by colour, region, a search text and
// the wines to drink this year, with the number of bottles listed.
#pragma once

#include <QDialog>

#include <array>
#include <vector>

#include "store/RecordCache.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace ui {
class TextRowsModel;
}

class TLivre : public QDialog {
    Q_OBJECT
public:
    explicit TLivre(QWidget* parent = nullptr);

    // Refills the list from the cellar file under the filter of the controls.
    void Cherch();
    void BitBtn2Click(); // R.A.Z
    void BitBtn3Click(); // new wine
    void BitBtn5Click(); // zoom
    void BitBtn6Click(); // take bottles out
    void BitBtn4Click(); // print
    void BitBtn7Click(); // statistics
    void BitBtn9Click(); // when to drink

    // The selected row, or -1.
    int selectedRow() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void fillFilterLists();
    void reselect();
    // Opens the window of a wine of the list: with no row selected, message 17.
    void openWineWindow(bool exitWindow);

    QComboBox* Liste_coul;
    QComboBox* Liste_region;
    QLineEdit* Recherche;
    QPushButton* BitBtn2;
    QGroupBox* select_cave;
    QRadioButton* allWines_;
    QRadioButton* toDrink_;
    QTableView* Liste_vins;
    ui::TextRowsModel* model_;
    QPushButton* BitBtn3;
    QPushButton* BitBtn6;
    QPushButton* BitBtn5;
    QPushButton* BitBtn4;
    QPushButton* BitBtn7;
    QPushButton* BitBtn9;
    QPushButton* BitBtn1;
    QPushButton* BitBtn8;
    QLineEdit* Nb;
    QLabel* colourLabel_;
    QLabel* regionLabel_;
    QLabel* searchLabel_;
    QLabel* countLabel_;
    // The cellar stays read while the book is open, for its refills and the windows it opens.
    store::KeepRecordsInMemory keepRecords_;
};
