#pragma once
// The commands of the kiv program, attached as its main() attaches them: the
// unit's start-up steps and link commands, and the editors' commands once the
// frame exists. Tests start the program through the same installation.

#include "unit/ui/UnitCommands.h"

namespace kiv {

class CQelApp;

class CProgramCommands {
  public:
    // Installs into `app` before its start-up (InitInstance).
    explicit CProgramCommands(CQelApp& app);

    CUnitCommands& Unit() { return unit_; }

  private:
    CUnitCommands unit_;
};

} // namespace kiv
