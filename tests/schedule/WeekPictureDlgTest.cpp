// "Quadro Settimanale" offscreen: the drawing and its text list, drawn again
// after the schedule editor, and the exports in the three formats. With
// KIV_SCREENSHOT_DIR set the window is also saved as a picture there, on a
// full week and on an empty one.
#include "schedule/ui/WeekPictureDlg.h"

#include "document/MessageSink.h"
#include "document/PageOps.h"
#include "document/QelDoc.h"
#include "support/NamedShell.h"
#include "support/TempDir.h"

#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kiv {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QStringList Lines(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

TEST(WeekPictureDlgTest, DrawsListsFollowsTheEditorAndExports) {
    CQelDoc doc;
    doc.title = "ufficio.qel";
    doc.operatingMode = 4;      // Auto
    doc.workHours[0] = "08:00"; // Monday
    doc.workHours[7] = "17:00";
    doc.breaks[0][0] = BreakSlot{12 * 60, 13 * 60, 5};
    doc.pages[5][1] = PageEntry{kPageOpDisconnect, {}, 0};
    RecordingSink sink;
    test::CNamedShell shell(sink);
    test::CTempDir dir("kiv-week");

    // The "editor" the command hands the window: a Tuesday break appears.
    int edits = 0;
    CWeekPictureDlg dlg(doc, shell, [&] {
        ++edits;
        doc.workHours[1] = "09:00";
        doc.workHours[8] = "18:00";
        doc.breaks[1][3] = BreakSlot{15 * 60 + 30, 15 * 60 + 45, 5};
    });
    EXPECT_EQ(dlg.windowTitle(), "Quadro Settimanale");
    auto* view = dlg.findChild<QGraphicsView*>("weekView");
    ASSERT_TRUE(view);
    EXPECT_FALSE(view->scene()->sceneRect().isEmpty());

    // The list says in words what the drawing shows, for a screen reader.
    QListWidget* list = dlg.TextList();
    EXPECT_EQ(list->accessibleName(), "Quadro Settimanale in testo");
    const QString monday = Lines(*list).filter(QString::fromUtf8("Lunedì")).join("|");
    EXPECT_TRUE(monday.contains("08:00") && monday.contains("17:00")) << monday.toStdString();
    EXPECT_TRUE(Lines(*list).join("|").contains("12:00")) << Lines(*list).join("|").toStdString();
    EXPECT_FALSE(Lines(*list).join("|").contains("15:30"));
    EXPECT_EQ(dlg.Svg().find("id=\"break-1-3\""), std::string::npos);

    dlg.findChild<QPushButton*>("editScheduleButton")->click();
    EXPECT_EQ(edits, 1);
    const QString shots = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        dlg.show();
        dlg.ZoomToFit();
        EXPECT_TRUE(dlg.grab().save(QDir(shots).filePath("week-picture.png")));
        CQelDoc empty;
        CWeekPictureDlg blank(empty, shell);
        blank.show();
        blank.ZoomToFit();
        EXPECT_TRUE(blank.grab().save(QDir(shots).filePath("week-picture-empty.png")));
    }
    EXPECT_TRUE(Lines(*list).join("|").contains("15:30")) << Lines(*list).join("|").toStdString();
    EXPECT_NE(dlg.Svg().find("id=\"break-1-3\""), std::string::npos);

    // A name without extension gets .svg; the extension chooses the format.
    shell.names = {QString::fromStdString((dir.Path() / "week").string()),
                   QString::fromStdString((dir.Path() / "week.png").string()),
                   QString::fromStdString((dir.Path() / "week.PDF").string())};
    ASSERT_TRUE(dlg.Export());
    EXPECT_EQ(shell.proposed.front(), "ufficio.svg");
    EXPECT_EQ(ReadFile(dir.Path() / "week.svg"), dlg.Svg());
    ASSERT_TRUE(dlg.Export());
    EXPECT_EQ(ReadFile(dir.Path() / "week.png").substr(0, 4), "\x89PNG");
    ASSERT_TRUE(dlg.Export());
    EXPECT_EQ(ReadFile(dir.Path() / "week.PDF").substr(0, 5), "%PDF-");
    EXPECT_TRUE(sink.Texts().empty());

    // Cancel writes nothing; a folder that is not there is said so.
    EXPECT_FALSE(dlg.Export());
    shell.names = {QString::fromStdString((dir.Path() / "none" / "week.svg").string())};
    EXPECT_FALSE(dlg.Export());
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Impossibile aprire file output"});
}

} // namespace
} // namespace kiv
