#include "cellar/Usticker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "cellar/CellarState.h"
#include "store/Text.h"
#include "ui/Cp1252.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace cellar {

namespace {

// A label of the designer: 349 × 447 pixels at 96 per inch.
constexpr double kLabelWidth = ui::kReportWidth / 2;
constexpr double kLabelHeight = 447 * ui::kDesignPixel;
constexpr double kImage = 64 * ui::kDesignPixel;
constexpr double kInset = 3;

ui::ReportBand Label(const store::CellarWine& wine) {
    using ui::ReportBand;
    ReportBand band(ui::BandKind::Detail, kLabelHeight);
    const double inner = kLabelWidth - 2 * kInset;
    band.frame({0.8, 0.8, kLabelWidth - 1.6, kLabelHeight - 1.6}); // where to cut
    band.picture({kInset, kInset, kImage, kImage}, ui::Picture::Grapes);
    band.picture({kLabelWidth - kInset - kImage, kInset, kImage, kImage}, ui::Picture::Emblem);
    constexpr double kCircle = 32;
    band.dashedCircle({(kLabelWidth - kCircle) / 2, 5, kCircle, kCircle});
    band.text({kLabelWidth - kInset - 30, kInset + kImage + 2, 30, 7}, ui::ShownField(wine.vintage),
              {12, true}, ReportBand::kRight);
    double y = 41;
    for (const std::string* field : {&wine.colour, &wine.region, &wine.appellation}) {
        band.text({kInset, y, inner, 6.5}, ui::ShownField(*field), {12, true}, ReportBand::kCentre);
        y += 6.5;
    }
    y += 2;
    for (const std::string* field : {&wine.domaine, &wine.owner}) {
        band.text({kInset, y, inner, 6}, ui::ShownField(*field), {10}, ReportBand::kCentre);
        y += 6;
    }
    // Remarks may run to two lines.
    band.text({kInset, y, inner, 11}, ui::ShownField(wine.remarks), {10},
              Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    const double bottom = kLabelHeight - 12;
    band.text({kInset + 1, bottom, inner * 0.6, 6},
              QCoreApplication::translate("Treport_sticker", "A déguster avant :") +
                  QLatin1Char(' ') + ui::ShownField(wine.peakYear),
              {10});
    band.text({kInset + inner * 0.6, bottom, inner * 0.4 - 1, 6}, ui::ShownField(wine.location),
              {10}, ReportBand::kRight);
    return band;
}

} // namespace

ui::Report LabelReport(const store::CellarWine& wine, int labelCount) {
    ui::Report report;
    report.title = QCoreApplication::translate("Treport_sticker", "Étiquettes");
    report.columns = 2;
    // Label sheets carry labels only: no heading or page number to cut away.
    report.pageFooter = false;
    const ui::ReportBand label = Label(wine);
    for (int i = 0; i < labelCount; ++i)
        report.bands.push_back(label);
    return report;
}

bool PrintLabels(int labelCount) {
    if (labelCount <= 0) return false;
    return ui::OutputReport(LabelReport(State().labelWine, labelCount));
}

} // namespace cellar

TStickerform::TStickerform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TStickerform"));
    nb_sticker = new QSpinBox(this);
    nb_sticker->setObjectName(QStringLiteral("nb_sticker"));
    nb_sticker->setRange(1, cellar::kMaxLabels);
    // The count changes with the arrows only.
    if (auto* edit = nb_sticker->findChild<QLineEdit*>()) edit->setReadOnly(true);
    nb_sticker->setMinimumWidth(
        nb_sticker->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 40);
    countLabel_ = new QLabel(this);
    countLabel_->setBuddy(nb_sticker);
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn1->setDefault(true);
    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Cancel);

    auto* count = new QHBoxLayout;
    count->addWidget(countLabel_);
    count->addWidget(nb_sticker);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch(1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(count);
    main->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TStickerform::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    retranslateUi();
    long quantity = 0;
    const std::string text = store::Trim(cellar::State().labelWine.quantity);
    if (!store::ParseWholeNumber(text, quantity)) quantity = 1;
    setLabelCount(quantity);
    ui::FitWindowToScreen(this);
}

void TStickerform::setLabelCount(long count) {
    nb_sticker->setValue(static_cast<int>(std::clamp<long>(count, 1, cellar::kMaxLabels)));
}

void TStickerform::BitBtn1Click() {
    const int count = nb_sticker->value();
    if (count <= 0) return;
    cellar::PrintLabels(count);
    accept();
}

void TStickerform::retranslateUi() {
    setWindowTitle(tr("Impression d'étiquettes"));
    countLabel_->setText(tr("&Nombre d'étiquettes à imprimer :"));
    BitBtn1->setText(tr("&OK"));
    BitBtn2->setText(tr("&Annuler"));
    ui::SetHint(nb_sticker, tr("Nombre d'étiquettes"));
    ui::SetHint(BitBtn1, tr("Lance l'impression"));
    ui::SetHint(BitBtn2, tr("Annule l'impression"));
}

void TStickerform::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}
