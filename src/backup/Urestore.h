// The restore window: copies a backup set back over the data files.
#pragma once

#include "backup/DriveForm.h"

class TRestoreForm : public backup::DriveForm {
    Q_OBJECT
public:
    TRestoreForm(QWidget* parent, const QString& settingsPath);

protected:
    void run(const std::string& folder) override;
};
