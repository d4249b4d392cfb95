#include "autoattendant/PageSheetEdit.h"

#include "document/QelDoc.h"

#include <gtest/gtest.h>

#include <memory>

namespace kiv::autoatt {
namespace {

std::unique_ptr<CQelDoc> Doc() {
    auto doc = std::make_unique<CQelDoc>();
    doc->pages[3][1].op = kPageOpDisconnect;
    doc->pageState[3] = 1;
    doc->pageState[28] = 1;
    doc->pageText[3] = "Orari";
    doc->pageFile[3] = "/rec/menu.03";
    doc->fileLocation[4] = "/rec";
    doc->dialStrings[2] = "12P";
    doc->ringsBeforeAnswer = {2, 3, 4, 5};
    doc->openingPage[1][2] = 6;
    return doc;
}

TEST(PageSheet, OkWritesBackWhatEachPageEdits) {
    auto doc = Doc();
    CPageSheetEdit sheet(*doc);
    EXPECT_EQ(sheet.recordings.folder, "/rec");
    sheet.pages.ChooseOp(2, kPageOpNameDirectory);
    sheet.pages.SetTimeoutText("8");
    ASSERT_FALSE(sheet.pages.LeaveCheck());
    sheet.dialStrings[2] = "9";
    sheet.script.rings[3] = "9";
    sheet.script.initialPages[1][2] = "11";
    sheet.recordings.Choose({5}, "/rec/x.05");
    sheet.info.SetDescription(3, "Chiuso");
    // Changes to the shown copies never reach the configuration.
    sheet.recordings.shown.pages[4][0].op = kPageOpDisconnect;
    sheet.info.shown.pageState[4] = 1;

    auto after = std::make_unique<CQelDoc>(*doc);
    sheet.ApplyTo(*after);
    EXPECT_EQ(after->pages[0][2].op, kPageOpNameDirectory);
    EXPECT_EQ(after->pageTimeout[0], 8);
    EXPECT_EQ(after->dialStrings[2], "9");
    EXPECT_EQ(after->ringsBeforeAnswer[3], 9);
    EXPECT_EQ(after->openingPage[1][2], 11);
    EXPECT_EQ(after->pageFile[5], "/rec/x.05");
    EXPECT_EQ(after->pageFile[3], "/rec/menu.03");
    EXPECT_EQ(after->pageText[3], "Chiuso");
    EXPECT_EQ(after->pages[4][0].op, kPageOpNotUsed);
    EXPECT_EQ(after->pageState, doc->pageState);
}

TEST(PageSheet, PageStatusRows) {
    auto doc = Doc();
    CPageSheetEdit sheet(*doc);
    const auto rows = sheet.info.Rows();
    ASSERT_EQ(rows.size(), 39u);
    EXPECT_EQ(rows[3].number, "03");
    EXPECT_EQ(rows[3].programmed, "Yes");
    EXPECT_EQ(rows[3].recorded, "Yes");
    EXPECT_EQ(rows[3].description, "Orari");
    EXPECT_EQ(rows[3].icon, 3);
    EXPECT_EQ(rows[28].number, "32");
    EXPECT_EQ(rows[28].programmed, "No");
    EXPECT_EQ(rows[28].icon, 2);
    EXPECT_EQ(rows[0].recorded, "No");
    EXPECT_FALSE(sheet.info.SetDescription(21, "Altro"));
    EXPECT_EQ(sheet.info.Rows()[21].description, "Occupato con Casella - Prima Lingua");
}

TEST(PageSheet, RecordingListRows) {
    auto doc = Doc();
    CPageSheetEdit sheet(*doc);
    EXPECT_EQ(CRecordingListEdit::NumberCell(27), "  31");
    EXPECT_EQ(CRecordingListEdit::NumberCell(0), "  00");
    EXPECT_EQ(sheet.recordings.Icon(3), 3);
    EXPECT_STREQ(sheet.recordings.FirstButtonCaption(), "&Aggiungi");
    sheet.recordings.mode = RecordingListMode::Read;
    EXPECT_STREQ(sheet.recordings.FirstButtonCaption(), "Salva a...");
    sheet.recordings.pageFiles[4] = "/rec/y.04";
    sheet.recordings.Clear({3, 99});
    EXPECT_EQ(sheet.recordings.pageFiles[3], "");
    EXPECT_EQ(sheet.recordings.pageFiles[4], "/rec/y.04");
}

} // namespace
} // namespace kiv::autoatt
