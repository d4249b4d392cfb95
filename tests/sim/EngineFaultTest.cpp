// Whatever goes wrong inside a transfer engine (here: memory that cannot be
// had, thrown by the port at the first byte read and in the middle of the
// exchange) ends as a message and a failed transfer: nothing leaves the
// engine, every port it opened is closed, the document it worked from is
// as it was and no file is left half-written.

#include "document/DocCommands.h"
#include "document/QelFile.h"
#include "sim/SimSerialPort.h"
#include "support/FileBytes.h"
#include "support/SimLink.h"
#include "support/TempDir.h"
#include "unit/transfer/BackupEngine.h"
#include "unit/transfer/ReadParamEngine.h"
#include "unit/transfer/ReadRecordingEngine.h"
#include "unit/transfer/RestoreEngine.h"
#include "unit/transfer/SendParamEngine.h"
#include "unit/transfer/SendRecordingEngine.h"
#include "unit/transfer/SysInitEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <set>

using namespace kiv;
using namespace kiv::sim;
namespace fs = std::filesystem;

namespace {

// The simulated unit's port, throwing std::bad_alloc at the n-th read.
class ThrowingPort : public ISerialPort {
  public:
    struct Counts {
        int reads = 0, opens = 0, closes = 0;
        int throwAt = 0;
    };
    ThrowingPort(std::unique_ptr<ISerialPort> inner, Counts& counts)
        : inner_(std::move(inner)), counts_(counts) {}
    bool Open(const std::string& device, const LineParams& line) override {
        const bool ok = inner_->Open(device, line);
        counts_.opens += ok;
        return ok;
    }
    bool IsOpen() const override { return inner_->IsOpen(); }
    bool Write(const std::uint8_t* data, std::size_t count) override {
        return inner_->Write(data, count);
    }
    std::size_t BytesWaiting() override { return inner_->BytesWaiting(); }
    bool WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) override {
        return inner_->WaitForBytes(count, timeout);
    }
    long Read(std::uint8_t* dest, std::size_t count) override {
        if (++counts_.reads == counts_.throwAt) throw std::bad_alloc();
        return inner_->Read(dest, count);
    }
    void Flush() override { inner_->Flush(); }
    void SetBreak(bool on) override { inner_->SetBreak(on); }
    void Close() override {
        if (inner_->IsOpen()) ++counts_.closes;
        inner_->Close();
    }

  private:
    std::unique_ptr<ISerialPort> inner_;
    Counts& counts_;
};

// Makes the engine, runs it and says how it ended.
template <class Engine, class... Args> TransferEnd RunEngine(Args&&... args) {
    Engine engine(std::forward<Args>(args)...);
    engine.Run();
    return engine.End();
}

} // namespace

TEST(EngineFault, NothingThrownLeavesAnEngine) {
    test::CTempDir temp("kiv-engine-fault");
    const fs::path dir = temp.Path();
    // A page file, a backup file and a system image the engines can start on.
    test::WriteAll(dir / "p05", [] {
        std::vector<std::uint8_t> f(117, 0);
        f[44] = 1; // one block of 2 x 16 bytes
        f[45] = 2;
        f[47] = 16;
        f.resize(117 + 32, 0x33);
        return f;
    }());
    test::WriteAll(dir / "image.vox", [] {
        std::vector<std::uint8_t> f{5, 1, 0, 1, 0}; // one block of 2 x 64 bytes
        f.resize(f.size() + 2 * 64, 9);
        return f;
    }());
    test::WriteAll(dir / "unit.wax", [] {
        const std::string identity = "7.01DKL07/12/2026WAX file(KIV)";
        std::vector<std::uint8_t> f(identity.begin(), identity.end());
        f.resize(44, 0);
        f.insert(f.end(), {3, 0, 2, 0, 64, 0, 0x00, 0x10}); // N 3, K 2, U 64, A 4096
        f.resize(f.size() + 3 * 2 * 64 + 4096, 0x5A);
        return f;
    }());

    using Run = std::function<TransferEnd(CLinkContext&, MessageSink&, CQelDoc&)>;
    CPlainTransferUi ui;
    test::UnitPassword prompt;
    const std::string folder = dir.string();
    RecordingRequest page;
    page.pageFiles[5] = (dir / "p05").string();
    const std::vector<std::pair<const char*, Run>> engines = {
        {"read parameters",
         [&](auto& c, auto& s, auto& doc) { return RunEngine<CReadParamEngine>(c, s, ui, doc); }},
        {"send parameters",
         [&](auto& c, auto& s, auto& doc) {
             return RunEngine<CSendParamEngine>(c, s, ui, prompt, doc);
         }},
        {"read recordings",
         [&](auto& c, auto& s, auto& doc) {
             return RunEngine<CReadRecordingEngine>(c, s, ui, RecordingRequest::From(doc, 0));
         }},
        {"send recordings",
         [&](auto& c, auto& s, auto&) {
             return RunEngine<CSendRecordingEngine>(c, s, ui, prompt, page);
         }},
        {"backup",
         [&](auto& c, auto& s, auto& doc) {
             return RunEngine<CBackupEngine>(c, s, ui, doc, "unit", folder);
         }},
        {"system initialization",
         [&](auto& c, auto& s, auto& doc) {
             return RunEngine<CSysInitEngine>(c, s, ui, doc, "image", folder);
         }},
        {"restore",
         [&](auto& c, auto& s, auto& doc) {
             return RunEngine<CRestoreEngine>(c, s, ui, doc, "unit", folder);
         }},
    };

    for (const auto& [name, run] : engines) {
        for (const int throwAt : {1, 40}) {
            SCOPED_TRACE(std::string(name) + ", read " + std::to_string(throwAt));
            CSimConfig config;
            config.pauseScale = 0;
            config.memoryBlocks = 3;
            config.sectionBlocks = 2;
            config.blockSize = 64;
            config.recordings = {{5, 1}};
            auto line = std::make_shared<CSimSerialPort::Line>(std::move(config), "sim0");
            ThrowingPort::Counts counts;
            counts.throwAt = throwAt;
            CLinkContext context = test::SimLinkContext(line, std::chrono::milliseconds(20));
            context.portFactory = [line, &counts] {
                return std::make_unique<ThrowingPort>(CSimSerialPort::Factory(line)(), counts);
            };

            CQelDoc doc;
            NewConfiguration(doc, 0);
            doc.commTimeout = 1;
            doc.pageFile[5] = (dir / "p05").string();
            const std::string before = StoreConfiguration(doc);
            RecordingSink sink;
            sink.answers = {MsgAnswer::Ok};
            std::set<std::string> listed;
            for (const auto& entry : fs::directory_iterator(dir))
                listed.insert(entry.path().filename().string());

            EXPECT_EQ(run(context, sink, doc), TransferEnd::Failed);
            ASSERT_FALSE(sink.Texts().empty());
            EXPECT_EQ(sink.Texts().back(), "Errore di Sistema");
            EXPECT_GE(counts.reads, throwAt);
            EXPECT_EQ(counts.opens, counts.closes);
            EXPECT_EQ(StoreConfiguration(doc), before);
            std::set<std::string> after;
            for (const auto& entry : fs::directory_iterator(dir))
                after.insert(entry.path().filename().string());
            EXPECT_EQ(after, listed);
        }
    }
}
