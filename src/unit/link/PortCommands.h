#pragma once
// The serial steps of start-up and of the port selection command, without
// their windows: test-open the port, say when it cannot be opened, and let
// the link's destruction rewrite rs_setup.cfg.

#include "document/MessageSink.h"
#include "unit/link/LinkContext.h"

#include <optional>

namespace kiv {

// Start-up: fixes the settings path (rs_setup.cfg in startDir when it is
// there, else in configDir), reads the file and test-opens the port. When it
// does not open, "Impossibile aprire la porta COM" with the exclamation icon;
// start-up goes on either way. True when the port opened.
bool StartupSerialCheck(CLinkContext& context, MessageSink& messages, const std::string& startDir,
                        const std::string& configDir = {});

// After the "Selezione Porta COM" dialog: chosenIndex is the port index 0..3
// picked with OK, or nothing for Cancel. The port is test-opened in both
// cases and the file rewritten. Returns the document's port index to keep.
int ApplyPortSelection(CLinkContext& context, MessageSink& messages, std::optional<int> chosenIndex,
                       int currentIndex);

// Test-opens the port with the present settings; the link's destruction
// rewrites rs_setup.cfg. False (and the message) when it does not open.
bool TestOpenPort(CLinkContext& context, MessageSink& messages, MsgIcon icon = MsgIcon::None);

} // namespace kiv
