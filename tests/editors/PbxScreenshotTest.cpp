// Layout of "Parametri PBX" (four tabs) and "Parametri Notifica Interna e
// Esterna": every caption fits. With KIV_SCREENSHOT_DIR set, each tab is also
// saved there as a PNG picture.
#include "EditorGuiSupport.h"

#include "editors/ui/NotificationSheet.h"
#include "editors/ui/PBXParameterSheet.h"

#include "support/ClipCheck.h"

#include <QDir>
#include <QTest>

namespace kiv::test {
namespace {

void Save(QWidget& widget, const QString& name) {
    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(name)));
}

TEST(PbxScreenshotTest, EveryTabShowsItsCaptionsWhole) {
    RecordingSink sink;
    CScriptedShell shell(sink);
    auto doc = MakeDoc(0, {"201", "202"});
    doc->allowedExt[0] = "200";
    doc->allowedExt[10] = "299";
    doc->supervisionType = 1;
    doc->answerSignal = "1";
    doc->led1Code = "*41#";
    doc->ledOffCode = "#41#";
    doc->extNotifyStart = 510;
    doc->extNotifyEnd = 1025;

    CPBXParameterSheet pbx(*doc, shell);
    pbx.show();
    const char* files[] = {"pbx_interni.png", "pbx_trasferta.png", "pbx_supervisione.png",
                           "pbx_toni.png"};
    for (int i = 0; i < pbx.PageCount(); ++i) {
        EXPECT_TRUE(pbx.SetActivePage(i));
        QTest::qWait(30);
        ExpectNothingClipped(pbx);
        Save(pbx, files[i]);
    }

    CNotificationSheet notification(*doc, shell);
    notification.show();
    QTest::qWait(30);
    ExpectNothingClipped(notification);
    Save(notification, "parametri_notifica.png");
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace kiv::test
