#pragma once
// Forwards messages asked from a transfer's worker thread to a sink that
// lives on the user-interface thread (message boxes may only open there),
// and waits for the answer.

#include "document/MessageSink.h"
#include "unit/link/PasswordCommand.h"

class QObject;

namespace kiv {

class CGuiThreadSink : public MessageSink {
  public:
    // `context` is any object of the user-interface thread.
    CGuiThreadSink(MessageSink& inner, QObject* context) : inner_(inner), context_(context) {}
    using MessageSink::Ask;
    MsgAnswer Ask(const Message& message) override;

  private:
    MessageSink& inner_;
    QObject* context_;
};

// The same for the password prompt of a transfer running on a worker thread.
class CGuiThreadPrompt : public PasswordPrompt {
  public:
    CGuiThreadPrompt(PasswordPrompt& inner, QObject* context) : inner_(inner), context_(context) {}
    std::optional<std::string> Ask(const std::string& caption, const std::string& prompt,
                                   const std::string& preset) override;

  private:
    PasswordPrompt& inner_;
    QObject* context_;
};

} // namespace kiv
