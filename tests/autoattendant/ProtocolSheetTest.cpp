#include "autoattendant/ProtocolSheetEdit.h"

#include "document/QelDoc.h"

#include <gtest/gtest.h>

#include <memory>

namespace kiv::autoatt {
namespace {

TEST(ProtocolSheet, LeavingAPageNeedsItsCheck) {
    auto doc = std::make_unique<CQelDoc>();
    CProtocolSheetEdit sheet(*doc);
    sheet.Active().ChooseOp(2, kInBandOpRecordCall); // no code yet
    const auto refused = sheet.SwitchTo(1);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, (ProtocolFieldRef{ProtocolFieldRef::Code, 2}));
    EXPECT_EQ(refused->message, "Errore inserimento");
    EXPECT_EQ(sheet.ActivePage(), 0);
    sheet.Active().SetCode(2, "#1");
    EXPECT_FALSE(sheet.SwitchTo(1));
    EXPECT_EQ(sheet.ActivePage(), 1);
}

TEST(ProtocolSheet, OkWritesEveryPageAndRefusalWritesNothing) {
    auto doc = std::make_unique<CQelDoc>();
    doc->inBand[39].operation = kInBandOpDndMenu;
    doc->inBand[39].code[0] = '5';
    doc->inBand[39].codeLength = 1;
    CProtocolSheetEdit sheet(*doc);
    sheet.pages[0].SetInterDtmfText("40");
    sheet.pages[0].SetCode(0, "11");
    EXPECT_FALSE(sheet.SwitchTo(2));
    sheet.Active().SetCode(5, "S");
    sheet.Active().ChooseOp(5, kInBandOpToMailbox); // no mailbox to name
    const auto before = doc->inBand;
    EXPECT_TRUE(sheet.Ok(*doc));
    EXPECT_EQ(doc->inBand, before);
    EXPECT_EQ(doc->interDtmfDelay, 500);

    sheet.Active().ChooseOp(5, kInBandOpToOperator);
    EXPECT_FALSE(sheet.Ok(*doc));
    EXPECT_EQ(doc->interDtmfDelay, 40);
    EXPECT_EQ(doc->inBand[0].code[0], 0x31);
    EXPECT_EQ(doc->inBand[25].operation, kInBandOpToOperator);
    EXPECT_EQ(doc->inBand[25].code[0], 0x53);
    EXPECT_EQ(doc->inBand[39].operation, kInBandOpDndMenu) << "a page never shown is kept";
}

} // namespace
} // namespace kiv::autoatt
