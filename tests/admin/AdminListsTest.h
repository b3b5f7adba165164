// Fixture of the maturity, domaine and list windows: the French lists loaded, helpers that
// work the controls as a person does.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "store/Files.h"
#include "store/State.h"
#include "store/Text.h"
#include "store/Vocabulary.h"
#include "ui/support/UiTest.h"

namespace testsupport {

class AdminListsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        store::files_testing::Reset();
        store::LoadVocabulary(store::DataLanguage::French);
    }
    void TearDown() override {
        store::files_testing::Reset();
        UiTest::TearDown();
    }

    // The user picks an entry of a list, as with the mouse.
    static void Choose(QComboBox* box, const QString& text) {
        const int at = box->findText(text);
        ASSERT_GE(at, 0) << text.toStdString();
        box->setCurrentIndex(at);
        emit box->activated(at);
    }

    static void Click(QWidget* window, const char* button) {
        auto* b = window->findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    std::vector<int> Warnings() const {
        std::vector<int> numbers;
        for (const auto& box : recorder->boxesOf(ui::testing::BoxKind::Warning))
            numbers.push_back(box.number);
        return numbers;
    }

    static QStringList Rows(const QTreeWidget* list) {
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            QStringList cells;
            for (int c = 0; c < item->columnCount(); ++c)
                cells << item->text(c);
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    static std::string Padded(const char* utf8, int width) {
        return store::PadText(store::Cp1252(utf8), width);
    }
};

} // namespace testsupport
