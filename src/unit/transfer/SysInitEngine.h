#pragma once
// "Inizializzazione Sistema" without its dialog: loads a system image file
// (".vox") into the unit, after the user agreed to lose what the unit holds.
// It identifies the unit itself, on the link that then carries the image,
// without waiting for a free line.

#include "unit/transfer/UnitFileTransfer.h"

#include <array>

namespace kiv {

class CSysInitEngine : public CUnitFileTransfer {
  public:
    using CUnitFileTransfer::CUnitFileTransfer;

    // First byte of a status reply that says the unit takes no system image.
    static constexpr std::uint8_t noImageTaken = 0x0E;

    // The version digits of the file's header (after Run).
    const std::array<std::uint8_t, 3>& ImageVersion() const { return version_; }

  private:
    TransferEnd Transfer() override;

    std::array<std::uint8_t, 3> version_{};
};

} // namespace kiv
