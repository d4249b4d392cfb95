#include "unit/link/PasswordLoop.h"

#include "unit/link/Texts.h"

namespace kiv {

TransferEnd CPasswordLoop::Run(const PasswordLoopOptions& options) {
    auto answer = prompt_.Ask(texts::passwordCaption, texts::passwordPrompt, typed);
    for (;;) {
        if (!answer || answer->empty()) return TransferEnd::Stopped;
        typed = *answer;
        session_.Ui().SetStatusText(texts::pleaseWait);
        session_.options = options.identify;
        const int connected = session_.ConnectUnit();
        if (connected != CUnitSession::resultOk) return session_.ConnectEnd(connected);
        if (options.refusal) {
            const std::string why = options.refusal(session_.Identity());
            if (!why.empty()) {
                session_.SignOff();
                session_.Messages().Show(why);
                return TransferEnd::Refused;
            }
        }
        const std::string expected =
            options.expected ? options.expected(session_.Identity()) : session_.Identity().password;
        if (*answer == expected) return TransferEnd::Completed;
        session_.SignOff();
        session_.Messages().Show(texts::wrongPassword);
        answer = prompt_.Ask(texts::passwordCaption, texts::passwordPrompt, typed);
    }
}

} // namespace kiv
