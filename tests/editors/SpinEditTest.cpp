// The spin field as its arrows and the focus drive it.
#include "EditorGuiSupport.h"

#include "editors/ui/SpinEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace kiv::test {
namespace {

// The text after one click of an arrow on a field holding `typed`.
QString AfterClick(CSpinEdit& spin, const QString& typed, bool up) {
    spin.SetText(typed);
    if (up)
        spin.stepUp();
    else
        spin.stepDown();
    return spin.text();
}

TEST(SpinEditTest, AStepOfTwentyMovesToTheNextMultipleInTheClicksDirection) {
    CSpinEdit flash(0, 980, 3);
    flash.SetStep(20);
    struct Case {
        const char* typed;
        const char* up;
        const char* down;
    };
    for (const Case& c :
         {Case{"130", "140", "120"}, Case{"120", "140", "100"}, Case{"45", "60", "40"},
          Case{"0", "20", "0"}, Case{"980", "980", "960"}, Case{"975", "980", "960"}}) {
        EXPECT_EQ(AfterClick(flash, c.typed, true), c.up) << c.typed;
        EXPECT_EQ(AfterClick(flash, c.typed, false), c.down) << c.typed;
    }
    // Page keys take ten steps at once.
    flash.SetText("130");
    flash.stepBy(10);
    EXPECT_EQ(flash.text(), "320");
    flash.stepBy(-10);
    EXPECT_EQ(flash.text(), "120");
}

TEST(SpinEditTest, TheFieldsRangeBoundsEveryStep) {
    CSpinEdit tone(100, 3000, 4);
    tone.SetStep(20);
    EXPECT_EQ(AfterClick(tone, "", true), "100") << "an empty field reads as 0";
    EXPECT_EQ(AfterClick(tone, "abc", false), "100");
    EXPECT_EQ(AfterClick(tone, "3000", true), "3000");
    EXPECT_EQ(AfterClick(tone, "9999", false), "3000") << "a typed value above the range";
    CSpinEdit wide(0, 9980, 10);
    wide.SetStep(20);
    EXPECT_EQ(AfterClick(wide, "2147483647", true), "9980") << "no overflow";
    EXPECT_EQ(AfterClick(wide, "-2147483647", false), "0");

    CSpinEdit digit(0, 9, 1);
    EXPECT_EQ(AfterClick(digit, "4", true), "5");
    EXPECT_EQ(AfterClick(digit, "4", false), "3");
    EXPECT_EQ(AfterClick(digit, "9", true), "9");
    EXPECT_EQ(AfterClick(digit, "0", false), "0");
}

TEST(SpinEditTest, ASpinBuiltOnAFieldsRuleOffersOnlyWhatItsCheckAccepts) {
    // Whatever was typed, one click of either arrow leaves a value the
    // field's own check accepts.
    for (const editors::NumberRule& rule :
         {editors::NumberRule{0, 980, 20}, editors::NumberRule{100, 3000, 20},
          editors::NumberRule{1, 9}, editors::NumberRule{0, 99}}) {
        CSpinEdit spin(rule, 4);
        EXPECT_EQ(spin.Minimum(), rule.lo);
        EXPECT_EQ(spin.Maximum(), rule.hi);
        EXPECT_EQ(spin.Step(), rule.step);
        for (int typed = -45; typed <= rule.hi + 45; typed += 5) {
            const QString text = QString::number(typed);
            for (bool up : {true, false}) {
                const QString after = AfterClick(spin, text, up);
                EXPECT_TRUE(rule.Accepts(after.toStdString()))
                    << rule.lo << "-" << rule.hi << " step " << rule.step << ": " << typed
                    << (up ? " up gives " : " down gives ") << after.toStdString();
            }
        }
    }
}

TEST(SpinEditTest, TellsItsPageWhenItGainsAndLosesTheFocus) {
    QWidget page;
    auto* spin = new CSpinEdit(0, 99, 2, &page);
    auto* other = new QLineEdit(&page);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(spin);
    layout->addWidget(other);
    QSignalSpy gained(spin, &CSpinEdit::FocusGained);
    QSignalSpy lost(spin, &CSpinEdit::FocusLost);
    ShowActive(page);
    other->setFocus();
    gained.clear();
    lost.clear();
    spin->setFocus();
    EXPECT_EQ(gained.count(), 1);
    EXPECT_EQ(lost.count(), 0);
    other->setFocus();
    EXPECT_EQ(gained.count(), 1);
    EXPECT_EQ(lost.count(), 1);
}

} // namespace
} // namespace kiv::test
