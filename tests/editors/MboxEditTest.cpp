#include "editors/MboxEdit.h"

#include "editors/MboxList.h"
#include "editors/Texts.h"

#include <gtest/gtest.h>

namespace kiv::editors {
namespace {

// The failure as "field: message", or "ok".
std::string Outcome(const CMboxEdit& edit) {
    static const char* const kNames[] = {
        "Number",       "Type",  "Announcer",    "Password", "Language", "LocalNotify", "Allowed",
        "PhoneEnabled", "Phone", "PagerEnabled", "Pager",    "Dnd",      "TimeStamp"};
    auto failed = edit.Check();
    if (!failed) return "ok";
    return std::string(kNames[static_cast<int>(failed->field)]) + ": " + failed->message;
}

CMboxEdit NewEdit(const char* number, int digits) {
    CMboxEdit edit(NewMboxTemplate(), digits, true);
    edit.number = number;
    return edit;
}

TEST(MboxEditTest, NumberMustHaveExactlyTheDigitsAndNoLeadingZero) {
    const std::string invalid = std::string("Number: ") + texts::kInvalidMboxNumber;
    EXPECT_EQ(Outcome(NewEdit("1234", 4)), "ok");
    EXPECT_EQ(Outcome(NewEdit("0123", 4)), invalid);
    EXPECT_EQ(Outcome(NewEdit("12a4", 4)), invalid);
    EXPECT_EQ(Outcome(NewEdit("123", 4)), invalid);
    EXPECT_EQ(Outcome(NewEdit("", 2)), invalid);
    EXPECT_EQ(Outcome(NewEdit("99", 2)), "ok");
    EXPECT_EQ(Outcome(NewEdit("-99", 3)), invalid);

    // A stored three-digit mailbox opened for a change after the numbering
    // went to four digits: its number cannot be edited, so it cannot block OK.
    MboxRecord stored = NewMboxTemplate();
    stored.number = "300";
    EXPECT_EQ(Outcome(CMboxEdit(stored, 4, false)), "ok");
    EXPECT_EQ(Outcome(CMboxEdit(stored, 4, true)), invalid);
}

TEST(MboxEditTest, VirtualMailboxIsAlwaysDoNotDisturbAndHasNoLocalNotification) {
    CMboxEdit edit = NewEdit("200", 3);
    edit.SetType(1);
    EXPECT_TRUE(edit.dnd);
    EXPECT_FALSE(edit.DndEnabled());
    edit.localNotify = 1;
    EXPECT_EQ(Outcome(edit), std::string("LocalNotify: ") + texts::kVirtualNoLocalNotify);
    edit.localNotify = 0;
    edit.dnd = false; // only a page that forgot to disable the box could do this
    EXPECT_EQ(Outcome(edit), std::string("Dnd: ") + texts::kVirtualMustBeDnd);

    edit.SetType(1);
    edit.SetType(0);
    EXPECT_TRUE(edit.DndEnabled());
    EXPECT_FALSE(edit.dnd);

    // A stored virtual mailbox opens with the box checked.
    MboxRecord stored = NewMboxTemplate();
    stored.number = "300";
    stored.type = 1;
    stored.dnd = 0;
    CMboxEdit opened(stored, 3, false);
    EXPECT_TRUE(opened.dnd);
    EXPECT_EQ(opened.Result().dnd, 1);
}

TEST(MboxEditTest, AllowedAndEnabledBoxesFollowEachOther) {
    CMboxEdit edit = NewEdit("200", 3);
    edit.SetPhoneEnabled(true);
    EXPECT_TRUE(edit.allowed);
    edit.SetPagerEnabled(true);
    edit.phone = "123";
    edit.pager = "456";
    edit.SetAllowed(false);
    EXPECT_FALSE(edit.phoneEnabled);
    EXPECT_FALSE(edit.pagerEnabled);
    EXPECT_EQ(edit.phone, "123"); // the numbers stay
    EXPECT_EQ(edit.pager, "456");
}

TEST(MboxEditTest, NotificationNumbers) {
    CMboxEdit edit = NewEdit("200", 3);
    // A number left with "Autorizzata" off is refused on the phone field,
    // although the phone's own box is off.
    edit.phone = "0612345";
    EXPECT_EQ(Outcome(edit), "Phone: Errore inserimento");
    edit.SetPhoneEnabled(true);
    EXPECT_EQ(Outcome(edit), "ok");
    edit.phone.clear();
    EXPECT_EQ(Outcome(edit), std::string("Phone: ") + texts::kNumberRequired);
    edit.phone = "12*#PpAaBbCcDdQq90";
    EXPECT_EQ(Outcome(edit), "ok");
    edit.phone = "12X4"; // X is a pager character only
    EXPECT_EQ(Outcome(edit), "Phone: Errore inserimento");
    edit.phone = std::string(21, '1');
    EXPECT_EQ(Outcome(edit), "Phone: Errore inserimento");
    edit.phone = "1";

    edit.SetPagerEnabled(true);
    EXPECT_EQ(Outcome(edit), std::string("Pager: ") + texts::kNumberRequired);
    edit.pager = "12Xx$*#";
    EXPECT_EQ(Outcome(edit), "ok");
    edit.pager = "12 4";
    EXPECT_EQ(Outcome(edit), "Pager: Errore inserimento");

    // The reset's single blank means "no number".
    MboxRecord stored = NewMboxTemplate();
    stored.number = "300";
    stored.phone = " ";
    stored.pager = " ";
    EXPECT_EQ(Outcome(CMboxEdit(stored, 3, false)), "ok");
}

TEST(MboxEditTest, NumbersLeftAsShownKeepTheirStoredText) {
    MboxRecord stored = NewMboxTemplate();
    stored.number = "300";
    stored.phone = " ";
    stored.pager = " ";
    CMboxEdit untouched(stored, 3, false);
    EXPECT_EQ(untouched.phone, "");
    EXPECT_EQ(untouched.pager, "");
    EXPECT_EQ(untouched.Result().phone, " ");
    EXPECT_EQ(untouched.Result().pager, " ");
    EXPECT_EQ(untouched.Result(), stored);

    // Typed over: the new text; emptied, when the stored one was blank: still blank.
    CMboxEdit typed(stored, 3, false);
    typed.SetAllowed(true);
    typed.phone = "0612";
    typed.pager = "x";
    typed.pager.clear();
    const MboxRecord result = typed.Result();
    EXPECT_EQ(result.phone, "0612");
    EXPECT_EQ(result.pager, " ");

    stored.phone = "0612";
    CMboxEdit emptied(stored, 3, false);
    emptied.phone.clear();
    EXPECT_EQ(emptied.Result().phone, "");
}

TEST(MboxEditTest, PasswordCanOnlyBeResetToTheDefault) {
    MboxRecord stored = NewMboxTemplate();
    stored.number = "300";
    stored.password = "9876";
    stored.slot = 5;
    stored.aux2 = 4;
    CMboxEdit edit(stored, 3, false);
    EXPECT_EQ(edit.password, "****");
    EXPECT_FALSE(edit.NumberEnabled());
    EXPECT_STREQ(edit.Caption(), "Modifica una Casella");
    EXPECT_EQ(edit.Result().password, "9876");
    edit.ResetPassword();
    const MboxRecord result = edit.Result();
    EXPECT_EQ(result.password, kDefaultMboxPassword);
    EXPECT_EQ(result.slot, 5);
    EXPECT_EQ(result.aux2, 4);
}

} // namespace
} // namespace kiv::editors
