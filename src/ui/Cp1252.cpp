#include "ui/Cp1252.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QToolTip>

#include "ui/Dialogs.h"

namespace ui {

QString ShownField(std::string_view cp1252) {
    while (!cp1252.empty() && cp1252.back() == ' ') cp1252.remove_suffix(1);
    return ToQString(cp1252);
}

std::string StoredBytes(const QString& text) {
    std::string out;
    ToCp1252(text, out);
    return out;
}


namespace {
constexpr char kCodePage[] = "windows-1252";
}

QString ToQString(std::string_view cp1252) {
    QStringDecoder decoder(kCodePage);
    return decoder.decode(QByteArrayView(cp1252.data(), static_cast<qsizetype>(cp1252.size())));
}

bool ToCp1252(const QString& text, std::string& out) {
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return false;
    out.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

QString FirstRefusedCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        QStringEncoder encoder(kCodePage);
        const QByteArray bytes = encoder.encode(character); // encoding is lazy until converted
        if (encoder.hasError()) return character;
        i += length - 1;
    }
    return {};
}

QString RefusedCharacterMessage(const QString& character) {
    return QCoreApplication::translate(
               "Cp1252", "Le caractère « %1 » ne peut pas être enregistré par Tonnelix.")
        .arg(character);
}

bool CheckCp1252(const QString& text) {
    const QString refused = FirstRefusedCharacter(text);
    if (refused.isEmpty()) return true;
    ShowMessageNumber(RefusedCharacterMessage(refused), 0);
    return false;
}

Cp1252Validator::Cp1252Validator(QWidget* field) : QValidator(field), field_(field) {}

QValidator::State Cp1252Validator::validate(QString& input, int& /*pos*/) const {
    const QString refused = FirstRefusedCharacter(input);
    if (refused.isEmpty()) return Acceptable;
    const QString message = RefusedCharacterMessage(refused);
    if (auto* recorder = testing::ActiveRecorder()) {
        recorder->record({testing::BoxKind::Refusal, {}, message});
    } else if (field_) {
        QToolTip::showText(field_->mapToGlobal(QPoint(0, field_->height())), message, field_);
    }
    return Invalid;
}

void RefuseOutsideCp1252(QLineEdit* field) {
    field->setValidator(new Cp1252Validator(field));
}

} // namespace ui
