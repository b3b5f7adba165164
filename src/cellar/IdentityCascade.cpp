#include "cellar/IdentityCascade.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>

#include "store/RefBases.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/WineEntry.h"
#include "ui/BusyCursor.h"
#include "ui/Cp1252.h"

namespace cellar {

IdentityCascade::IdentityCascade(const Controls& controls, QObject* parent) : QObject(parent), c_(controls) {
    for (QComboBox* editable : {c_.domaine, c_.appellation}) {
        editable->setEditable(true);
        editable->setInsertPolicy(QComboBox::NoInsert);
        editable->completer()->setCompletionMode(QCompleter::PopupCompletion);
        editable->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        ui::RefuseOutsideCp1252(editable->lineEdit());
    }
    c_.domaine->lineEdit()->setMaxLength(50);
    c_.appellation->lineEdit()->setMaxLength(30);

    connect(c_.colour, &QComboBox::activated, this, &IdentityCascade::colourChanged);
    connect(c_.region, &QComboBox::activated, this, &IdentityCascade::regionChanged);
    connect(c_.appellation, &QComboBox::activated, this, &IdentityCascade::appellationChanged);
    connect(c_.appellation->lineEdit(), &QLineEdit::textEdited, this, &IdentityCascade::appellationChanged);
    connect(c_.appellation->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            &IdentityCascade::appellationChanged);
    connect(c_.domaine, &QComboBox::activated, this, [this] {
        domaineClick();
        calculeApogee();
    });
    connect(c_.domaine->completer(), qOverload<const QString&>(&QCompleter::activated), this, [this] {
        domaineClick();
        calculeApogee();
    });
    connect(c_.regionOnly, &QCheckBox::clicked, this, &IdentityCascade::regionOnlyClicked);
    if (c_.vintage != nullptr) c_.vintage->installEventFilter(this);
}

bool IdentityCascade::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the vintage box proposes the peak year, whether or not the box is complete.
    if (watched == c_.vintage && event->type() == QEvent::FocusOut) calculeApogee();
    return QObject::eventFilter(watched, event);
}

void IdentityCascade::AddSorted(QComboBox* box, const QString& text) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int at = 0;
    while (at < box->count() && collator.compare(box->itemText(at), text) <= 0) ++at;
    box->insertItem(at, text);
}

void IdentityCascade::ChooseEntry(QComboBox* box, const QString& text) {
    const int at = box->findText(text, Qt::MatchFixedString);
    box->setCurrentIndex(at);
    if (at < 0 && box->isEditable()) box->setEditText(QString());
}

QString IdentityCascade::otherAppellation() const {
    return QString::fromLatin1(store::OtherAppellation(store::State().language));
}

bool IdentityCascade::appellationIsOther() const { return appellationText() == otherAppellation(); }

QString IdentityCascade::appellationText() const { return c_.appellation->currentText(); }

bool IdentityCascade::appellationEntryChosen() const {
    const QString text = appellationText();
    return !text.isEmpty() && c_.appellation->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
}

QString IdentityCascade::chosen(QComboBox* box) const {
    if (box == c_.appellation) return appellationEntryChosen() ? appellationText() : QString();
    return box->currentIndex() >= 0 ? box->currentText() : QString();
}

bool IdentityCascade::hasAppellationEntry(const QString& name) const {
    return c_.appellation->findText(name, Qt::MatchFixedString) >= 0;
}

void IdentityCascade::addAppellationEntry(const QString& name) {
    if (!hasAppellationEntry(name)) AddSorted(c_.appellation, name);
}

void IdentityCascade::addDomaineEntry(const QString& name) {
    if (c_.domaine->findText(name, Qt::MatchFixedString) < 0) AddSorted(c_.domaine, name);
}

