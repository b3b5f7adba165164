#include "shell/Umenu.h"

#include "admin/Uadmin.h"
#include "admin/Uautre.h"
#include "admin/Udomaine.h"
#include "admin/Umaturite.h"
#include "admin/Umiseajour.h"
#include "advice/UChoixp.h"
#include "advice/Uchoixv.h"
#include "backup/Urestore.h"
#include "backup/Usave.h"
#include "cellar/Ulivre.h"
#include "exchange/Exchange.h"
#include "cellar/Uboire.h"
#include "history/Uconso.h"
#include "history/Uconsochart.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

#include "shell/LanguageSwitch.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "shell/Uoptions.h"
#include "shell/Upropos.h"
#include "store/State.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"

namespace {

constexpr int kHelpTopic = 100;
constexpr int kTitlePixels = 96;    // on a screen 640 pixels wide
constexpr int kToolIconPixels = 24; // likewise
constexpr int kSpacerPixels = 8;
constexpr int kPanelWidths[4] = {400, 120, 80, 50};

int Scaled(int pixels) {
    return static_cast<int>(std::lround(pixels * ui::ScreenRatio()));
}

} // namespace

TMenu::TMenu(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TMenu"));
    setWindowIcon(ui::PictureIcon(ui::Picture::Emblem));

    // Menus, in the order of the menu bar; commands whose windows are not built yet stay disabled.
    const auto newMenu = [this](const char* name, const char* caption) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
        menus_.push_back({menu, caption});
        return menu;
    };

    QMenu* book = newMenu("Livredecave1", QT_TRANSLATE_NOOP("TMenu", "&Livre de Cave"));
    QAction* open = addItem(book, "Ouvrir1", QT_TRANSLATE_NOOP("TMenu", "&Ouvrir"),
                            QT_TRANSLATE_NOOP("TMenu", "Ouvre le livre de cave"));
    book->addSeparator();
    QAction* import =
        addItem(book, "Import1", QT_TRANSLATE_NOOP("TMenu", "&Import"),
                QT_TRANSLATE_NOOP("TMenu", "Importe le contenu d'un fichier texte dans la cave"));
    QAction* exportCellar =
        addItem(book, "Export1", QT_TRANSLATE_NOOP("TMenu", "&Export"),
                QT_TRANSLATE_NOOP("TMenu", "Exporte le contenu de la cave vers un fichier texte"));
    book->addSeparator();
    QAction* options = addItem(book, "Options1", QT_TRANSLATE_NOOP("TMenu", "O&ptions"),
                               QT_TRANSLATE_NOOP("TMenu", "Options de Tonnelix"));
    book->addSeparator();
    QAction* quit = addItem(book, "Quitter1", QT_TRANSLATE_NOOP("TMenu", "&Quitter"),
                            QT_TRANSLATE_NOOP("TMenu", "Quitte Tonnelix"));

    QMenu* advice = newMenu("Conseil1", QT_TRANSLATE_NOOP("TMenu", "C&onseil"));
    QAction* chooseWine =
        addItem(advice, "Choisirunvin1", QT_TRANSLATE_NOOP("TMenu", "C&hoisir un vin"),
                QT_TRANSLATE_NOOP("TMenu", "Aide dans le choix d'un vin"));
    QAction* dishes =
        addItem(advice, "AllianceMetsVins1", QT_TRANSLATE_NOOP("TMenu", "Alliance &Mets/Vins"),
                QT_TRANSLATE_NOOP("TMenu", "Mariages entre Mets et Vins"));
    QAction* whenToDrink =
        addItem(advice, "Quandboire1", QT_TRANSLATE_NOOP("TMenu", "&Quand boire ?"),
                QT_TRANSLATE_NOOP("TMenu", "Les bouteilles de la cave par année d'apogée"));

    QMenu* search = newMenu("Recherche1", QT_TRANSLATE_NOOP("TMenu", "&Recherche"));
    QAction* drunk =
        addItem(search, "Vinsconsommes1", QT_TRANSLATE_NOOP("TMenu", "&Vins consommés"),
                QT_TRANSLATE_NOOP("TMenu", "Consulte les vins consommés"));
    QAction* consumption =
        addItem(search, "Consommation1", QT_TRANSLATE_NOOP("TMenu", "&Consommation"),
                QT_TRANSLATE_NOOP("TMenu", "Bouteilles bues et valeur bue, par couleur"));

    QMenu* admin = newMenu("Administration1", QT_TRANSLATE_NOOP("TMenu", "A&dministration"));
    QAction* base = addItem(admin, "Basesdesvins1", QT_TRANSLATE_NOOP("TMenu", "&Bases des vins"),
                            QT_TRANSLATE_NOOP("TMenu", "Gestion de la base des appellations"));
    QAction* maturity =
        addItem(admin, "Maturitedesvins1", QT_TRANSLATE_NOOP("TMenu", "&Maturité des vins"),
                QT_TRANSLATE_NOOP("TMenu", "Gestion de la maturité des vins"));
    QAction* domaines =
        addItem(admin, "Domaines1", QT_TRANSLATE_NOOP("TMenu", "Domaines"), nullptr);
    QAction* otherLists =
        addItem(admin, "Autresbases1", QT_TRANSLATE_NOOP("TMenu", "A&utres bases"),
                QT_TRANSLATE_NOOP("TMenu", "Gestions des autres bases de données"));
    admin->addSeparator();
    QAction* save = addItem(admin, "Sauvegarde1", QT_TRANSLATE_NOOP("TMenu", "&Sauvegarde"),
                            QT_TRANSLATE_NOOP("TMenu", "Sauvegarde les bases de données"));
    QAction* restore =
        addItem(admin, "Restauration1", QT_TRANSLATE_NOOP("TMenu", "&Restauration"),
                QT_TRANSLATE_NOOP("TMenu", "Restauration des bases à partir d'une sauvegarde"));
    QAction* update = addItem(admin, "Misejour1", QT_TRANSLATE_NOOP("TMenu", "M&ise à jour"),
                              QT_TRANSLATE_NOOP("TMenu", "Mise à jour des bases d'appellations"));

    QMenu* language = newMenu("Langue1", QT_TRANSLATE_NOOP("TMenu", "Lan&gue"));
    QAction* french =
        addItem(language, "LanguageFrench", QT_TRANSLATE_NOOP("TMenu", "&Français"),
                QT_TRANSLATE_NOOP("TMenu", "Tous les menus et écrans seront en Français"));
    QAction* english =
        addItem(language, "LanguageEnglish", QT_TRANSLATE_NOOP("TMenu", "&Anglais"),
                QT_TRANSLATE_NOOP("TMenu", "Tous les menus et écrans seront en Anglais"));
    auto* languages = new QActionGroup(this);
    for (QAction* item : {french, english}) {
        item->setCheckable(true);
        languages->addAction(item);
    }
    french->setData(1036);
    english->setData(1033);
    const auto showLanguage = [french, english] {
        const bool inEnglish = store::State().language == store::DataLanguage::English;
        english->setChecked(inEnglish);
        french->setChecked(!inEnglish);
    };
    showLanguage();
    options->setEnabled(true);
    connect(options, &QAction::triggered, this, [this, showLanguage] {
        TOptions optionsWindow(this);
        ui::ExecModal(optionsWindow);
        showLanguage();
    });
    for (QAction* item : {french, english}) {
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, [item, english, showLanguage] {
            // The check mark follows the language in use, a failed switch included.
            struct Shown {
                decltype(showLanguage) show;
                ~Shown() { show(); }
            } shown{showLanguage};
            shell::SwitchLanguage(item == english ? store::DataLanguage::English
                                                  : store::DataLanguage::French);
        });
    }

    QMenu* help = newMenu("Aide1", QT_TRANSLATE_NOOP("TMenu", "Aid&e"));
    QAction* contents =
        addItem(help, "Indexdelaide1", QT_TRANSLATE_NOOP("TMenu", "&Index de l'aide"),
                QT_TRANSLATE_NOOP("TMenu", "Accès à l'aide de Tonnelix"));
    QAction* helpSearch = addItem(help, "Recherchedanslaide1",
                                  QT_TRANSLATE_NOOP("TMenu", "&Recherche dans l'aide"), nullptr);
    QAction* about = addItem(help, "Apropos1", QT_TRANSLATE_NOOP("TMenu", "à &propos de..."),
                             QT_TRANSLATE_NOOP("TMenu", "A propos de Tonnelix..."));

    for (QAction* item : {open, chooseWine, dishes, whenToDrink, drunk, consumption, base, quit, contents, helpSearch, about, save,
                          restore, import, exportCellar, update})
        item->setEnabled(true);
    connect(open, &QAction::triggered, this, [this] {
        TLivre livre(this);
        ui::ExecModal(livre);
    });
    connect(import, &QAction::triggered, this, [] { exchange::Import1Click(); });
    connect(exportCellar, &QAction::triggered, this, [] { exchange::Export1Click(); });
    connect(chooseWine, &QAction::triggered, this, [this] {
        TChoixvin choixvin(this);
        ui::ExecModal(choixvin);
    });
    connect(dishes, &QAction::triggered, this, [this] {
        TChoixplat choixplat(this);
        ui::ExecModal(choixplat);
    });
    connect(whenToDrink, &QAction::triggered, this, [this] {
        TQuandBoire window(this);
        ui::ExecModal(window);
    });
    connect(consumption, &QAction::triggered, this, [this] {
        TConsommation window(this, {}, {});
        ui::ExecModal(window);
    });
    connect(drunk, &QAction::triggered, this, [this] {
        TConsovin consovin(this);
        ui::ExecModal(consovin);
    });
    connect(base, &QAction::triggered, this, [this] {
        Tadminbase admin(this);
        ui::ExecModal(admin);
    });
    connect(save, &QAction::triggered, this, [this] {
        TSaveForm form(this, shell::SettingsFilePath());
        ui::ExecModal(form);
    });
    connect(restore, &QAction::triggered, this, [this] {
        TRestoreForm form(this, shell::SettingsFilePath());
        ui::ExecModal(form);
    });
    for (QAction* item : {maturity, domaines, otherLists})
        item->setEnabled(true);
    connect(maturity, &QAction::triggered, this, [this] {
        TMaturite window(this);
        ui::ExecModal(window);
    });
    connect(domaines, &QAction::triggered, this, [this] {
        Tdomaine_form window(this);
        ui::ExecModal(window);
    });
    connect(otherLists, &QAction::triggered, this, [this] {
        TAutre_base window(this);
        ui::ExecModal(window);
    });
    connect(update, &QAction::triggered, this, [] { admin::Misejour1Click(); });
    connect(quit, &QAction::triggered, this, &QWidget::close);
    connect(contents, &QAction::triggered, this, [] { ui::ShowHelpContents(); });
    connect(helpSearch, &QAction::triggered, this, [] { ui::ShowHelpSearch(); });
    connect(about, &QAction::triggered, this, &TMenu::Apropos1Click);

    // Tool bar: large buttons, icon above caption, spacers between them.
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar_->setIconSize(QSize(Scaled(kToolIconPixels), Scaled(kToolIconPixels)));
    addToolButton("ButtonOuvre", QT_TRANSLATE_NOOP("TMenu", "&Cave"),
                  QT_TRANSLATE_NOOP("TMenu", "Ouvre le livre de cave"),
                  static_cast<int>(ui::Picture::Bottle), open);
    addToolButton("ButtonVins", QT_TRANSLATE_NOOP("TMenu", "V&ins"),
                  QT_TRANSLATE_NOOP("TMenu", "Aide dans le choix d'un vin"),
                  static_cast<int>(ui::Picture::Glass), chooseWine);
    addToolButton("ButtonPlats", QT_TRANSLATE_NOOP("TMenu", "Plat&s"),
                  QT_TRANSLATE_NOOP("TMenu", "Mariages entre Mets et Vins"),
                  static_cast<int>(ui::Picture::Dishes), dishes);
    addToolButton("ButtonCherche", QT_TRANSLATE_NOOP("TMenu", "C&herche"),
                  QT_TRANSLATE_NOOP("TMenu", "Consulte les vins consommés"),
                  static_cast<int>(ui::Picture::Search), drunk);
    addToolButton("ButtonAdmin", QT_TRANSLATE_NOOP("TMenu", "Admi&n."),
                  QT_TRANSLATE_NOOP("TMenu", "Gestion de la base des appellations"),
                  static_cast<int>(ui::Picture::Admin), base);
    addToolButton("ButtonQuitte", QT_TRANSLATE_NOOP("TMenu", "&Quitter"),
                  QT_TRANSLATE_NOOP("TMenu", "Quitte Tonnelix"),
                  static_cast<int>(ui::Picture::Quit), quit);
    addToolButton("ButtonAide", QT_TRANSLATE_NOOP("TMenu", "&Aide"),
                  QT_TRANSLATE_NOOP("TMenu", "Accès à l'aide de Tonnelix"),
                  static_cast<int>(ui::Picture::Help), contents);

    // The big title fills the client area.
    title_ = new QLabel(QStringLiteral("Tonnelix"), this);
    title_->setObjectName(QStringLiteral("Label1"));
    title_->setAlignment(Qt::AlignCenter);
    title_->setMargin(Scaled(8)); // room for the slant of the italic
    title_->setAutoFillBackground(true);
    QPalette palette = title_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    title_->setPalette(palette);
    QFont titleFont(QStringLiteral("DejaVu Serif"));
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    titleFont.setPixelSize(Scaled(kTitlePixels));
    title_->setFont(titleFont);
    setCentralWidget(title_);

    // Status bar: hint, date, time, and an empty panel.
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(status);
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[i]->setFixedWidth(Scaled(kPanelWidths[i]));
        if (i == 1 || i == 2) panels_[i]->setAlignment(Qt::AlignCenter);
        status->addWidget(panels_[i]);
    }
    status->addWidget(new QWidget(status), 1);
    setStatusBar(status);

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, [this] { showClock(QDateTime::currentDateTime()); });
    clock_->start();

    ui::InstallHelpKey(this, kHelpTopic);
    setWindowTitle(QStringLiteral("Tonnelix"));
    retranslateUi();
}

