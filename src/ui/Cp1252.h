// The one crossing between the data layer's code page 1252 bytes and Qt's text.
#pragma once

#include <QPointer>
#include <QString>
#include <QValidator>

#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace ui {

QString ToQString(std::string_view cp1252);

// A stored field as windows show it: blanks removed at the right.
QString ShownField(std::string_view cp1252);

// The code page 1252 bytes of a text whose characters were checked where it was typed
// (Cp1252Validator, CheckCp1252); empty if one still cannot be stored.
std::string StoredBytes(const QString& text);

// The code page 1252 bytes of the text; false, with `out` untouched, when one of its
// characters has no place in the code page.
bool ToCp1252(const QString& text, std::string& out);

// The first character the code page cannot hold (a whole character, surrogates included);
// empty when every character fits.
QString FirstRefusedCharacter(const QString& text);

// "The character « x » cannot be stored by Tonnelix." in the language in use.
QString RefusedCharacterMessage(const QString& character);

// For free-text fields read at OK: false, after a warning naming the character, when the
// text holds one the code page cannot hold.
bool CheckCp1252(const QString& text);

// Refuses, as they are typed or pasted, the characters the code page cannot hold, and says
// why in a tip beside the field.
class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit Cp1252Validator(QWidget* field);
    State validate(QString& input, int& pos) const override;

private:
    QPointer<QWidget> field_;
};

// Installs a Cp1252Validator on the field (for an editable combo box, on its line edit).
void RefuseOutsideCp1252(QLineEdit* field);

} // namespace ui
