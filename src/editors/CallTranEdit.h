#pragma once
// CCallTranEdit: the "Trasferta Chiamate" tab of "Parametri PBX": the codes
// with which the unit transfers a call and takes it back, and the hook-flash
// time (in steps of 20 ms). The second flash time is not shown and goes back
// as it came.

#include "editors/TransferFields.h"

#include <optional>
#include <string>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

inline constexpr int kTransferCodeMaxLength = 20;
inline constexpr int kMaxFlash = 980;
inline constexpr NumberRule kFlashRule{0, kMaxFlash, kTimeStep};

class CCallTranEdit {
  public:
    explicit CCallTranEdit(const CQelDoc& doc);

    // The flash time's range, the three codes (1 to 20 characters each), then
    // the flash time's step.
    FieldCheck<TransferField> Check() const;
    // The parts of the check the wizard runs separately.
    std::optional<TransferField> CheckFlashRange() const;
    std::optional<TransferField> CheckCodes() const;
    std::optional<TransferField> CheckFlashStep() const;
    // After Check passed.
    void ApplyTo(CQelDoc& doc) const;

    std::string transferCode;
    std::string recallOnBusy;
    std::string recallOnNoAnswer;
    std::string flash1;
    int flash2 = 0;
};

} // namespace kiv::editors
