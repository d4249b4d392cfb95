#pragma once
// "Ripristina" without its dialog: writes a backup file (".wax") back into a
// unit of the same kind, after the user agreed to lose what the unit holds.
// A file that does not fit the unit is refused before any of its data is sent.

#include "unit/transfer/UnitFileTransfer.h"

namespace kiv {

class CRestoreEngine : public CUnitFileTransfer {
  public:
    using CUnitFileTransfer::CUnitFileTransfer;

    // Most blocks a unit takes for each step of its memory size factor.
    static constexpr unsigned blocksPerMemoryFactor = 2011;

  private:
    TransferEnd Transfer() override;
    // The end of a restore given up before any of its data: "$$X" between pauses.
    TransferEnd GiveUp(CUnitSession& session, TransferEnd end);
};

} // namespace kiv
