#pragma once
// How a transfer with the unit ended, finer than its dialog's result flag:
// kivtool turns it into an exit status, tests check it.

#include "document/MessageSink.h"
#include "unit/link/Texts.h"

#include <exception>

namespace kiv {

enum class TransferEnd {
    Completed, // everything moved; the success message has been shown
    Failed,    // a fault of the line or of the data; its message has been shown
    Refused,   // the unit does not suit the configuration (version, type, language, password)
    Stopped,   // the user's answer or a cancelled wait ended it
};

// 0 completed, 2 refused or stopped, 1 failed.
inline int ExitStatus(TransferEnd end) {
    switch (end) {
    case TransferEnd::Completed:
        return 0;
    case TransferEnd::Refused:
    case TransferEnd::Stopped:
        return 2;
    case TransferEnd::Failed:
        break;
    }
    return 1;
}

// Runs a transfer's body so that nothing it throws (memory that cannot be
// had, a fault of the system) leaves the engine's thread: the links it held
// are closed on the way out, "Errore di Sistema" is shown and the transfer
// ends as failed.
template <class Body> TransferEnd GuardTransfer(MessageSink& messages, Body&& body) {
    try {
        return body();
    } catch (...) {
    }
    try {
        messages.Show(texts::systemError);
    } catch (...) {
    }
    return TransferEnd::Failed;
}

} // namespace kiv
