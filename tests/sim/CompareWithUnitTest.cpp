// A configuration compared with the simulated unit it was just sent to: the
// reading brings back everything the send carried, so nothing differs; a
// change made afterwards shows, in the program's comparison and in
// "kivtool diff FILE --device PATH".

#include "QtEnvironment.h"
#include "cli/FileCommands.h"
#include "cli/TransferCommands.h"
#include "compare/ConfigDiff.h"
#include "document/DocCommands.h"
#include "document/PageOps.h"
#include "document/QelDoc.h"
#include "support/PtyUnit.h"
#include "support/TempDir.h"
#include "unit/transfer/ReadParamEngine.h"
#include "unit/transfer/SendParamEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace kiv {
namespace {

using namespace std::chrono;
constexpr double kPauseScale = 0.05;

struct OncePrompt : PasswordPrompt {
    std::optional<std::string> Ask(const std::string&, const std::string&,
                                   const std::string&) override {
        return "1234";
    }
};

class CompareWithUnit : public test::PtyUnitTest {
  protected:
    void SetUp() override {
        sim::CSimConfig config;
        config.mailboxes = {"101", "102"};
        StartUnit(std::move(config), kPauseScale);
        context.timing.second = milliseconds(200);
    }

    // A configuration with a little of every sheet in it.
    static std::unique_ptr<CQelDoc> Configuration() {
        auto doc = std::make_unique<CQelDoc>();
        NewConfiguration(*doc, 0);
        doc->commTimeout = 2;
        for (const char* number : {"101", "102", "150"}) {
            MboxRecord& m = doc->mailboxes[static_cast<std::size_t>(doc->mboxCount)];
            m = MboxRecord{};
            m.number = number;
            m.password = "1111";
            m.phone = "";
            m.pager = "";
            m.slot = static_cast<std::uint8_t>(doc->mboxCount++);
        }
        doc->mailboxes[2].allowed = 1;
        doc->mailboxes[2].phoneEnabled = 1;
        doc->mailboxes[2].phone = "0123";
        doc->faxExt = "205";
        doc->maxRecordTime = 3;
        doc->workHours[1] = "8:30";
        doc->workHours[8] = "17:00";
        doc->ringDuration = 1;
        doc->pages[3][2].op = kPageOpToMailbox;
        doc->pages[3][2].target = {2, 0, 0, 0};
        doc->pages[3][2].targetInfo = 1;
        doc->dialStrings[4] = "0P12";
        return doc;
    }

    bool Send(CQelDoc& doc) {
        RecordingSink sink;
        CPlainTransferUi ui;
        OncePrompt prompt;
        CSendParamEngine engine(context, sink, ui, prompt, doc);
        engine.Run();
        return engine.Succeeded();
    }
    std::unique_ptr<CQelDoc> ReadCopy(const CQelDoc& doc) {
        auto copy = std::make_unique<CQelDoc>(doc);
        RecordingSink sink;
        CPlainTransferUi ui;
        CReadParamEngine engine(context, sink, ui, *copy);
        engine.Run();
        EXPECT_TRUE(engine.Succeeded());
        engine.ApplyTo(*copy);
        return copy;
    }
    static std::string Lines(const std::vector<ConfigDifference>& diffs) {
        std::string out;
        for (const auto& d : diffs)
            out += DifferenceLine(d) + "\n";
        return out;
    }
};

TEST_F(CompareWithUnit, ASentConfigurationMatchesTheUnit) {
    auto doc = Configuration();
    ASSERT_TRUE(Send(*doc));
    std::this_thread::sleep_for(milliseconds(100));
    const auto unit = ReadCopy(*doc);
    EXPECT_EQ(Lines(CompareConfigurations(*doc, *unit)), "");

    // A change after the send shows, with the configuration's value first.
    doc->faxExt = "206";
    EXPECT_EQ(Lines(CompareConfigurations(*doc, *unit)),
              "Parametri PBX | Interno Fax: 206 -> 205\n");

    // kivtool diff FILE --device PATH: the same comparison, exit 1; 0 once equal.
    const test::CTempDir dir("kiv-compare-unit");
    const std::string file = (dir.Path() / "site.qel").string();
    RecordingSink saveSink;
    ASSERT_TRUE(SaveConfiguration(*doc, file, false, saveSink));
    const auto reader = [this](const std::vector<std::string>& options, CQelDoc& out) {
        return ReadUnitConfiguration(options, out, context.timing);
    };
    const cli::Context ctx{dir.Path().string(), dir.Path().string()};
    ::testing::internal::CaptureStdout();
    const int differ = cli::RunDiff({file, "--device", Device(), "--timeout", "2"}, ctx, reader);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(differ, 1);
    EXPECT_EQ(out, "Parametri PBX | Interno Fax: 206 -> 205\n");

    doc->faxExt = "205";
    ASSERT_TRUE(SaveConfiguration(*doc, file, false, saveSink));
    ::testing::internal::CaptureStdout();
    const int same = cli::RunDiff({file, "--device", Device(), "--timeout", "2"}, ctx, reader);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(same, 0);
}

TEST_F(CompareWithUnit, AnUnreadableUnitIsExitStatusTwo) {
    auto doc = Configuration();
    const test::CTempDir dir("kiv-compare-none");
    const std::string file = (dir.Path() / "site.qel").string();
    RecordingSink saveSink;
    ASSERT_TRUE(SaveConfiguration(*doc, file, false, saveSink));
    const cli::Context ctx{dir.Path().string(), dir.Path().string()};
    const auto reader = [this](const std::vector<std::string>& options, CQelDoc& out) {
        return ReadUnitConfiguration(options, out, context.timing);
    };
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(
        cli::RunDiff({file, "--device", (dir.Path() / "no-such-port").string(), "--timeout", "1"},
                     ctx, reader),
        2);
    ::testing::internal::GetCapturedStderr();
}

} // namespace
} // namespace kiv
