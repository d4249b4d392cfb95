#include "editors/GroupEdit.h"
#include "editors/MboxParamEdit.h"
#include "editors/SysParEdit.h"

#include "document/QelDoc.h"
#include "editors/Texts.h"

#include <gtest/gtest.h>

#include <memory>

namespace kiv::editors {
namespace {

using Numbers = std::vector<std::string>;

MboxGroup Group(std::initializer_list<int> members) {
    MboxGroup g;
    for (int m : members)
        g.members[g.memberCount++] = m;
    return g;
}

Numbers Range(int from, int to) {
    Numbers out;
    for (int n = from; n <= to; ++n)
        out.push_back(std::to_string(n));
    return out;
}

TEST(GroupEditTest, MembersWithoutAMailboxAreDroppedOnOpening) {
    auto doc = std::make_unique<CQelDoc>();
    doc->mboxCount = 3;
    doc->mailboxes[0].number = "103";
    doc->mailboxes[1].number = "101";
    doc->mailboxes[2].number = "102";
    doc->groups[0] = Group({103, 101, 555, 101});
    doc->groups[1].memberCount = 21; // more than a group holds: read as empty
    doc->groups[1].members[0] = 101;
    doc->groups[4] = Group({1, 2, 3});
    CGroupEdit edit(*doc);
    EXPECT_EQ(edit.Members(0), (Numbers{"101", "103"}));
    EXPECT_TRUE(edit.Members(1).empty());
    EXPECT_EQ(edit.AllMailboxes(), (Numbers{"101", "102", "103"}));

    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->groups[0], Group({101, 103}));
    EXPECT_EQ(doc->groups[1], MboxGroup{});
    EXPECT_EQ(doc->groups[4], Group({1, 2, 3})); // the fifth group is not this editor's
}

TEST(GroupEditTest, UntouchedGroupsGoBackAsStored) {
    auto doc = std::make_unique<CQelDoc>();
    doc->mboxCount = 3;
    doc->mailboxes[0].number = "101";
    doc->mailboxes[1].number = "102";
    doc->mailboxes[2].number = "103";
    // Repeated members, an order that is not the list's, values past the count.
    MboxGroup repeated = Group({103, 101, 103});
    repeated.members[3] = 777;
    repeated.members[19] = -5;
    MboxGroup tail = Group({102});
    tail.members[1] = 4242;
    doc->groups[0] = repeated;
    doc->groups[1] = tail;
    doc->groups[2] = tail;
    doc->groups[3] = repeated;

    CGroupEdit edit(*doc);
    EXPECT_EQ(edit.Members(0), (Numbers{"101", "103"}));
    // Group 2 changes and changes back: its list is as it opened.
    EXPECT_EQ(edit.Add(2, {"101"}), "");
    edit.Remove(2, {"101"});
    // Group 3 changes: rebuilt from its list by the editor's rules.
    EXPECT_EQ(edit.Add(3, {"102"}), "");
    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->groups[0], repeated);
    EXPECT_EQ(doc->groups[1], tail);
    EXPECT_EQ(doc->groups[2], tail);
    EXPECT_EQ(doc->groups[3], Group({101, 102, 103}));
}

TEST(GroupEditTest, TooManyIsRefusedAsAWholeAndDuplicatesCollapse) {
    std::array<MboxGroup, 5> groups{};
    for (int n = 100; n < 118; ++n)
        groups[2].members[groups[2].memberCount++] = n;
    CGroupEdit edit("9", Range(100, 130), groups);
    ASSERT_EQ(edit.Members(2).size(), 18u);

    // 5 selected, 3 of them already members: still refused as a whole.
    EXPECT_EQ(edit.Add(2, {"115", "116", "117", "120", "121"}), texts::kTooManyMboxes);
    EXPECT_EQ(edit.Members(2).size(), 18u);

    EXPECT_EQ(edit.Add(2, {"117", "120"}), "");
    EXPECT_EQ(edit.Members(2).size(), 19u);
    EXPECT_EQ(edit.Add(3, {"120", "105"}), "");
    EXPECT_EQ(edit.Add(3, {"120"}), "");
    EXPECT_EQ(edit.Members(3), (Numbers{"105", "120"}));
    edit.Remove(3, {"120", "999"});
    EXPECT_EQ(edit.Members(3), (Numbers{"105"}));
}

TEST(GroupEditTest, FirstDigitCaptionsAndCheck) {
    CGroupEdit edit("4", {}, {});
    EXPECT_EQ(edit.Caption(0), "400");
    EXPECT_EQ(edit.Caption(3), "403");
    EXPECT_EQ(edit.Caption(4), "499");
    edit.firstDigit = "7";
    EXPECT_EQ(edit.Caption(1), "701");
    EXPECT_EQ(edit.Caption(4), "799");
    EXPECT_FALSE(edit.Check());
    std::string digit;
    std::array<MboxGroup, 5> groups{};
    edit.ApplyTo(digit, groups);
    EXPECT_EQ(digit, "7");
    for (const char* bad : {"", " ", "a", "12"}) {
        edit.firstDigit = bad;
        auto failed = edit.Check();
        ASSERT_TRUE(failed) << '"' << bad << '"';
        EXPECT_EQ(failed->message, texts::kInputError);
    }
}

TEST(SysParEditTest, RecordTimeWarningAndCheck) {
    auto doc = std::make_unique<CQelDoc>();
    CSysParEdit edit(*doc);
    EXPECT_EQ(edit.recordTime, "2");
    EXPECT_EQ(edit.OnRecordTimeChanged("2"), ""); // filling the field
    EXPECT_EQ(edit.OnRecordTimeChanged(""), texts::kRecordTimeWarning);
    EXPECT_EQ(edit.OnRecordTimeChanged("7"), texts::kRecordTimeWarning);
    EXPECT_FALSE(edit.Check());
    for (const char* bad : {"", "0", "10", "+5", "5a"}) {
        edit.recordTime = bad;
        EXPECT_TRUE(edit.Check()) << '"' << bad << '"';
    }
    edit.recordTime = "9";
    edit.autoVolume = false;
    edit.nameOrder = 1;
    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->maxRecordTime, 9);
    EXPECT_EQ(doc->autoVolume, 0);
    EXPECT_EQ(doc->nameOrder, 1);
}

TEST(MboxParamEditTest, RetrievalKeyMustDifferFromTheOperatorKey) {
    auto doc = std::make_unique<CQelDoc>();
    doc->operatorKey = 0;
    CMboxParamEdit edit(*doc);
    EXPECT_FALSE(edit.Check()); // defaults: key 9, 30 days
    // A key that is not a digit reads as 0.
    for (const char* key : {"0", "x", ""}) {
        edit.listenKey = key;
        auto failed = edit.Check();
        ASSERT_TRUE(failed) << '"' << key << '"';
        EXPECT_EQ(failed->field, MboxParField::ListenKey);
    }
    edit.operatorKey = 9;
    EXPECT_FALSE(edit.Check());
    for (const char* days : {"100", "", "-1"}) {
        edit.archiveDays = days;
        auto failed = edit.Check();
        ASSERT_TRUE(failed) << '"' << days << '"';
        EXPECT_EQ(failed->field, MboxParField::ArchiveDays);
    }
    edit.archiveDays = "0";
    EXPECT_FALSE(edit.Check());
    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->listenKey, 0);
    EXPECT_EQ(doc->archiveDays, 0);
}

} // namespace
} // namespace kiv::editors
