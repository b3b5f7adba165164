#include "backup/DriveForm.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "backup/BackupSet.h"
#include "store/Files.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/Screen.h"
#include "ui/Volumes.h"
#include "ui/Widgets.h"

namespace backup {

namespace {
// The form's own texts: both windows show them as the backup window has them.
struct FormTexts {
    Q_DECLARE_TR_FUNCTIONS(TSaveForm)
};

// The item data that marks the entry which opens the folder dialog.
constexpr int kOtherFolderRole = Qt::UserRole + 1;
} // namespace

DriveForm::DriveForm(QWidget* parent, const char* className, int helpTopic, Texts texts,
                     QString settingsPath)
    : QDialog(parent), className_(className), texts_(texts),
      settingsPath_(QFile::encodeName(settingsPath).toStdString()) {
    setObjectName(QLatin1String(className));

    Lecteur = new QComboBox(this);
    Lecteur->setObjectName(QStringLiteral("Lecteur"));
    // Room for the mount point of a key under /media/<user>/.
    Lecteur->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Lecteur->setMinimumContentsLength(36);
    for (const ui::Volume& volume : ui::RemovableVolumes())
        Lecteur->addItem(QStringLiteral("%1  (%2)").arg(volume.name, volume.mountPoint),
                         volume.mountPoint);
    Lecteur->addItem(QString());
    Lecteur->setItemData(Lecteur->count() - 1, true, kOtherFolderRole);
    // Choosing the folder entry at opening would pop a dialog up before the window shows.
    previousIndex_ = Lecteur->count() > 1 ? 0 : -1;
    Lecteur->setCurrentIndex(previousIndex_);
    lecteurLabel_ = new QLabel(this);
    lecteurLabel_->setBuddy(Lecteur);

    Last_save = new QLineEdit(this);
    Last_save->setObjectName(QStringLiteral("Last_save"));
    ui::MakeShownOnly(Last_save);
    lastSaveLabel_ = new QLabel(this);
    lastSaveLabel_->setBuddy(Last_save);

    Avance = new QProgressBar(this);
    Avance->setObjectName(QStringLiteral("Avance"));
    Avance->setRange(0, 100);
    Avance->setValue(0);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    BitBtn1 = ui::PictureButton(this, "BitBtn1", ui::Picture::Ok);
    BitBtn1->setDefault(true);
    BitBtn2 = ui::PictureButton(this, "BitBtn2", ui::Picture::Cancel);
    BitBtn3 = ui::PictureButton(this, "BitBtn3", ui::Picture::Help);

    auto* fields = new QGridLayout;
    fields->addWidget(lecteurLabel_, 0, 0);
    fields->addWidget(Lecteur, 0, 1);
    fields->addWidget(lastSaveLabel_, 1, 0);
    fields->addWidget(Last_save, 1, 1);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(fields);
    main->addWidget(Avance);
    main->addWidget(Label1);
    main->addLayout(buttons);

    connect(Lecteur, &QComboBox::activated, this, &DriveForm::LecteurActivated);
    connect(BitBtn1, &QPushButton::clicked, this, &DriveForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [helpTopic] { ui::ShowHelpTopic(helpTopic); });
    ui::InstallHelpKey(this, helpTopic);

    lastSave_ = LastSave(settingsPath_);
    retranslateUi();
    ui::FitWindowToScreen(this);
}

QString DriveForm::translated(const char* text) const {
    return QCoreApplication::translate(className_, text);
}

void DriveForm::retranslateUi() {
    setWindowTitle(translated(texts_.caption));
    lecteurLabel_->setText(FormTexts::tr("Lecteur :"));
    lastSaveLabel_->setText(FormTexts::tr("Dernière sauvegarde :"));
    Label1->setText(FormTexts::tr("Inserez une disquette dans le lecteur et pressez OK"));
    Lecteur->setItemText(otherFolderIndex(), FormTexts::tr("Autre dossier..."));
    BitBtn1->setText(FormTexts::tr("OK"));
    BitBtn2->setText(FormTexts::tr("Annuler"));
    BitBtn3->setText(FormTexts::tr("&Aide"));
    ui::SetHint(Lecteur, FormTexts::tr("Lecteur de sauvegarde"));
    ui::SetHint(Last_save, FormTexts::tr("Date de la dernière sauvegarde"));
    ui::SetHint(Avance, translated(texts_.gaugeHint));
    ui::SetHint(BitBtn1, translated(texts_.okHint));
    ui::SetHint(BitBtn2, translated(texts_.cancelHint));
    ui::SetHint(BitBtn3, FormTexts::tr("Accès à l'aide"));
    showLastSave();
}

void DriveForm::showLastSave() {
    Last_save->setText(lastSave_ == kNoStamp ? FormTexts::tr("Aucune")
                                             : QString::fromStdString(lastSave_));
}

void DriveForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateUi();
    QDialog::changeEvent(event);
}

int DriveForm::otherFolderIndex() const {
    return Lecteur->count() - 1;
}

void DriveForm::LecteurActivated(int index) {
    if (index != otherFolderIndex()) {
        previousIndex_ = index;
        return;
    }
    const QString folder =
        ui::AskFolderName(FormTexts::tr("Dossier de sauvegarde"), QDir::homePath());
    if (folder.isEmpty()) {
        Lecteur->setCurrentIndex(previousIndex_);
        return;
    }
    int found = Lecteur->findData(folder);
    if (found < 0) {
        Lecteur->insertItem(otherFolderIndex(), folder, folder);
        found = otherFolderIndex() - 1;
    }
    previousIndex_ = found;
    Lecteur->setCurrentIndex(found);
}

std::string DriveForm::chosenFolder() const {
    const int index = Lecteur->currentIndex();
    if (index < 0 || index == otherFolderIndex()) return {};
    return QFile::encodeName(Lecteur->itemData(index).toString()).toStdString();
}

void DriveForm::setProgress(int step) {
    Avance->setValue(step * 10);
    Avance->repaint();
}

void DriveForm::BitBtn1Click() {
    const std::string folder = chosenFolder();
    if (folder.empty()) {
        ui::ShowMessageNumber(FormTexts::tr("Choisissez un lecteur ou un dossier"), 0);
        return;
    }
    if (IsDataDirectory(folder)) {
        ui::ShowMessageNumber(translated(texts_.dataDirectoryRefused), 0);
        return;
    }
    try {
        run(folder);
    } catch (const store::IoError& error) {
        ui::ShowIoError(error);
        reject();
    }
}

} // namespace backup
