#include "shell/Uoptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/LanguageSwitch.h"
#include "shell/Settings.h"
#include "store/Rebuild.h"
#include "store/State.h"
#include "store/Transaction.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Report.h"
#include "ui/Screen.h"
#include "ui/State.h"
#include "ui/Widgets.h"

namespace {

constexpr int kHelpTopic = 23;

QString YesNo(bool yes) {
    return yes ? QStringLiteral("Yes") : QStringLiteral("No");
}

} // namespace

QGroupBox* TOptions::RadioGroup(const char* name, int items, QButtonGroup*& group) {
    auto* box = new QGroupBox(this);
    box->setObjectName(QLatin1String(name));
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < items; ++i) {
        auto* item = new QRadioButton(box);
        item->setObjectName(QLatin1String(name) + QString::number(i));
        group->addButton(item, i);
        layout->addWidget(item);
    }
    return box;
}

TOptions::TOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TOptions"));
    Liste_langue = RadioGroup("Liste_langue", 2, langue_);
    Liste_tri = RadioGroup("Liste_tri", 3, tri_);
    preview_option = RadioGroup("preview_option", 2, preview_);
    Select_debut = new QCheckBox(this);
    Select_debut->setObjectName(QStringLiteral("Select_debut"));
    BitBtn4 = new QToolButton(this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setIcon(ui::PictureIcon(ui::Picture::Printer));
    BitBtn4->setIconSize(QSize(32, 32));
    BitBtn4->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn1->setDefault(true);
    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Cancel);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ui::PictureIcon(ui::Picture::Glass).pixmap(48, 48));

    auto* grid = new QGridLayout;
    grid->addWidget(Liste_langue, 0, 0);
    grid->addWidget(Liste_tri, 0, 1);
    grid->addWidget(Image1, 0, 2, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(Select_debut, 1, 0, 1, 3);
    grid->addWidget(preview_option, 2, 0);
    grid->addWidget(BitBtn4, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(b);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addStretch(1);
    main->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TOptions::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [] { ui::ShowHelpTopic(kHelpTopic); });
    connect(BitBtn4, &QToolButton::clicked, this, [] { ui::ShowPrinterSetup(); });
    ui::InstallHelpKey(this, kHelpTopic);

    const shell::Settings& settings = shell::CurrentSettings();
    langue_->button(store::State().language == store::DataLanguage::English ? 1 : 0)
        ->setChecked(true);
    tri_->button(std::clamp(store::State().sort, 1, 3) - 1)->setChecked(true);
    Select_debut->setChecked(settings.welcome);
    preview_->button(settings.preview ? 1 : 0)->setChecked(true);

    retranslateUi();
    ui::FitWindowToScreen(this);
}

void TOptions::retranslateUi() {
    setWindowTitle(tr("Options de Tonnelix"));
    Liste_langue->setTitle(tr("Langue"));
    Liste_tri->setTitle(tr("Tri de la cave"));
    preview_option->setTitle(tr("Prévisualisation"));
    const char* languages[] = {QT_TR_NOOP("Français"), QT_TR_NOOP("Anglais")};
    for (int i = 0; i < 2; ++i)
        langue_->button(i)->setText(tr(languages[i]));
    const char* orders[] = {QT_TR_NOOP("Par Millésime"), QT_TR_NOOP("Par Appellation"),
                            QT_TR_NOOP("Par Région")};
    for (int i = 0; i < 3; ++i)
        tri_->button(i)->setText(tr(orders[i]));
    const char* previews[] = {QT_TR_NOOP("Non"), QT_TR_NOOP("Oui")};
    for (int i = 0; i < 2; ++i)
        preview_->button(i)->setText(tr(previews[i]));
    Select_debut->setText(tr("Affichage de la fenêtre A propos au demarrage"));
    BitBtn4->setText(tr("Configuration"));
    BitBtn1->setText(tr("OK"));
    BitBtn2->setText(tr("Annuler"));
    BitBtn3->setText(tr("&Aide"));
    const struct {
        QWidget* widget;
        QString hint;
    } hints[] = {
        {Liste_langue, tr("Choix de la langue")},
        {Liste_tri, tr("Type de tri sur la cave")},
        {Select_debut, tr("Affiche l'écran d'accueil au demarrage du programme")},
        {BitBtn4, tr("Configuration de l'imprimante")},
        {preview_option, tr("Prévisualisation de l'impression")},
        {BitBtn1, tr("Retour au menu principal")},
        {BitBtn2, tr("Retour au menu principal sans sauvegarde")},
        {BitBtn3, tr("Accès à l'aide")},
    };
    for (const auto& h : hints)
        ui::SetHint(h.widget, h.hint);
}

void TOptions::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TOptions::BitBtn1Click() {
    shell::Settings& settings = shell::CurrentSettings();
    // The file re-sorted and the new Sort recorded are one transaction.
    const int sort = tri_->checkedId() + 1;
    const auto recordSort = [sort] {
        shell::WriteSetting(QStringLiteral("Options"), QStringLiteral("Sort"), QString::number(sort));
    };
    if (sort != store::State().sort) {
        const int previous = store::State().sort;
        store::State().sort = sort;
        try {
            store::ResortCellar(recordSort);
        } catch (const store::CommittedWithError&) {
            settings.sort = sort; // done: the program goes on with the new order
            throw;
        } catch (...) {
            store::State().sort = previous;
            throw;
        }
        settings.sort = sort;
    } else {
        recordSort();
    }
    shell::SwitchLanguage(langue_->checkedId() == 1 ? store::DataLanguage::English
                                                    : store::DataLanguage::French);
    const bool welcome = Select_debut->isChecked();
    shell::WriteSetting(QStringLiteral("Options"), QStringLiteral("Welcome"), YesNo(welcome));
    settings.welcome = welcome;
    const bool preview = preview_->checkedId() == 1;
    shell::WriteSetting(QStringLiteral("Options"), QStringLiteral("Preview"), YesNo(preview));
    settings.preview = preview;
    ui::State().preview = preview;
    accept();
}
