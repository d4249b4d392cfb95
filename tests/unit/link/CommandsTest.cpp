// The port selection, start-up check and password command over the
// in-process simulated unit.

#include "sim/SimSerialPort.h"
#include "unit/link/PasswordCommand.h"
#include "unit/link/PortCommands.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>

using namespace kiv;
using namespace kiv::sim;
namespace fs = std::filesystem;

namespace {

struct ScriptedPrompt : PasswordPrompt {
    std::optional<std::string> Ask(const std::string& caption, const std::string& prompt,
                                   const std::string&) override {
        asked.push_back(prompt);
        EXPECT_EQ(caption, "Cambiare Password");
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> asked;
};

struct Commands : ::testing::Test {
    Commands() {
        CSimConfig config;
        config.password = "4321";
        line = std::make_shared<CSimSerialPort::Line>(config, "sim0");
        context.settingsPath.clear();
        context.ports.SetDevice(2, "sim0");
        context.portFactory = CSimSerialPort::Factory(line);
        context.timing = CLinkTiming{}.Scaled(0.0);
        context.timing.second = std::chrono::milliseconds(20);
    }
    PasswordChange Run(std::deque<std::optional<std::string>> answers) {
        prompt.answers = std::move(answers);
        CUnitSession session(context, sink, ui, 1, 0);
        return RunChangePassword(session, prompt);
    }
    std::vector<std::string> Log() const { return line->sim.Log(); }

    std::shared_ptr<CSimSerialPort::Line> line;
    CLinkContext context;
    RecordingSink sink;
    CPlainTransferUi ui;
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(Commands, CancelInThePortDialogStillTestOpensAndRewrites) {
    const test::CTempDir temp("kiv-port-commands");
    const fs::path& dir = temp.Path();
    EXPECT_TRUE(StartupSerialCheck(context, sink, dir.string()));
    EXPECT_EQ(fs::file_size(dir / "rs_setup.cfg"), 20u);

    line->present = false;
    fs::remove(dir / "rs_setup.cfg");
    EXPECT_EQ(ApplyPortSelection(context, sink, std::nullopt, 1), 1);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Impossibile aprire la porta COM"});
    EXPECT_EQ(fs::file_size(dir / "rs_setup.cfg"), 20u);

    // OK with port 4: stored as field 5 and written out.
    EXPECT_EQ(ApplyPortSelection(context, sink, 3, 1), 3);
    EXPECT_EQ(context.settings.portNumber, 4);
    CSerialSettings reread;
    ASSERT_TRUE(reread.Load((dir / "rs_setup.cfg").string()));
    EXPECT_EQ(reread.portNumber, 4);

    // At start-up the failure carries the exclamation icon.
    sink.messages.clear();
    EXPECT_FALSE(StartupSerialCheck(context, sink, dir.string()));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(sink.messages[0].caption, "KIV");
}

TEST_F(Commands, PasswordChangedAfterRetries) {
    const auto r = Run({"1111", "4321", "5555", "5556", "5555"});
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.newPassword, "5555");
    EXPECT_EQ(r.unitPasswordRead, "4321");
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"Password errata", "Password errata"}));
    const std::vector<std::string> asked = {
        "Digitare la Password corrente", "Digitare la Password corrente",
        "Digitare la nuova Password", "Confermare la nuova Password",
        "Confermare la nuova Password"};
    EXPECT_EQ(prompt.asked, asked);
    EXPECT_EQ(Log(), (std::vector<std::string>{"E$$R", "E$$V", "$$X"}));
}

TEST_F(Commands, PasswordCommandEndings) {
    // Cancel at the first question: nothing is sent.
    EXPECT_FALSE(Run({std::nullopt}).changed);
    EXPECT_TRUE(Log().empty());
    // An empty password: only the sign-off.
    EXPECT_FALSE(Run({""}).changed);
    EXPECT_EQ(Log(), std::vector<std::string>{"$$X"});
    // Wrong, then empty: ends after "Password errata" with the sign-off.
    EXPECT_FALSE(Run({"9", ""}).changed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Password errata"});
    EXPECT_EQ(Log().back(), "$$X");
    // Cancel at the confirmation.
    EXPECT_FALSE(Run({"4321", "12", std::nullopt}).changed);
    // A unit that does not answer: the message, then the sign-off.
    sink.messages.clear();
    line->sim.Config().faults = {{SimFault::Kind::Silence, 'V', 0, 1}};
    EXPECT_FALSE(Run({"4321"}).changed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Time-out Comunicazione"});
    EXPECT_EQ(Log().back(), "$$X");
}
