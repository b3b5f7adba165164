#include "ui/FileDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QPushButton>

#include "ui/Dialogs.h"
#include "ui/Help.h"

namespace ui {

namespace {

class SizesInProgramLanguage : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        constexpr int kSizeColumn = 1;
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files && index.column() == kSizeColumn && role == Qt::DisplayRole) {
            const QModelIndex file = mapToSource(index);
            if (!files->isDir(file)) return QLocale().formattedDataSize(files->size(file));
        }
        return QIdentityProxyModel::data(index, role);
    }
};

QString Ask(const FileRequest& request, QFileDialog::AcceptMode mode) {
    if (auto* recorder = testing::ActiveRecorder()) {
        const auto kind = mode == QFileDialog::AcceptSave ? testing::BoxKind::SaveFile
                                                          : testing::BoxKind::OpenFile;
        recorder->record(
            {kind, request.title, request.filter, request.helpTopic, request.proposed});
        return recorder->nextFileName();
    }
    // Qt's own dialog, so that it can carry the help button.
    QFileDialog dialog(DialogParent(), request.title, request.proposed, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    ShowSizesInProgramLanguage(dialog);
    if (request.helpTopic != 0) {
        InstallHelpKey(&dialog, request.helpTopic);
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
            QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
            const int topic = request.helpTopic;
            QObject::connect(help, &QPushButton::clicked, &dialog,
                             [topic] { ShowHelpTopic(topic); });
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void ShowSizesInProgramLanguage(QFileDialog& dialog) {
    dialog.setProxyModel(new SizesInProgramLanguage(&dialog));
}

QString AskOpenFile(const FileRequest& request) {
    return Ask(request, QFileDialog::AcceptOpen);
}

QString AskSaveFile(const FileRequest& request) {
    return Ask(request, QFileDialog::AcceptSave);
}

} // namespace ui
