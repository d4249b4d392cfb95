#include "app/QelApp.h"

#include "app/MainFrame.h"
#include "app/MessageBoxSink.h"
#include "app/Profile.h"
#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "document/DocCommands.h"
#include "document/Texts.h"

#include <QDir>

namespace kiv {

CQelApp::CQelApp(MessageSink* sink, CShellDialogs* dialogs)
    : firstRun_(!CProfile::Exists()), profile_(std::make_unique<CProfile>()) {
    if (!sink) {
        ownSink_ = std::make_unique<CMessageBoxSink>();
        sink = ownSink_.get();
    }
    sink_ = sink;
    if (!dialogs) {
        ownDialogs_ = std::make_unique<CShellDialogs>(*sink_);
        dialogs = ownDialogs_.get();
    }
    dialogs_ = dialogs;

    doc_ = std::make_unique<CQelDoc>();
    doc_->startDir = NativePath(QDir::currentPath());
    doc_->currentDir = doc_->startDir;
    doc_->fileLocation = profile_->FileLocations();
}

CQelApp::~CQelApp() {
    ExitInstance();
    frame_.reset();
}

bool CQelApp::InitInstance(const QStringList& arguments) {
    if (hooks_.openPort) hooks_.openPort(*this);

    bool fileNamed = false;
    if (!arguments.isEmpty()) {
        // A name without extension means that name with the extension of the
        // product type, so the title, the file and its type agree.
        const std::string path =
            WithDefaultExtension(NativePath(arguments.front()), doc_->productType);
        std::vector<uint8_t> bytes;
        // Only a file that cannot be read ends the program; a refused load
        // has shown its message and the start-up goes on.
        if (!ReadWholeFile(path, bytes)) {
            sink_->Show(texts::kCannotOpenInput);
            return false;
        }
        fileNamed = OpenConfiguration(*doc_, path, *sink_);
        if (!fileNamed) {
            // Nothing the user made is lost: the default file takes its place
            // without the save question.
            doc_->modified = false;
        }
    } else {
        NewConfiguration(*doc_, 0);
    }

    frame_ = std::make_unique<CMainFrame>(*doc_, *sink_, *dialogs_, *profile_);
    if (ownSink_) ownSink_->SetParent(frame_.get());
    if (hooks_.frameCreated) hooks_.frameCreated(*this);
    frame_->ShowAtStart(!firstRun_);

    if (hooks_.selectPort) hooks_.selectPort(*this);
    if (hooks_.readFromUnit && hooks_.readFromUnit(*this)) doc_->readFromUnit = 1;
    // A file named on the command line stands in for the default file.
    if (doc_->readFromUnit != 1 && !fileNamed) frame_->OnFileOpenDefault();
    frame_->DocumentChanged();
    return true;
}

void CQelApp::ExitInstance() {
    if (exited_) return;
    exited_ = true;
    profile_->SetFileLocations(doc_->fileLocation);
    profile_->Sync();
}

} // namespace kiv
