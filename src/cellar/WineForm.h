// The wine form shared by the new wine and zoom windows: the same controls, the identity
// cascade, the reading of the screen into a cellar wine and the recording of a new
// appellation or domaine in the reference bases.
#pragma once

#include <QDialog>

#include "store/Records.h"
#include "ui/ShownFields.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cellar {

class IdentityCascade;

// Leaving a price box writes the price with two decimals (12.5 becomes    12.50); a box that
// holds no price keeps what was typed.
void NormalisePriceBox(QLineEdit* box);

class WineForm : public QDialog {
    Q_OBJECT
protected:
    // `context` is the window's class name; `withKeeping` adds the keeping-period box.
    WineForm(const char* context, bool withKeeping, QWidget* parent);

    QString text(const char* source) const;
    void changeEvent(QEvent* event) override;
    virtual void retranslateUi();

    // The wine on the screen; false, after a warning, when a text holds a character the
    // data files cannot store.
    bool lireScreen(store::CellarWine& wine);
    // A new appellation enters the appellation base and vintage chart, a domaine the domaine
    // base, and both their lists; nothing for the other-appellation entry.
    void recordReferences(const store::CellarWine& wine);
    // The price and quantity in their stored forms.
    static void StoredForms(store::CellarWine& wine);

    // Fills the mark and format lists.
    void fillMarksAndFormats();

    const char* context_;
    IdentityCascade* cascade_ = nullptr;
    // The fields of a loaded wine as the controls showed them (the zoom window remembers them).
    ui::ShownFields<store::CellarWine> shown_;
    QComboBox* Liste_domaine;
    QComboBox* Liste_coul;
    QComboBox* Liste_region;
    QComboBox* Liste_appel;
    QLineEdit* Quantite;
    QLineEdit* millesime;
    QLineEdit* Prop;
    QLineEdit* Remarques;
    QComboBox* Appreciation;
    QLineEdit* Emplacement;
    QComboBox* format;
    QLineEdit* prix;
    QLineEdit* dateachat;
    QLineEdit* apogee;
    QLineEdit* Lieu;
    QLineEdit* garde = nullptr;
    QCheckBox* select_touteappel;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QHBoxLayout* buttonRow_;   // extra buttons go before OK
    QGridLayout* grid_;

private:
    void prixExit();
    bool eventFilter(QObject* watched, QEvent* event) override;

    struct Labelled {
        QLabel* label;
        const char* caption;
    };
    std::vector<Labelled> labels_;
};

} // namespace cellar
