#pragma once
// CTonesEdit: the "Toni Chiamata" tab of "Parametri PBX": the on and off
// times of the PBX's busy and disconnect tones (100 to 3000 ms in steps of
// 20) and the DTMF code by which the PBX signals a disconnect.

#include "editors/TransferFields.h"

#include <optional>
#include <string>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

inline constexpr int kMinToneTime = 100;
inline constexpr int kMaxToneTime = 3000;
inline constexpr NumberRule kToneTimeRule{kMinToneTime, kMaxToneTime, kTimeStep};
inline constexpr int kDisconnectCodeMaxLength = 4;

class CTonesEdit {
  public:
    explicit CTonesEdit(const CQelDoc& doc);

    // Busy off, busy on, disconnect off, disconnect on, then the code.
    FieldCheck<TransferField> Check() const;
    std::optional<TransferField> CheckTime(TransferField field) const;
    std::optional<TransferField> CheckDisconnectCode() const;
    // After Check passed.
    void ApplyTo(CQelDoc& doc) const;

    std::string& Time(TransferField field);
    const std::string& Time(TransferField field) const;

    std::string busyToneOn;
    std::string busyToneOff;
    std::string disconnectToneOn;
    std::string disconnectToneOff;
    std::string disconnectCode;
};

} // namespace kiv::editors
