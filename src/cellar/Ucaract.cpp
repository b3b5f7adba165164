#include "cellar/Ucaract.h"

#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "cellar/AppellationSheet.h"
#include "cellar/CellarState.h"
#include "store/RefBases.h"
#include "store/Text.h"
#include "ui/Cp1252.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"
#include "ui/State.h"

namespace {

constexpr int kHelpTopic = 11;

QTreeWidget* List(QWidget* parent, const char* name) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionsClickable(false);
    list->header()->setStretchLastSection(true);
    ui::KeepSelectionVisible(list);
    return list;
}

QComboBox* Single(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEnabled(false);
    return box;
}

} // namespace

int TVinForm::CourseRank(const QString& course) {
    const QString type = course.trimmed().left(7);
    if (type == QString::fromUtf8("Plats") || type == QLatin1String("Courses")) return 2;
    if (type == QLatin1String("Fromage") || type == QLatin1String("Cheeses")) return 3;
    if (type == QLatin1String("Dessert")) return 4;
    return 1;
}

TVinForm::TVinForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TVinForm"));
    Liste_coul = Single(this, "Liste_coul");
    Liste_region = Single(this, "Liste_region");
    Liste_appel = Single(this, "Liste_appel");
    Liste_appel->setMinimumContentsLength(24);
    Temperature = new QLineEdit(this);
    Temperature->setObjectName(QStringLiteral("Temperature"));
    Garde = new QLineEdit(this);
    Garde->setObjectName(QStringLiteral("Garde"));
    for (QLineEdit* e : {Temperature, Garde}) ui::MakeShownOnly(e);
    liste_plats = List(this, "liste_plats");
    liste_annee = List(this, "liste_annee");
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn1->setDefault(true);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);
    BitBtn4 = ui::PictureButton(this, "BitBtn4", ui::Picture::Printer);

    QWidget* fields[7] = {Liste_coul, Liste_region, Liste_appel, Temperature, Garde, liste_plats, liste_annee};
    for (int i = 0; i < 7; ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setBuddy(fields[i]);
    }
    auto* grid = new QGridLayout;
    grid->addWidget(labels_[0], 0, 0);
    grid->addWidget(Liste_coul, 0, 1);
    grid->addWidget(labels_[1], 0, 2);
    grid->addWidget(Liste_region, 0, 3);
    grid->addWidget(labels_[2], 1, 0);
    grid->addWidget(Liste_appel, 1, 1, 1, 3);
    grid->addWidget(labels_[3], 2, 0);
    grid->addWidget(Temperature, 2, 1);
    grid->addWidget(labels_[4], 2, 2);
    grid->addWidget(Garde, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* dishes = new QVBoxLayout;
    dishes->addWidget(labels_[5]);
    dishes->addWidget(liste_plats);
    auto* vintages = new QVBoxLayout;
    vintages->addWidget(labels_[6]);
    vintages->addWidget(liste_annee);
    auto* lists = new QHBoxLayout;
    lists->addLayout(dishes, 3);
    lists->addLayout(vintages, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {BitBtn1, BitBtn4, BitBtn3}) buttons->addWidget(b);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(lists, 1);
    main->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    connect(BitBtn4, &QPushButton::clicked, this, &TVinForm::BitBtn4Click);
    ui::InstallHelpKey(this, kHelpTopic);

    retranslateUi();
    const bool scale = ui::State().scaleWindows;
    const int widths[4] = {50, 200, 50, 60};
    auto width = [&](int design, const QString& heading, const QTreeWidget* list) {
        const int w = scale ? ui::ScaleToScreen(design) : design;
        return std::max(w, list->header()->fontMetrics().horizontalAdvance(heading) + 16);
    };
    liste_plats->setColumnWidth(0, width(widths[0], liste_plats->headerItem()->text(0), liste_plats));
    liste_plats->setColumnWidth(1, width(widths[1], liste_plats->headerItem()->text(1), liste_plats));
    liste_annee->setColumnWidth(0, width(widths[2], liste_annee->headerItem()->text(0), liste_annee));
    liste_annee->setColumnWidth(1, width(widths[3], liste_annee->headerItem()->text(1), liste_annee));
    liste_plats->setMinimumWidth(liste_plats->columnWidth(0) + liste_plats->columnWidth(1) + 140);
    liste_annee->setMinimumWidth(liste_annee->columnWidth(0) + liste_annee->columnWidth(1) + 30);
    liste_plats->setMinimumHeight(liste_plats->fontMetrics().height() * 14);
    fill();
    ui::FitWindowToScreen(this);
}

