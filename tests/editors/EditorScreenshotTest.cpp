// Layout of the editor sheets: every caption and every list column fits.
// With KIV_SCREENSHOT_DIR set, the sheets are also saved there as PNG
// pictures (run under a real X server with fonts to look at them).
#include "EditorGuiSupport.h"

#include "editors/MboxList.h"
#include "editors/ui/EditMboxSheet.h"
#include "editors/ui/GeneralParamSheet.h"
#include "editors/ui/GroupMboxSheet.h"
#include "editors/ui/ListMboxPage.h"
#include "editors/ui/ListMboxSheet.h"

#include "support/ClipCheck.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

namespace kiv::test {
namespace {

class EditorScreenshotTest : public ::testing::Test {
  protected:
    void Save(QWidget& widget, const char* name) {
        const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
        if (dir.isEmpty()) return;
        QDir().mkpath(dir);
        EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(name)));
    }
    void Show(QWidget& widget) {
        widget.show();
        QTest::qWait(30);
    }
    RecordingSink sink;
    CScriptedShell shell{sink};
};

TEST_F(EditorScreenshotTest, MailboxListShowsEveryColumnWhole) {
    std::vector<std::string> numbers;
    for (int n = 0; n < 14; ++n)
        numbers.push_back(std::to_string(201 + 7 * n));
    auto doc = MakeDoc(0, numbers);
    for (int i = 0; i < 14; ++i) {
        MboxRecord& r = doc->mailboxes[static_cast<std::size_t>(i)];
        r.localNotify = i % 5;
        r.language = i % 3;
        r.type = i % 4 == 3 ? 1 : 0;
        r.dnd = r.type;
        r.announcer = i % 3 == 0;
        r.allowed = r.phoneEnabled = i % 2;
        r.phone = i % 2 ? "0612345678" : "";
        r.pager = i % 6 == 1 ? "0698765*#" : "";
        r.pagerEnabled = r.pager.empty() ? 0 : 1;
        if (i % 5 == 2) r.password = "1234";
    }
    doc->supervisorMbox = "208";
    CListMboxSheet sheet(*doc, shell, nullptr);
    Show(sheet);
    ExpectNothingClipped(sheet);
    QTreeWidget* list = sheet.ListPage()->List();
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0) << "every column in sight";
    for (int c = 0; c < editors::kMboxColumnCount; ++c) {
        if (c == 7 || c == 9) continue; // dial strings may be longer than their column
        int needed = list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(c));
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            needed = std::max(
                needed, list->fontMetrics().horizontalAdvance(list->topLevelItem(row)->text(c)));
        EXPECT_GT(list->header()->sectionSize(c), needed) << "column " << c;
    }
    Save(sheet, "lista_caselle.png");
    sheet.SetActivePage(1);
    QTest::qWait(30);
    ExpectNothingClipped(sheet);
    Save(sheet, "lista_caselle_parametri.png");
}

TEST_F(EditorScreenshotTest, MailboxEditorGroupsAndSystemParameters) {
    MboxRecord r = editors::NewMboxTemplate();
    r.number = "215";
    r.allowed = r.phoneEnabled = 1;
    r.phone = "0612345678";
    r.localNotify = 3;
    CEditMboxSheet edit(r, 3, false, shell);
    Show(edit);
    ExpectNothingClipped(edit);
    Save(edit, "parametri_casella.png");

    auto doc = MakeDoc(0, {"201", "202", "203", "210", "215", "220"});
    doc->groups[0].memberCount = 2;
    doc->groups[0].members[0] = 201;
    doc->groups[0].members[1] = 215;
    CGroupMboxSheet groups(*doc, shell);
    Show(groups);
    ExpectNothingClipped(groups);
    Save(groups, "gruppo_caselle.png");

    CGeneralParamSheet system(*doc, shell);
    Show(system);
    ExpectNothingClipped(system);
    Save(system, "parametri_sistema.png");
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace kiv::test
