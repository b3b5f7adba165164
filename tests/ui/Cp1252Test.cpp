// The crossing between code page 1252 bytes and Qt's text, and the refusal of characters the
// code page cannot hold.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/Cp1252.h"
#include "ui/support/UiTest.h"

using ui::testing::BoxKind;

namespace {

// Types each character as a key carrying its text, as a keyboard of any layout would.
void Type(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &press);
    }
}

class Cp1252Test : public testsupport::UiTest {};

TEST_F(Cp1252Test, TextCrossesBothWaysUnchanged) {
    const struct {
        const char* utf8;
        std::string bytes;
    } cases[] = {
        {"Rosé", "Ros\xe9"},
        {"Côte-Rôtie", "C\xf4te-R\xf4tie"},
        {"Bœuf 12 €", "B\x9c"
                      "uf 12 \x80"},
        {"Très Bon", "Tr\xe8s Bon"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::ToQString(c.bytes), QString::fromUtf8(c.utf8));
        std::string out;
        ASSERT_TRUE(ui::ToCp1252(QString::fromUtf8(c.utf8), out)) << c.utf8;
        EXPECT_EQ(out, c.bytes);
    }
    // Every byte reads as a character and writes back as the same byte.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(ui::ToCp1252(ui::ToQString(all), back));
    EXPECT_EQ(back, all);
}

TEST_F(Cp1252Test, CharactersOutsideTheCodePageAreRefusedNeverReplaced) {
    std::string out = "unchanged";
    EXPECT_FALSE(ui::ToCp1252(QString::fromUtf8("Łódź"), out));
    EXPECT_EQ(out, "unchanged");
    EXPECT_EQ(ui::FirstRefusedCharacter(QString::fromUtf8("Łódź")), QString::fromUtf8("Ł"));
    EXPECT_EQ(ui::FirstRefusedCharacter(QString::fromUtf8("vin 🍷 rouge")), QString::fromUtf8("🍷"));
    EXPECT_EQ(ui::FirstRefusedCharacter(QString::fromUtf8("Château d'Yquem")), QString());

    EXPECT_FALSE(ui::CheckCp1252(QString::fromUtf8("Saint-Émilion → Pomerol")));
    EXPECT_TRUE(ui::CheckCp1252(QString::fromUtf8("Saint-Émilion")));
    const auto warnings = recorder->boxesOf(BoxKind::Warning);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].number, 0);
    EXPECT_TRUE(warnings[0].text.contains(QString::fromUtf8("→")));
}

TEST_F(Cp1252Test, FieldRefusesTheCharacterAsItIsTypedAndSaysWhy) {
    QLineEdit field;
    ui::RefuseOutsideCp1252(&field);
    Type(&field, QString::fromUtf8("Rosé"));
    Type(&field, QString::fromUtf8("ł"));
    Type(&field, QStringLiteral("!"));
    EXPECT_EQ(field.text(), QString::fromUtf8("Rosé!"));
    const auto refusals = recorder->boxesOf(BoxKind::Refusal);
    ASSERT_FALSE(refusals.empty());
    EXPECT_EQ(refusals[0].text,
              QString::fromUtf8("Le caractère « ł » ne peut pas être enregistré par Tonnelix."));
}

} // namespace