void TVinForm::retranslateUi() {
    setWindowTitle(tr("Caractéristiques d'un vin"));
    const char* captions[7] = {QT_TR_NOOP("Couleur :"), QT_TR_NOOP("Région :"), QT_TR_NOOP("Appellation :"),
                               QT_TR_NOOP("Température :"), QT_TR_NOOP("Garde :"), QT_TR_NOOP("&Plats :"),
                               QT_TR_NOOP("&Millésimes :")};
    for (int i = 0; i < 7; ++i) labels_[i]->setText(tr(captions[i]));
    const struct {
        QWidget* widget;
        QString hint;
    } hints[] = {
        {Liste_coul, tr("Couleur")},
        {Liste_region, tr("Région")},
        {Liste_appel, tr("Appellation")},
        {Temperature, tr("Température de service")},
        {Garde, tr("Période de garde")},
        {liste_plats, tr("Liste des mets")},
        {liste_annee, tr("Liste des millésimes")},
        {BitBtn1, tr("Retour à l'écran précédent")},
        {BitBtn3, tr("Accès à l'aide")},
        {BitBtn4, tr("Imprime les caractéristiques")},
    };
    for (const auto& h : hints) ui::SetHint(h.widget, h.hint);
    liste_plats->setHeaderLabels({tr("Type"), tr("Plats")});
    liste_annee->setHeaderLabels({tr("Année"), tr("Note")});
    BitBtn1->setText(tr("&OK"));
    BitBtn3->setText(tr("&Aide"));
    BitBtn4->setText(tr("&Imprimer"));
}

void TVinForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TVinForm::fill() {
    const cellar::SelectedAppellation& selected = cellar::State().selectedAppellation;
    Liste_coul->addItem(ui::ShownField(selected.colour));
    Liste_region->addItem(ui::ShownField(selected.region));
    Liste_appel->addItem(ui::ShownField(selected.appellation));

    const std::string colour = store::PadText(selected.colour, 10);
    const std::string region = store::PadText(selected.region, 20);
    const std::string appellation = store::PadText(selected.appellation, 30);
    const store::AppellationInfo info = store::AppellationDetails(colour, region, appellation);
    Temperature->setText(ui::ShownField(info.temperature));
    Garde->setText(ui::ShownField(info.keeping));

    QCollator collator; // the system's comparison, case included
    struct Row {
        QString course;
        QString dish;
        int rank;
    };
    std::vector<Row> dishes;
    for (const store::Dish& d : info.dishes) {
        QString course = ui::ToQString(d.course).trimmed();
        dishes.push_back({course, ui::ShownField(d.dish), CourseRank(course)});
    }
    std::stable_sort(dishes.begin(), dishes.end(), [&](const Row& a, const Row& b) {
        if (a.rank != b.rank) return a.rank < b.rank;
        return collator.compare(a.dish, b.dish) < 0;
    });
    for (const Row& r : dishes) new QTreeWidgetItem(liste_plats, {r.course, r.dish});
    // The course names are read whole.
    const int designed = liste_plats->columnWidth(0);
    liste_plats->resizeColumnToContents(0);
    liste_plats->setColumnWidth(0, std::max(designed, liste_plats->columnWidth(0) + 8));

    std::vector<store::VintageMark> marks = store::VintageMarks(region, appellation);
    std::stable_sort(marks.begin(), marks.end(), [&](const store::VintageMark& a, const store::VintageMark& b) {
        return collator.compare(ui::ToQString(a.year), ui::ToQString(b.year)) > 0;
    });
    for (const store::VintageMark& m : marks)
        new QTreeWidgetItem(liste_annee, {ui::ToQString(m.year), ui::ToQString(m.mark) + QStringLiteral("/20")});

    if (selected.vintage.empty()) return;
    const int rows = liste_annee->topLevelItemCount();
    for (int c = 0; c < rows; ++c) {
        if (liste_annee->topLevelItem(c)->text(0) != ui::ToQString(selected.vintage)) continue;
        liste_annee->setCurrentItem(liste_annee->topLevelItem(c));
        // Up to three rows after the selected one stay in view.
        liste_annee->scrollToItem(liste_annee->topLevelItem(rows - c < 5 ? rows - 1 : c + 3));
        break;
    }
}

void TVinForm::BitBtn4Click() { cellar::PrintAppellationSheet(Temperature->text(), Garde->text()); }