QAction* TMenu::addItem(QMenu* menu, const char* name, const char* caption, const char* hint) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    action->setEnabled(false);
    captions_.push_back({action, caption, hint});
    return action;
}

void TMenu::addToolButton(const char* name, const char* caption, const char* hint, int picture,
                          QAction* twin) {
    if (!toolBar_->actions().isEmpty()) {
        auto* spacer = new QWidget(toolBar_);
        spacer->setFixedWidth(Scaled(kSpacerPixels));
        toolBar_->addWidget(spacer);
    }
    QAction* action =
        toolBar_->addAction(ui::PictureIcon(static_cast<ui::Picture>(picture)), QString());
    action->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
    action->setEnabled(twin->isEnabled());
    connect(action, &QAction::triggered, twin, &QAction::trigger);
    toolBar_->widgetForAction(action)->setObjectName(QLatin1String(name));
    captions_.push_back({action, caption, hint});
}

void TMenu::showClock(const QDateTime& now) {
    const QDate date = now.date();
    const QTime time = now.time();
    panels_[1]->setText(
        QString::asprintf("%2.2d/%2.2d/%4.4d", date.day(), date.month(), date.year()));
    panels_[2]->setText(QString::asprintf("%2.2d:%2.2d", time.hour(), time.minute()));
}

