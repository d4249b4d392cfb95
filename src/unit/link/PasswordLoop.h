#pragma once
// The password step that opens every transfer that changes the unit: ask the
// password, identify the unit, compare, and on a wrong password sign off,
// say "Password errata" and ask again. An empty answer or Cancel stops.

#include "unit/link/PasswordCommand.h"
#include "unit/link/TransferEnd.h"
#include "unit/link/UnitSession.h"

#include <functional>
#include <string>

namespace kiv {

struct PasswordLoopOptions {
    // How the identification refuses a unit of another product type.
    IdentifyOptions identify;
    // A further check of the identified unit; the text it returns (non-empty)
    // is shown after "$$X" and refuses the unit.
    std::function<std::string(const CUnitIdentity&)> refusal;
    // The password the answer must match; the unit's own when not set.
    std::function<std::string(const CUnitIdentity&)> expected;
};

class CPasswordLoop {
  public:
    CPasswordLoop(CUnitSession& session, PasswordPrompt& prompt)
        : session_(session), prompt_(prompt) {}

    // Completed once the unit took the password; Stopped for Cancel, an empty
    // answer or a cancelled wait; Refused or Failed with the message shown.
    TransferEnd Run(const PasswordLoopOptions& options);

    // The last answer typed; presets the prompt (also the next time).
    std::string typed;

  private:
    CUnitSession& session_;
    PasswordPrompt& prompt_;
};

} // namespace kiv
