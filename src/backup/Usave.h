// The backup window: copies the data set of the current language to a removable volume.
#pragma once

#include "backup/DriveForm.h"

class TSaveForm : public backup::DriveForm {
    Q_OBJECT
public:
    // `settingsPath`: the settings file that keeps the date of the last backup.
    TSaveForm(QWidget* parent, const QString& settingsPath);

protected:
    void run(const std::string& folder) override;
};