bool TMenu::event(QEvent* event) {
    // The hint of the item under the mouse goes to panel 1 rather than over the panels.
    if (event->type() == QEvent::StatusTip) {
        panels_[0]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
    QMainWindow::changeEvent(event);
}

// Showing the window is its first activation, even where no window manager gives it the focus.
void TMenu::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormActivate();
}

void TMenu::retranslateUi() {
    for (const MenuCaption& menu : menus_)
        menu.menu->setTitle(tr(menu.caption));
    for (const Caption& item : captions_) {
        const QString caption = tr(item.caption);
        const QString hint = item.hint ? tr(item.hint) : QString();
        item.action->setText(caption);
        item.action->setIconText(caption); // keeps the mnemonic on the tool buttons
        item.action->setStatusTip(hint);
        item.action->setToolTip(hint.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : hint);
    }
}

// At the first activation after start-up the about box greets the user when Welcome is Yes.
// It is opened once the activation has been handled, not inside it.
void TMenu::FormActivate() {
    if (!shell::State().startup || !shell::CurrentSettings().welcome || aboutPending_) return;
    aboutPending_ = true;
    QTimer::singleShot(0, this, [this] {
        aboutPending_ = false;
        if (shell::State().startup && shell::CurrentSettings().welcome) Apropos1Click();
    });
}

void TMenu::Apropos1Click() {
    TProposBox box(this);
    ui::ExecModal(box);
}
