// A user who opens a sheet and presses OK without touching anything must find
// the configuration as it was. Every command the subsystems install runs on a
// document holding edge values; each sheet it opens has every tab visited and
// OK pressed (a wizard: Next on every step, then Finish). The document must
// then be unchanged member by member, or the sheet must have refused with an
// enabled field in focus. The commands are found through the shell, so a new
// sheet is held to this without a new test.
//
// KIV_WALK_CORPUS names a folder of configuration files to walk as well
// (scripts/walk-sheets runs it on the fuzz corpus).
#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "app/PropertyPage.h"
#include "app/PropertySheet.h"
#include "document/ConfigJson.h"
#include "document/QelDoc.h"
#include "document/QelFile.h"
#include "kiv/Installers.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kiv::test {
namespace {

struct Refusal {
    QString sheet;
    QString field; // object name of the focused field; empty when none
    bool enabled = false;
};

class CWalkingDialogs : public CShellDialogs {
  public:
    using CShellDialogs::CShellDialogs;

    int Exec(QDialog& dialog) override {
        // The wizard's welcome leads on to its steps.
        if (dialog.objectName() == "wizardWelcome") return QDialog::Accepted;
        auto* sheet = qobject_cast<CPropertySheet*>(&dialog);
        if (!sheet) return QDialog::Rejected;
        const int result = Walk(*sheet);
        sheets << sheet->objectName();
        return result;
    }

    QStringList sheets; // every sheet walked
    std::vector<Refusal> refusals;

  private:
    int Walk(CPropertySheet& sheet) {
        if (sheet.IsWizard()) {
            while (sheet.NextButton()->isEnabled()) {
                const int at = sheet.ActiveIndex();
                sheet.WizardNext();
                if (sheet.ActiveIndex() == at) return Refused(sheet);
            }
            sheet.WizardFinish();
        } else {
            for (int i = 0; i < sheet.PageCount(); ++i) {
                if (!sheet.SetActivePage(i)) return Refused(sheet);
                OpenNestedSheets(*sheet.Page(i));
            }
            sheet.accept();
        }
        return sheet.result() == QDialog::Accepted ? QDialog::Accepted : Refused(sheet);
    }

    // The buttons that open a sheet inside a sheet ("&Orari", and the
    // mailbox editor on the list's first row) are pressed as well.
    static void OpenNestedSheets(QWidget& page) {
        for (QPushButton* button : page.findChildren<QPushButton*>()) {
            if (!button->isEnabled()) continue;
            if (button->objectName() == "mboxChange") {
                auto* list = page.findChild<QAbstractItemView*>("mboxList");
                if (!list || list->model()->rowCount() == 0) continue;
                list->setCurrentIndex(list->model()->index(0, 0));
                button->click();
            } else if (button->objectName() == "schedules") {
                button->click();
            }
        }
    }

    int Refused(CPropertySheet& sheet) {
        QWidget* field = sheet.focusWidget();
        // A spin field's text answers for it.
        if (field && qobject_cast<QAbstractSpinBox*>(field->parentWidget()))
            field = field->parentWidget();
        refusals.push_back({sheet.objectName(), field ? field->objectName() : QString(),
                            field && field->isEnabled()});
        return QDialog::Rejected;
    }
};

// The members that differ between two dumps, as JSON pointers ("/flash1",
// "/breaks/0/3/page"). The schedules' OK makes the copy of the working hours
// equal to the working hours by design; that alone is no change.
QStringList Differences(const json::Value& before, const json::Value& after) {
    QStringList paths;
    const bool copyFollows =
        after.value("workHoursCopy", json::Value()) == after.value("workHours", json::Value());
    for (const auto& op : json::Value::diff(before, after)) {
        const QString path = QString::fromStdString(op.value("path", std::string()));
        if (!(copyFollows && path.startsWith("/workHoursCopy"))) paths << path;
    }
    return paths;
}

class SheetWalkTest : public AppTest {
  protected:
    // Walks every command on `original`; failures name `label`.
    void WalkAll(const CQelDoc& original, const std::string& label) {
        SCOPED_TRACE(label);
        const FixedClock clock(original.clockReference);
        CWalkingDialogs shell(sink);
        auto app = std::make_unique<CQelApp>(&sink, &shell);
        InstallSubsystems(*app);
        ASSERT_TRUE(app->InitInstance({}));
        CMainFrame* frame = app->Frame();
        // Commands that leave the program, start another one or open help.
        const QStringList skipped{"actionAppExit", "actionLineMonitor", "actionHelpTopics"};
        for (QAction* action : frame->Actions()) {
            if (skipped.contains(action->objectName())) continue;
            CQelDoc& doc = app->Doc();
            doc = original;
            doc.SetClock(clock);
            frame->DocumentChanged();
            frame->UpdateCommands();
            if (!action->isEnabled()) continue;
            const json::Value before = ConfigurationToJson(doc, {});
            const qsizetype walked = shell.sheets.size();
            const std::size_t refused = shell.refusals.size();
            action->trigger();
            if (shell.sheets.size() == walked) continue; // no sheet: another test's business
            const QString sheet = shell.sheets.back();
            const QStringList changed = Differences(before, ConfigurationToJson(app->Doc(), {}));
            EXPECT_TRUE(changed.isEmpty())
                << action->objectName().toStdString() << " (" << sheet.toStdString() << ") changed "
                << changed.join(", ").toStdString();
            for (std::size_t i = refused; i < shell.refusals.size(); ++i) {
                const Refusal& r = shell.refusals[i];
                EXPECT_TRUE(r.enabled) << r.sheet.toStdString() << " refused on \""
                                       << r.field.toStdString() << "\", which is not enabled";
                refusalsSeen << r.sheet + ":" + r.field;
            }
        }
        sheetsWalked = shell.sheets;
    }

