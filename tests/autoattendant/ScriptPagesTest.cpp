#include "autoattendant/ScriptPages.h"

#include "document/QelDoc.h"

#include <gtest/gtest.h>

#include <memory>

namespace kiv::autoatt {
namespace {

TEST(DialStrings, Check) {
    std::array<std::string, kDialStrings> strings;
    strings[0] = "0123456789PpAaBbCcDd";
    strings[1] = "*#&@";
    EXPECT_FALSE(CheckDialStrings(strings)) << "all allowed, empty strings too";
    strings[4] = "12 3";
    strings[6] = "x";
    auto refused = CheckDialStrings(strings);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, 4) << "the first refused string, in number order";
    EXPECT_EQ(refused->message, "Errore inserimento");
    strings[4] = "e";
    EXPECT_EQ(CheckDialStrings(strings)->field, 4) << "lower-case letter outside p, a-d";
    strings[4].clear();
    EXPECT_EQ(CheckDialStrings(strings)->field, 6);
    strings[6] = "123456789012345678901";
    EXPECT_EQ(CheckDialStrings(strings)->field, 6) << "21 characters";
}

TEST(OpenScript, CheckOrderAndValues) {
    auto doc = std::make_unique<CQelDoc>();
    doc->openingPage[2][kModeNight] = 7;
    doc->ringsBeforeAnswer[3] = 4;
    COpenScriptEdit edit(*doc);
    EXPECT_EQ(edit.initialPages[2][kModeNight], "07");
    EXPECT_EQ(edit.rings[3], "4");
    EXPECT_FALSE(edit.Check());

    edit.initialPages[0][kModeNight] = "21";
    edit.initialPages[3][kModeHoliday] = "x";
    edit.initialPages[1][kModeDay] = "-1";
    edit.rings[0] = "0";
    auto refused = edit.Check();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, (ScriptFieldRef{ScriptFieldRef::InitialPage, 1, kModeDay}))
        << "day comes before holiday and night";
    edit.initialPages[1][kModeDay] = "";
    EXPECT_EQ(edit.Check()->field, (ScriptFieldRef{ScriptFieldRef::InitialPage, 3, kModeHoliday}));
    edit.initialPages[3][kModeHoliday] = "20";
    EXPECT_EQ(edit.Check()->field, (ScriptFieldRef{ScriptFieldRef::InitialPage, 0, kModeNight}));
    edit.initialPages[0][kModeNight] = "3";
    EXPECT_EQ(edit.Check()->field, (ScriptFieldRef{ScriptFieldRef::Rings, 0, 0}));
    edit.rings[0] = "10";
    EXPECT_TRUE(edit.Check());
    edit.rings[0] = "9";
    ASSERT_FALSE(edit.Check());
    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->openingPage[1][kModeDay], 0) << "an empty cell is stored as 0";
    EXPECT_EQ(doc->openingPage[3][kModeHoliday], 20);
    EXPECT_EQ(doc->openingPage[0][kModeNight], 3);
    EXPECT_EQ(doc->ringsBeforeAnswer[0], 9);
    EXPECT_EQ(doc->ringsBeforeAnswer[3], 4);
}

TEST(OpenScript, TwoLineProductNeitherChecksNorWritesLinesThreeAndFour) {
    auto doc = std::make_unique<CQelDoc>();
    doc->productType = 1; // "RZ 48 Mbx"
    doc->ringsBeforeAnswer[3] = 12;
    doc->openingPage[2][kModeDay] = 200;
    COpenScriptEdit edit(*doc);
    EXPECT_TRUE(edit.LineEnabled(1));
    EXPECT_FALSE(edit.LineEnabled(2));
    EXPECT_FALSE(edit.LineEnabled(3));
    edit.rings[3] = "";
    edit.rings[1] = "";
    ASSERT_TRUE(edit.Check());
    EXPECT_EQ(edit.Check()->field, (ScriptFieldRef{ScriptFieldRef::Rings, 1, 0}));
    edit.rings[1] = "3";
    EXPECT_FALSE(edit.Check());
    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->ringsBeforeAnswer[1], 3);
    EXPECT_EQ(doc->ringsBeforeAnswer[3], 12);
    EXPECT_EQ(doc->openingPage[2][kModeDay], 200);
    doc->productType = 2;
    EXPECT_TRUE(COpenScriptEdit(*doc).LineEnabled(3));
}

TEST(OpenScript, CellTextOnLeave) {
    auto doc = std::make_unique<CQelDoc>();
    COpenScriptEdit edit(*doc);
    EXPECT_EQ(edit.CellTextOnLeave(kModeDay, "5"), "05");
    EXPECT_EQ(edit.CellTextOnLeave(kModeBreak, ""), "00");
    EXPECT_EQ(edit.CellTextOnLeave(kModeNight, "5"), "5") << "the night column is left as typed";
}

TEST(RecordingList, FilterAndState) {
    const FileFilter filter = ScriptFilesFilter({3, 21});
    EXPECT_EQ(filter.label, "ScriptFiles (*.03,*.21)");
    EXPECT_EQ(filter.pattern, "*.03;*.21");
    EXPECT_EQ(ScriptFilesFilter({27}).pattern, "*.31");

    std::array<PageEntry, kPageKeys> page{};
    EXPECT_EQ(PageStateIcon(page, 0), 0);
    EXPECT_EQ(PageStateIcon(page, 1), 2);
    page[10].op = kPageOpToOperator;
    EXPECT_EQ(PageStateIcon(page, 0), 1);
    EXPECT_EQ(PageStateIcon(page, 1), 3);
}

TEST(RecordingList, ChosenFileNames) {
    std::array<std::string, kPageCount> files;
    AssignChosenFile(files, {}, "/rec/a.05");
    EXPECT_EQ(files, (std::array<std::string, kPageCount>{})) << "no row selected";

    AssignChosenFile(files, {2}, "/rec/a.xyz");
    EXPECT_EQ(files[2], "/rec/a.xyz") << "one row keeps the file's own extension";
    AssignChosenFile(files, {2}, "/rec.d/menu");
    EXPECT_EQ(files[2], "/rec.d/menu.02") << "a dot in a folder name is no extension";

    files = {};
    AssignChosenFile(files, {21, 1}, "/rec/menu");
    EXPECT_EQ(files[1], "/rec/menu.01");
    EXPECT_EQ(files[21], "/rec/menu.21");

    files = {};
    AssignChosenFile(files, {1, 2}, "/rec/.05");
    EXPECT_EQ(files[5], "/rec/.05") << "page 05, although not selected";
    EXPECT_EQ(files[1], "");
    EXPECT_EQ(files[2], "");
    AssignChosenFile(files, {1, 2}, "/rec/b.41");
    EXPECT_EQ(files[33], "/rec/b.41");
    for (const char* none : {"/rec/a.xyz", "/rec/a.30", "/rec/a.50", "/rec/a.5"}) {
        auto before = files;
        AssignChosenFile(files, {1, 2}, none);
        EXPECT_EQ(files, before) << none;
    }
}

} // namespace
} // namespace kiv::autoatt