void IdentityCascade::fill() {
    const store::Vocabulary& lists = store::State().lists;
    c_.colour->clear();
    for (const auto& entry : lists.colours.entries) c_.colour->addItem(ui::ShownField(entry));
    c_.region->clear();
    for (const auto& entry : lists.regions.entries) c_.region->addItem(ui::ShownField(entry));
    c_.region->addItem(ui::ShownField(lists.regions.fixedEntry));
    c_.colour->setCurrentIndex(-1);
    c_.region->setCurrentIndex(-1);

    QStringList domaines;
    for (const auto& name : store::DomaineNames()) domaines << ui::ToQString(name);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(domaines.begin(), domaines.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    c_.domaine->clear();
    c_.domaine->addItems(domaines);
    c_.domaine->setCurrentIndex(-1);
    c_.domaine->setEditText(QString());

    ui::BusyCursor busy;
    index_ = store::ReadAppellationIndex();
    if (c_.keeping != nullptr) c_.keeping->clear();
    rebuildAllAppellations();
}

void IdentityCascade::rebuildAllAppellations() {
    QStringList names;
    for (const auto& key : index_) {
        const QString name = ui::ToQString(store::KeyAppellation(key));
        if (!names.contains(name, Qt::CaseInsensitive)) names << name;
    }
    names << otherAppellation();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    const QString remembered = chosen(c_.appellation);
    c_.appellation->clear();
    c_.appellation->addItems(names);
    ChooseEntry(c_.appellation, remembered);
}

void IdentityCascade::colourChanged() {
    if (appellationEntryChosen() && !appellationIsOther()) rempliCombo(false);
    calculeApogee();
}

void IdentityCascade::regionChanged() {
    if (c_.regionOnly->isChecked()) rempliAppel();
    else appellationCheck();
    calculeApogee();
}

void IdentityCascade::appellationChanged() {
    if (!appellationIsOther()) c_.region->setCurrentIndex(-1);
    rempliCombo(false);
    calculeApogee();
}

void IdentityCascade::regionOnlyClicked() {
    if (c_.regionOnly->isChecked()) {
        rempliAppel();
        return;
    }
    ui::BusyCursor busy;
    rebuildAllAppellations();
}

void IdentityCascade::appellationCheck() {
    if (!appellationEntryChosen() || appellationIsOther()) return;
    const std::string colour = ui::StoredBytes(chosen(c_.colour));
    const std::string region = ui::StoredBytes(chosen(c_.region));
    const std::string appellation = ui::StoredBytes(appellationText());
    for (const auto& key : index_)
        if (store::KeyColour(key) == colour && store::KeyRegion(key) == region &&
            store::KeyAppellation(key) == appellation)
            return;
    c_.appellation->setCurrentIndex(-1);
    c_.appellation->setEditText(QString());
    if (c_.keeping != nullptr) c_.keeping->clear();
}

void IdentityCascade::rempliAppel() {
    if (!c_.regionOnly->isChecked()) return;
    if (c_.region->currentIndex() < 0) {
        c_.appellation->clear();
        c_.appellation->setEditText(QString());
        return;
    }
    const QString remembered = chosen(c_.appellation).left(30);
    c_.appellation->clear();
    const std::string region = ui::StoredBytes(c_.region->currentText());
    QStringList names;
    for (const auto& key : index_) {
        if (store::KeyRegion(key) != store::RightTrim(region)) continue;
        const QString name = ui::ToQString(store::KeyAppellation(key));
        if (!names.contains(name, Qt::CaseInsensitive)) names << name;
    }
    names << otherAppellation();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    c_.appellation->addItems(names);
    ChooseEntry(c_.appellation, remembered);
    if (c_.peakAfterNarrowing) calculeApogee();
}

void IdentityCascade::rempliCombo(bool fromDomaine) {
    const QString appellation = chosen(c_.appellation);
    const bool other = appellationIsOther();
    if (!other && (fromDomaine || (c_.region->currentIndex() < 0 && !appellation.isEmpty()))) {
        const std::string wanted = store::RightTrim(ui::StoredBytes(appellation));
        for (const auto& key : index_) {
            if (store::KeyAppellation(key) != wanted) continue;
            if (fromDomaine) {
                if (c_.colour->currentIndex() < 0)
                    c_.colour->setCurrentIndex(c_.colour->findText(ui::ShownField(store::KeyColour(key)), Qt::MatchFixedString));
            } else if (c_.region->currentIndex() < 0) {
                c_.region->setCurrentIndex(c_.region->findText(ui::ShownField(store::KeyRegion(key)), Qt::MatchFixedString));
                if (c_.colour->currentIndex() < 0)
                    c_.colour->setCurrentIndex(c_.colour->findText(ui::ShownField(store::KeyColour(key)), Qt::MatchFixedString));
            }
        }
    }
    if (c_.keeping == nullptr) return;
    c_.keeping->clear();
    if (appellation.isEmpty() || other) return;
    ui::BusyCursor busy;
    const store::AppellationInfo info =
        store::AppellationDetails(store::PadText(ui::StoredBytes(chosen(c_.colour)), 10),
                                  store::PadText(ui::StoredBytes(chosen(c_.region)), 20), store::PadText(ui::StoredBytes(appellation), 30));
    c_.keeping->setText(ui::ShownField(info.keeping));
}

void IdentityCascade::domaineClick() {
    const std::string name = store::RightTrim(ui::StoredBytes(c_.domaine->currentText())).substr(0, 50);
    const store::DomaineLookup found = store::FindDomaine(name);
    if (found.found) {
        c_.owner->setText(ui::ToQString(found.owner));
        c_.region->setCurrentIndex(c_.region->findText(ui::ToQString(found.region), Qt::MatchFixedString));
        if (c_.regionOnly->isChecked()) rempliAppel();
        ChooseEntry(c_.appellation, ui::ToQString(found.appellation));
    }
    if (found.baseOpened) rempliCombo(true);
}

void IdentityCascade::recordReferences(const std::string& colour, const std::string& region,
                                       const std::string& appellation, const std::string& domaine,
                                       const std::string& owner) {
    if (appellationIsOther()) return;
    const QString name = ui::ShownField(appellation);
    if (!hasAppellationEntry(name)) {
        if (!store::AppellationDetails(colour, region, appellation).found)
            store::AddAppellation(colour, region, appellation, store::Blanks(50), store::Blanks(50));
        store::AddVintageSection(region, appellation);
        addAppellationEntry(name);
    }
    if (domaine != store::Blanks(50)) {
        store::AddDomaine(region, appellation, domaine, owner);
        addDomaineEntry(ui::ShownField(domaine));
    }
}

void IdentityCascade::calculeApogee() {
    if (c_.vintage == nullptr || c_.peakYear == nullptr) return;
    if (c_.colour->currentIndex() < 0 || c_.region->currentIndex() < 0) return;
    const auto year = store::ProposedPeakYear(ui::StoredBytes(c_.vintage->displayText()), ui::StoredBytes(c_.colour->currentText()),
                                              ui::StoredBytes(c_.region->currentText()));
    if (year) c_.peakYear->setText(QString::fromStdString(*year));
}

} // namespace cellar