    QStringList sheetsWalked;
    QStringList refusalsSeen;
};

// A document for a product type with every field at its typing limit and
// valid, so that each sheet takes it as it is.
CQelDoc AtTheLimits(int productType) {
    CQelDoc doc;
    doc.SetProductType(productType);
    doc.clockReference = 1'000'000;
    doc.clockYear = 2024;
    doc.clockMonth = 2;
    doc.clockDay = 29;
    doc.clockWeekday = 4;
    doc.extDigits = 4;
    doc.transferCode = "12345678901234567890";
    doc.recallOnBusy = "&&&&&&&&&&&&&&&&&&&&";
    doc.busyToneOn = 3000;
    doc.disconnectCode = "*#*#";
    doc.dialStrings[19] = "12345678901234567890";
    doc.pageTimeout[0] = 9;
    doc.mboxCount = 1;
    doc.mailboxes[0].number = "9999";
    doc.mailboxes[0].slot = 0;
    doc.operatingMode = 4; // "Auto", so that "&Orari" opens the schedules
    doc.workHours[0] = "08:30";
    doc.workHours[7] = "12:30";
    doc.workHoursCopy = doc.workHours;
    return doc;
}

// Stored values past every typing limit, as a read or an older file can
// hold them: the sheets must show them whole and give them back.
CQelDoc BeyondTheLimits(int productType) {
    CQelDoc doc = AtTheLimits(productType);
    doc.transferCode = "1234567890123456789012345";
    doc.busyToneOn = 12000;
    doc.answerSignal = "123456"; // under tone supervision: disabled
    doc.supervisionType = 0;
    doc.breaks[0][0].page = 200; // empty rows: their page is disabled
    doc.breaks[2][9].page = 255;
    if (productType == 1) {
        // Lines 3 and 4, which a "RZ 48 Mbx" shows disabled.
        doc.ringsBeforeAnswer[2] = 12;
        doc.ringsBeforeAnswer[3] = 12;
        doc.openingPage[2][0] = 123;
        doc.openingPage[3][2] = 255;
    } else {
        doc.pageTimeout[0] = 12;
        doc.dialStrings[3] = "1234567890123456789012345";
        doc.ringsBeforeAnswer = {12, 12, 12, 12};
        doc.openingPage[0][0] = 123;
    }
    return doc;
}

TEST_F(SheetWalkTest, EverySheetKeepsADocumentAtTheTypingLimits) {
    for (int type = 0; type < 4; ++type) {
        WalkAll(AtTheLimits(type), "product type " + std::to_string(type));
        // Values the sheets accept are taken without a word.
        EXPECT_TRUE(refusalsSeen.isEmpty()) << refusalsSeen.join(", ").toStdString();
        refusalsSeen.clear();
    }
    for (const char* name :
         {"listMboxSheet", "groupMboxSheet", "generalParamSheet", "pbxParameterSheet",
          "notificationSheet", "timeDateSheet", "protocolSheet", "wizSheet"})
        EXPECT_TRUE(sheetsWalked.contains(name)) << name;
}

TEST_F(SheetWalkTest, EverySheetKeepsStoredValuesPastTheTypingLimits) {
    // The values no check takes are refused on their own fields.
    WalkAll(BeyondTheLimits(0), "RZ 128 Mbx");
    for (const char* refusal : {"pbxParameterSheet:transferCode", "autoAttenSheet:pageTimeout"})
        EXPECT_TRUE(refusalsSeen.contains(refusal)) << refusal;
    // "RZ 48 Mbx": what its two lines the user cannot reach hold is neither
    // checked nor changed.
    refusalsSeen.clear();
    WalkAll(BeyondTheLimits(1), "RZ 48 Mbx");
    EXPECT_TRUE(refusalsSeen.filter("autoAttenSheet").isEmpty())
        << refusalsSeen.join(", ").toStdString();
}

TEST_F(SheetWalkTest, EverySheetKeepsTheConfigurationsOfTheCorpus) {
    namespace fs = std::filesystem;
    // The ordinary run walks two files of the corpus; scripts/walk-sheets
    // names a folder and walks every file in it.
    const QByteArray env = qgetenv("KIV_WALK_CORPUS");
    const fs::path dir = env.isEmpty() ? fs::path(KIV_SOURCE_DIR) / "tests/fuzz/config_corpus"
                                       : fs::path(env.toStdString());
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    if (env.isEmpty() && files.size() > 2) files.resize(2);
    int walked = 0;
    for (const fs::path& path : files) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        for (const char* extension : {".qel", ".ri2"}) {
            CQelDoc doc;
            RecordingSink quiet;
            const std::string name = path.filename().string() + extension;
            if (LoadConfiguration(doc, bytes, name, quiet) != 1) continue;
            doc.clockReference = 1'000'000;
            WalkAll(doc, name);
            ++walked;
        }
    }
    EXPECT_GT(walked, 0);
}

} // namespace
} // namespace kiv::test
