// Taking bottles of a cellar wine out: the cellar keeps the bottles that remain (or loses the
// wine), and the consumption history receives an entry.
#pragma once

#include <QDialog>

#include <vector>

#include "store/Records.h"
#include "ui/ShownFields.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TExitForm : public QDialog {
    Q_OBJECT
public:
    // Shows the wine at cellar::State().currentWinePosition.
    explicit TExitForm(QWidget* parent = nullptr);

    void BitBtn1Click(); // record the exit and close
    void BitBtn5Click(); // characteristics
    void BitBtn6Click(); // previous wine, nothing recorded
    void BitBtn7Click(); // next wine, nothing recorded

    const store::CellarWine& loadedWine() const { return loaded_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void afficheVin();
    // The cellar wine with the mark and location of the screen, and the consumption entry;
    // false after a warning when a text cannot be stored.
    bool lireScreen(store::CellarWine& updated, store::ConsumedWine& entry) const;
    // The first check that fails, as its message number, or 0.
    int validate(const store::ConsumedWine& entry) const;

    store::CellarWine loaded_;
    long loadedPosition_ = -1; // its place in the file, which identifies it with its fields
    bool hasWine_ = false;
    ui::ShownFields<store::CellarWine> shown_; // the mark and location as shown
    QComboBox* Liste_coul;
    QComboBox* Liste_region;
    QComboBox* Liste_appel;
    QComboBox* Liste_domaine;
    QComboBox* formatb;
    QLineEdit* Quantite;
    QLineEdit* millesime;
    QLineEdit* prix;
    QLineEdit* dateachat;
    QLineEdit* Prop;
    QLineEdit* rem_vin;
    QLineEdit* Lieu;
    QComboBox* Appreciation;
    QLineEdit* Emplacement;
    QLineEdit* qte_conso;
    QLineEdit* date_conso;
    QLineEdit* comment_conso;
    QLineEdit* invites;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
    struct Labelled {
        QLabel* label;
        const char* caption;
    };
    std::vector<Labelled> labels_;
};
