#pragma once
// CQelApp: the application object. It owns the profile, the document, the
// message interface, the dialogs and the main frame, and runs the start-up
// sequence:
//   1. the serial settings are loaded and the port test-opened (hook);
//   2. the recent files come from the profile (the frame reads them);
//   3. the command line: no argument gives a new configuration, a file name
//      loads that file (a file that cannot be opened ends the program);
//   4. the frame is created;
//   5. it is shown at its saved placement, or at 6, 1, 610 x 451 on a first
//      run (no profile file);
//   6. the port selection (hook);
//   7. the read from the unit (hook; success puts the document on line);
//   8. when the document is not on line (and no file was named), "Apri
//      &Default" runs.
// At exit the folder settings go back to the profile.
//
// The subsystems attach their start-up steps and commands through the
// installer list (kiv/Installers.h), which main() walks before InitInstance.

#include "document/QelDoc.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace kiv {

class CMainFrame;
class CMessageBoxSink;
class CProfile;
class CShellDialogs;
class MessageSink;

// A part of the program that lives as long as the application object: a
// subsystem's commands and the state they keep between commands.
class CAppPart {
  public:
    virtual ~CAppPart() = default;
};

class CQelApp {
  public:
    struct Hooks {
        std::function<void(CQelApp&)> openPort; // step 1
        // After step 4: the frame exists; each subsystem's commands attach
        // here, in the order they were added.
        std::vector<std::function<void(CQelApp&)>> frameCreated;
        std::function<void(CQelApp&)> selectPort;   // step 6
        std::function<bool(CQelApp&)> readFromUnit; // step 7: true when read
    };

    // Without a sink or dialogs the real message boxes and dialogs are used.
    explicit CQelApp(MessageSink* sink = nullptr, CShellDialogs* dialogs = nullptr);
    ~CQelApp();
    CQelApp(const CQelApp&) = delete;
    CQelApp& operator=(const CQelApp&) = delete;

    Hooks& StartupHooks() { return hooks_; }

    // Keeps a part alive as long as the application (destroyed after the frame).
    template <class Part> Part& AddPart(std::unique_ptr<Part> part) {
        Part& kept = *part;
        parts_.push_back(std::move(part));
        return kept;
    }
    // The first part of a type, or null.
    template <class Part> Part* FindPart() const {
        for (const auto& part : parts_)
            if (auto* found = dynamic_cast<Part*>(part.get())) return found;
        return nullptr;
    }

    // Runs the start-up sequence with the program's arguments (without the
    // program name). False when the program must end.
    bool InitInstance(const QStringList& arguments);

    // Writes the folder settings (at exit; the destructor calls it too).
    void ExitInstance();

    bool FirstRun() const { return firstRun_; }
    CQelDoc& Doc() { return *doc_; }
    CMainFrame* Frame() const { return frame_.get(); }
    CProfile& Profile() const { return *profile_; }
    MessageSink& Sink() const { return *sink_; }
    CShellDialogs& Dialogs() const { return *dialogs_; }

  private:
    bool firstRun_;
    bool exited_ = false;
    std::unique_ptr<CProfile> profile_;
    std::unique_ptr<CMessageBoxSink> ownSink_;
    std::unique_ptr<CShellDialogs> ownDialogs_;
    MessageSink* sink_;
    CShellDialogs* dialogs_;
    std::unique_ptr<CQelDoc> doc_;
    std::vector<std::unique_ptr<CAppPart>> parts_;
    std::unique_ptr<CMainFrame> frame_;
    Hooks hooks_;
};

} // namespace kiv
