#include "shell/Upropos.h"

#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "shell/LanguageModule.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "shell/WineOfTheDay.h"
#include "store/State.h"
#include "ui/Cp1252.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Screen.h"

namespace shell {

MemoryStatus ReadMemoryStatus() {
    MemoryStatus status;
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly)) return status;
    qint64 available = -1;
    static const QRegularExpression line(QStringLiteral("^(\\w+):\\s+(\\d+)"));
    for (const QByteArray& raw : meminfo.readAll().split('\n')) {
        const auto match = line.match(QString::fromLatin1(raw));
        if (!match.hasMatch()) continue;
        if (match.captured(1) == QLatin1String("MemTotal"))
            status.totalKilobytes = match.captured(2).toLongLong();
        if (match.captured(1) == QLatin1String("MemAvailable"))
            available = match.captured(2).toLongLong();
    }
    if (status.totalKilobytes > 0 && available >= 0)
        status.loadPercent =
            static_cast<int>((status.totalKilobytes - available) * 100 / status.totalKilobytes);
    return status;
}

} // namespace shell

namespace {

constexpr int kHelpTopic = 22;
constexpr char kVersion[] = "3.01";

// The memo keeps room for six lines of sixty characters in whatever font it is given.
class WineMemo : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        const int frame = 2 * frameWidth() + 2 * static_cast<int>(document()->documentMargin());
        return {metrics.averageCharWidth() * 60 + frame, metrics.lineSpacing() * 6 + frame};
    }
};

} // namespace

TProposBox::TProposBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TProposBox"));

    // Title panel: the name between two pictures.
    auto* titlePanel = new QFrame(this);
    titlePanel->setObjectName(QStringLiteral("Panel1"));
    titlePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* leftPicture = new QLabel(titlePanel);
    leftPicture->setPixmap(ui::PictureIcon(ui::Picture::Glass).pixmap(48, 48));
    auto* rightPicture = new QLabel(titlePanel);
    rightPicture->setPixmap(ui::PictureIcon(ui::Picture::Bottle).pixmap(48, 48));
    auto* title = new QLabel(QStringLiteral("Tonnelix"), titlePanel);
    title->setObjectName(QStringLiteral("ProductName"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.4);
    title->setFont(titleFont);
    auto* titleRow = new QHBoxLayout(titlePanel);
    titleRow->addWidget(leftPicture);
    titleRow->addWidget(title, 1);
    titleRow->addWidget(rightPicture);

    versionNumber_ = new QLabel(this);
    versionNumber_->setObjectName(QStringLiteral("Version_number"));
    physMemLabel_ = new QLabel(this);
    physMem_ = new QLabel(this);
    physMem_->setObjectName(QStringLiteral("PhysMem"));
    freeResLabel_ = new QLabel(this);
    freeRes_ = new QLabel(this);
    freeRes_->setObjectName(QStringLiteral("FreeRes"));
    auto* figures = new QGridLayout;
    figures->addWidget(physMemLabel_, 0, 0);
    figures->addWidget(physMem_, 0, 1, Qt::AlignRight);
    figures->addWidget(freeResLabel_, 1, 0);
    figures->addWidget(freeRes_, 1, 1, Qt::AlignRight);

    wineLabel_ = new QLabel(this);
    vinJour_ = new WineMemo(this);
    vinJour_->setObjectName(QStringLiteral("Vin_jour"));
    vinJour_->setReadOnly(true);
    vinJour_->setTabChangesFocus(true);
    vinJour_->setFocusPolicy(Qt::ClickFocus);
    vinJour_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    wineLabel_->setBuddy(vinJour_);

    afficheDebut_ = new QCheckBox(this);
    afficheDebut_->setObjectName(QStringLiteral("Affiche_debut"));

    bitBtn1_ = new QPushButton(this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setDefault(true);
    bitBtn2_ = new QPushButton(this);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    bitBtn2_->setIcon(ui::PictureIcon(ui::Picture::Help));
    bitBtn2_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bitBtn2_);
    buttons->addWidget(bitBtn1_);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(titlePanel);
    layout->addWidget(versionNumber_);
    layout->addLayout(figures);
    layout->addSpacing(6);
    layout->addWidget(wineLabel_);
    layout->addWidget(vinJour_);
    layout->addWidget(afficheDebut_);
    layout->addLayout(buttons);

    connect(bitBtn1_, &QPushButton::clicked, this, &TProposBox::BitBtn1Click);
    connect(bitBtn2_, &QPushButton::clicked, this, [] { ui::ShowHelpGuide(); });
    ui::InstallHelpKey(this, kHelpTopic);

    // Creation: figures and texts, fitting to the screen, the end of the start-up, the wine
    // of the day, the start-up choice.
    memory_ = shell::ReadMemoryStatus();
    retranslateUi();
    ui::FitWindowToScreen(this);
    shell::State().startup = false;
    vinJour_->clear();
    const std::string wine = shell::WineOfTheDay();
    if (!wine.empty()) vinJour_->setPlainText(ui::ToQString(wine));
    afficheDebut_->setChecked(shell::CurrentSettings().welcome);
}

void TProposBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

void TProposBox::retranslateUi() {
    setWindowTitle(tr("A Propos de ..."));
    versionNumber_->setText(tr("Version : %1").arg(QLatin1String(kVersion)));
    physMemLabel_->setText(tr("Mémoire utilisable par le système :"));
    freeResLabel_->setText(tr("Mémoire Utilisée :"));
    // Figures follow the conventions of the interface language.
    const QLocale locale = shell::State().moduleLocale == shell::kLocaleEnglish
                               ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                               : QLocale(QLocale::French, QLocale::France);
    physMem_->setText(tr("%1 KB").arg(locale.toString(memory_.totalKilobytes)));
    freeRes_->setText(tr("%1 %").arg(memory_.loadPercent));
    wineLabel_->setText(tr("&Vin du jour :"));
    afficheDebut_->setText(tr("&Afficher cette fenêtre au démarrage"));
    bitBtn1_->setText(tr("&OK"));
    bitBtn2_->setText(tr("&Guide du vin"));
    bitBtn2_->setToolTip(tr("Petit guide du vin"));
}

void TProposBox::BitBtn1Click() {
    const bool welcome = afficheDebut_->isChecked();
    shell::WriteSetting(QStringLiteral("Options"), QStringLiteral("Welcome"),
                        welcome ? QStringLiteral("Yes") : QStringLiteral("No"));
    shell::CurrentSettings().welcome = welcome;
    accept();
}
