#pragma once
// "Salvataggio" without its dialog: copies the unit's memory, its blocks and
// its page area, into a backup file (".wax").

#include "unit/transfer/UnitFileTransfer.h"

namespace kiv {

class CBackupEngine : public CUnitFileTransfer {
  public:
    using CUnitFileTransfer::CUnitFileTransfer;

  private:
    TransferEnd Transfer() override;
    // count bytes awaited one by one, summed and written to file, then the
    // checksum; stepBytes steps the progress once a byte.
    bool Receive(CUnitSession& session, CSerialLink& link, std::FILE* file, std::size_t count,
                 bool stepBytes);
};

} // namespace kiv
