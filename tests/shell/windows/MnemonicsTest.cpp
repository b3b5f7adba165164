// Every window's mnemonics, in both languages: each label of a field the person can reach and
// each button has one, and no two controls of a window share a letter.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

#include <functional>
#include <map>
#include <memory>
#include <set>

#include "admin/Uadmin.h"
#include "advice/UChoixp.h"
#include "advice/Uchoixv.h"
#include "cellar/CellarState.h"
#include "cellar/Uboire.h"
#include "cellar/Ucaract.h"
#include "cellar/Ulivre.h"
#include "cellar/Unouveau.h"
#include "cellar/Usortie.h"
#include "cellar/Usticker.h"
#include "cellar/Uzoom.h"
#include "history/Uconso.h"
#include "history/Uconsochart.h"
#include "history/Uresto.h"
#include "history/Uzoomconso.h"
#include "shell/Umenu.h"
#include "shell/Upropos.h"
#include "shell/windows/ShellWindowTest.h"
#include "stats/Ustat.h"
#include "store/Vocabulary.h"
#include "ui/Keyboard.h"

namespace {

class MnemonicsTest : public testsupport::ShellWindowTest {};

bool Reachable(const QWidget* widget) {
    return widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

// What is wrong with the window's mnemonics, one line per fault.
QStringList Faults(QWidget& window, const std::set<QString>& keyedOtherwise) {
    QStringList faults;
    std::map<QChar, QStringList> owners;
    auto take = [&](const QString& caption, bool needed, const QString& who) {
        const QChar letter = ui::MnemonicLetter(caption);
        if (letter.isNull()) {
            if (needed && !keyedOtherwise.count(who))
                faults << QStringLiteral("no mnemonic: %1 \"%2\"").arg(who, caption);
            return;
        }
        owners[letter] << caption;
    };
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty() && !button->isHidden())
            take(button->text(), Reachable(button), button->objectName());
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() != nullptr)
            take(label->text(), Reachable(label->buddy()), label->buddy()->objectName());
    for (QGroupBox* group : window.findChildren<QGroupBox*>())
        take(group->title(), false, group->objectName());
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        for (QAction* menu : bar->actions())
            take(menu->text(), true, menu->objectName());
    for (const auto& [letter, captions] : owners)
        if (captions.size() > 1)
            faults << QStringLiteral("%1 shared by %2")
                          .arg(letter)
                          .arg(captions.join(QStringLiteral(", ")));
    return faults;
}

TEST_F(MnemonicsTest, EveryWindowHasItsOwnLetters) {
    store::LoadVocabulary(store::DataLanguage::French);
    cellar::ResetState();
    struct Window {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
        // Enter, Escape and F1 reach these; the window has no letter left for them.
        std::set<QString> keyedOtherwise;
    } windows[] = {
        {"TMenu", [] { return std::make_unique<TMenu>(); }, {}},
        {"TLivre", [] { return std::make_unique<TLivre>(); }, {}},
        {"TNewForm", [] { return std::make_unique<TNewForm>(); }, {"BitBtn3"}},
        {"TZoomForm",
         [] { return std::make_unique<TZoomForm>(); },
         {"BitBtn1", "BitBtn2", "BitBtn3"}},
        {"TExitForm", [] { return std::make_unique<TExitForm>(); }, {}},
        {"TVinForm", [] { return std::make_unique<TVinForm>(); }, {}},
        {"TStickerform", [] { return std::make_unique<TStickerform>(); }, {}},
        {"TConsovin", [] { return std::make_unique<TConsovin>(); }, {}},
        {"TZoomConsoForm", [] { return std::make_unique<TZoomConsoForm>(); }, {}},
        {"TRestoForm", [] { return std::make_unique<TRestoForm>(); }, {}},
        {"TProposBox", [] { return std::make_unique<TProposBox>(); }, {}},
        {"TChoixvin", [] { return std::make_unique<TChoixvin>(); }, {}},
        {"TChoixplat", [] { return std::make_unique<TChoixplat>(); }, {}},
        {"TStatForm", [] { return std::make_unique<TStatForm>(); }, {}},
        {"TQuandBoire", [] { return std::make_unique<TQuandBoire>(); }, {}},
        {"TConsommation", [] { return std::make_unique<TConsommation>(nullptr, "", ""); }, {}},
        {"Tadminbase", [] { return std::make_unique<Tadminbase>(); }, {"BitBtn3"}},
    };
    for (bool english : {false, true}) {
        if (english) loadEnglish();
        for (const auto& w : windows) {
            const std::unique_ptr<QWidget> window = w.make();
            // The English help button of the wine windows has a letter: only French lacks one.
            const std::set<QString> exempt = english && std::string(w.name) == "TNewForm"
                                                 ? std::set<QString>{}
                                                 : w.keyedOtherwise;
            EXPECT_EQ(Faults(*window, exempt).join(QStringLiteral("\n")).toStdString(), "")
                << w.name << (english ? " in English" : " in French");
        }
    }
}

} // namespace
