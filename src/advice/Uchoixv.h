// Choosing a wine: the appellations of the base by colour, optionally only those the cellar
// holds, and the characteristics of the chosen one.
#pragma once

#include <QDialog>

#include "advice/AppellationKeys.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

class TChoixvin : public QDialog {
    Q_OBJECT
public:
    explicit TChoixvin(QWidget* parent = nullptr);

    void Filtre();
    void select_caveClick();
    void BitBtn2Click(); // the characteristics of the selected row

    const advice::AppellationKeys& keys() const { return keys_; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslateUi();

    QComboBox* Liste_coul;
    QGroupBox* select_cave;
    QRadioButton* allWines_;
    QRadioButton* cellarWines_;
    QTreeWidget* liste_vins;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn8;
    QLabel* colourLabel_;

    advice::AppellationKeys keys_;
    bool cellarRead_ = false;
};
