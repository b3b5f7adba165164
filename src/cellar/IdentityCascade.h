// The four linked identity lists of the wine windows (colour, region, appellation, domaine),
// the box narrowing appellations to the chosen region, the keeping period and the peak year.
// Only the person's own choices drive it: lists set by the program raise nothing.
#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace cellar {

class IdentityCascade : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QComboBox* domaine = nullptr;     // editable, sorted
        QComboBox* colour = nullptr;      // drop-down list
        QComboBox* region = nullptr;      // drop-down list
        QComboBox* appellation = nullptr; // editable, sorted
        QCheckBox* regionOnly = nullptr;  // narrows the appellations to the chosen region
        QLineEdit* owner = nullptr;
        QLineEdit* vintage = nullptr;     // with peakYear: the peak year is proposed
        QLineEdit* peakYear = nullptr;
        QLineEdit* keeping = nullptr;     // when given, shows the appellation's keeping period
        bool peakAfterNarrowing = true;   // whether narrowing the list recomputes the peak year
    };

    IdentityCascade(const Controls& controls, QObject* parent);

    // Fills the lists from the vocabulary and the bases; the appellation index is read here
    // once for the life of the window.
    void fill();

    // "[Autre Appellation]" / "[Other Appellation]".
    QString otherAppellation() const;
    bool appellationIsOther() const;
    // The appellation text as typed or chosen.
    QString appellationText() const;

    // A name entered for the first time joins its list, in its sorted place.
    void addAppellationEntry(const QString& name);
    void addDomaineEntry(const QString& name);
    bool hasAppellationEntry(const QString& name) const; // case disregarded

    // Chooses the entry equal to the text (case disregarded), or no entry.
    static void ChooseEntry(QComboBox* box, const QString& text);
    static void AddSorted(QComboBox* box, const QString& text);

    // A wine is being stored: an appellation new to the lists enters the appellation base and
    // the vintage chart (a block the base already holds keeps its temperature and keeping
    // period), a domaine enters the domaine base, and both their lists; nothing for the
    // other-appellation entry. Fields padded, in code page 1252.
    void recordReferences(const std::string& colour, const std::string& region, const std::string& appellation,
                          const std::string& domaine, const std::string& owner);

    void calculeApogee();
    void rempliAppel();
    void rempliCombo(bool fromDomaine);
    void domaineClick();

private:
    void colourChanged();
    void regionChanged();
    void appellationChanged();
    void regionOnlyClicked();
    void appellationCheck();
    void rebuildAllAppellations();
    bool appellationEntryChosen() const;
    QString chosen(QComboBox* box) const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    Controls c_;
    std::vector<std::string> index_;
};

} // namespace cellar
