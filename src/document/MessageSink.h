#pragma once
// The one way core routines talk to the user: every message box, question and
// prompt goes through a MessageSink. The GUI answers with real message boxes,
// kivtool with its command-line answers, tests with a scripted recorder.

#include <deque>
#include <string>
#include <vector>

namespace kiv {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// Texts are code page 1252 bytes, as every text of the document.
struct Message {
    std::string text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    std::string caption = "KIV";
};

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual MsgAnswer Ask(const Message& message) = 0;

    // A plain message box with an OK button.
    void Show(const std::string& text, MsgIcon icon = MsgIcon::None) {
        Ask(Message{text, MsgButtons::Ok, icon, "KIV"});
    }
    MsgAnswer Ask(const std::string& text, MsgButtons buttons, MsgIcon icon = MsgIcon::Question) {
        return Ask(Message{text, buttons, icon, "KIV"});
    }
};

// Records every message and answers from a script. When the script is empty
// it answers with the default for the buttons: OK, or Cancel/No where there
// is no OK (so an unexpected question never does something destructive).
class RecordingSink : public MessageSink {
  public:
    MsgAnswer Ask(const Message& message) override {
        messages.push_back(message);
        if (!answers.empty()) {
            MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (message.buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::OkCancel:
            return MsgAnswer::Cancel;
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Cancel;
        }
        return MsgAnswer::Cancel;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& m : messages)
            out.push_back(m.text);
        return out;
    }
    std::vector<Message> messages;
    std::deque<MsgAnswer> answers;
};

} // namespace kiv
