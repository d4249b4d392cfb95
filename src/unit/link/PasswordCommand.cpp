#include "unit/link/PasswordCommand.h"

#include "unit/link/Texts.h"

namespace kiv {

namespace {

// Asks the new password, then its confirmation until both agree.
std::optional<std::string> AskNewPassword(CUnitSession& session, PasswordPrompt& prompt) {
    const auto entered = prompt.Ask(texts::changePasswordCaption, texts::newPasswordPrompt, "");
    if (!entered) return std::nullopt;
    for (;;) {
        const auto confirmed =
            prompt.Ask(texts::changePasswordCaption, texts::confirmPasswordPrompt, "");
        if (!confirmed) return std::nullopt;
        if (*confirmed == *entered) return entered;
        session.Messages().Show(texts::wrongPassword);
    }
}

} // namespace

PasswordChange RunChangePassword(CUnitSession& session, PasswordPrompt& prompt) {
    PasswordChange result;
    auto typed = prompt.Ask(texts::changePasswordCaption, texts::currentPasswordPrompt, "");
    if (!typed) return result;
    if (!typed->empty() && session.ConnectUnit() == CUnitSession::resultOk) {
        result.unitPasswordRead = session.Identity().password;
        while (typed && !typed->empty() && *typed != result.unitPasswordRead) {
            session.Messages().Show(texts::wrongPassword);
            typed = prompt.Ask(texts::changePasswordCaption, texts::currentPasswordPrompt, "");
        }
        if (typed && !typed->empty()) {
            if (auto fresh = AskNewPassword(session, prompt)) {
                result.changed = true;
                result.newPassword = *fresh;
            }
        }
    }
    session.SignOff();
    return result;
}

} // namespace kiv
