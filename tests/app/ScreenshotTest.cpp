// Layout checks of the main window and the dialogs: every caption fits its
// control. With KIV_SCREENSHOT_DIR set, the windows are also saved as PNG
// pictures there (run under a real X server to look at them).
#include "AppTestSupport.h"

#include "app/AboutDlg.h"
#include "app/FileLocPage.h"
#include "app/MainFrame.h"
#include "app/ProductTypeDlg.h"
#include "app/ToolbarSheet.h"

#include "support/ClipCheck.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

namespace kiv::test {
namespace {

class ScreenshotTest : public AppTest {
  protected:
    void Save(QWidget& widget, const char* name) {
        const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
        if (dir.isEmpty()) return;
        QDir().mkpath(dir);
        EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(name)));
    }
};

TEST_F(ScreenshotTest, MainWindow) {
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    QTest::qWait(50);
    ExpectNothingClipped(*frame);
    Save(*frame, "main.png");
}

TEST_F(ScreenshotTest, OptionsSheet) {
    std::array<std::string, 5> folders;
    folders[1] = "/home/installatore/kiv";
    CToolbarSheet sheet({true, true, true}, true, folders, dialogs);
    sheet.show();
    QTest::qWait(50);
    ExpectNothingClipped(sheet);
    Save(sheet, "options_toolbar.png");
    sheet.SetActivePage(1);
    QTest::qWait(50);
    ExpectNothingClipped(sheet);
    QListWidget* list = sheet.FileLocPage()->List();
    EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0));
    Save(sheet, "options_files.png");
}

TEST_F(ScreenshotTest, SmallDialogs) {
    CProductTypeDlg type(2, sink);
    type.show();
    QTest::qWait(20);
    ExpectNothingClipped(type);
    Save(type, "product_type.png");
    CAboutDlg about;
    about.show();
    QTest::qWait(20);
    ExpectNothingClipped(about);
    Save(about, "about.png");
}

} // namespace
} // namespace kiv::test
