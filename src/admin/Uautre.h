// The four vocabulary lists (colours, regions, marks, bottle formats): adding, removing,
// ordering, sorting. The window edits the lists the whole program uses; OK writes the four
// files, Cancel puts the lists back as they were when it opened.
#pragma once

#include <QDialog>

#include <vector>

#include "store/Vocabulary.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace admin {
class UpDown;
}

class TAutre_base : public QDialog {
    Q_OBJECT
public:
    explicit TAutre_base(QWidget* parent = nullptr);

    void Select_baseClick();
    void Select_triClick();
    void AjouteClick();
    void SupprimeClick();
    void liste_itemClick();
    void Type_triClick();
    void BitBtn1Click();
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslateUi();
    void affiche_base();
    // Refills the list box from the list shown, in the display order.
    void showEntries();
    store::VocabularyList& shownList();

    QGroupBox* baseBox_;
    QGroupBox* triBox_;
    QButtonGroup* Select_base;
    QButtonGroup* Select_tri;
    QRadioButton* baseItems_[4];
    QRadioButton* triItems_[2];
    QLabel* nameLabel_;
    QLabel* listLabel_;
    QLineEdit* nom_item;
    QPushButton* Ajoute;
    QPushButton* Supprime;
    QListWidget* liste_item;
    admin::UpDown* Type_tri;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

    store::Vocabulary opened_; // the lists as they were when the window opened
    bool sorted_ = false;
    std::vector<int> shown_; // for each row of the list box, its index in the list
};
