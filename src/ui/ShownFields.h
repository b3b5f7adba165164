// What a window showed of a stored record, so that a field the user left alone keeps its
// stored bytes: a control's text can differ from the bytes behind it (a mask re-lays an odd
// price, a date written with "-" shows with "/"), and saving it would rewrite them.
#pragma once

#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace ui {

// A line edit's displayed text; a combo box's current text, empty when a list has no choice.
QString ShownText(const QWidget* control);

template <class Record> class ShownFields {
public:
    void add(const QWidget* control, std::string Record::*field) {
        fields_.push_back({control, field, {}});
    }

    // Once the record is on the screen.
    void remember() {
        for (auto& f : fields_)
            f.shown = ShownText(f.control);
    }

    // True for a control that shows something else than what was loaded, or that shows no
    // stored field.
    bool touched(const QWidget* control) const {
        for (const auto& f : fields_)
            if (f.control == control) return ShownText(control) != f.shown;
        return true;
    }

    // Every field whose control still shows what was loaded takes its stored value back.
    void keepUntouched(Record& edited, const Record& stored) const {
        for (const auto& f : fields_)
            if (!touched(f.control)) edited.*f.field = stored.*f.field;
    }

private:
    struct Field {
        const QWidget* control;
        std::string Record::*field;
        QString shown;
    };
    std::vector<Field> fields_;
};

} // namespace ui
