#pragma once
// The "&Password" command without its dialog: ask the current password,
// identify the unit and compare, then ask the new password twice. The unit
// receives the new password with the next send of the parameters.

#include "unit/link/UnitSession.h"

#include <optional>
#include <string>

namespace kiv {

// The password dialog: caption and prompt come from the caller, the preset
// text is shown selected. Nothing for Cancel; otherwise at most eight digits
// (the dialog refuses anything else with "Errore inserimento").
class PasswordPrompt {
  public:
    virtual ~PasswordPrompt() = default;
    virtual std::optional<std::string> Ask(const std::string& caption, const std::string& prompt,
                                           const std::string& preset) = 0;
};

struct PasswordChange {
    bool changed = false;    // the document's passwordChanged
    std::string newPassword; // becomes unitPassword when changed
    std::string unitPasswordRead;
};

// Runs the command over session (which identifies with the document's
// product type). The exchange ends with "$$X" once the unit has been asked.
PasswordChange RunChangePassword(CUnitSession& session, PasswordPrompt& prompt);

} // namespace kiv
