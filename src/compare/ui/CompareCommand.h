#pragma once
// "Confronta con l'&Unità": reads the unit's configuration into a copy (the
// reading's own dialog and messages; the document is not touched), shows the
// differences from the document, and goes on to the send when the user
// chooses "&Spedisci".

#include "app/QelApp.h"

namespace kiv {

class CUnitCommands;

class CCompareCommand : public CAppPart {
  public:
    explicit CCompareCommand(CQelApp& app) : app_(app) {}
    void Install();
    // The command; false when the unit could not be read.
    bool Run();

  private:
    CQelApp& app_;
};

// The installer: attaches the command to the frame; it uses the link that
// the unit commands keep, so it is installed after them.
void InstallCompareCommand(CQelApp& app);

} // namespace kiv
