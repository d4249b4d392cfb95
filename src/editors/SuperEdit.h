#pragma once
// CSuperEdit: the "Supervisione" tab of "Parametri PBX": how the unit
// supervises a transfer (by call-progress tones, or by DTMF signals from the
// PBX, which only then are filled in), the transfer mode towards the operator
// and towards other extensions, the no-answer wait and the voice sensitivity.

#include "editors/TransferFields.h"

#include <optional>
#include <string>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

inline constexpr int kSignalMaxLength = 4;
inline constexpr int kMaxNoAnswerWait = 99;
inline constexpr int kMinVoiceSensitivity = 1;
inline constexpr int kMaxVoiceSensitivity = 9;

// The transfer-mode buttons read "Senza Controllo", "Controllo Parziale",
// "Con Controllo", while the stored modes are 0 "Senza Controllo", 1 "Con
// Controllo", 2 "Controllo Parziale". A stored mode outside 0-2 checks no
// button (-1), and a button outside 0-2 is no mode (-1).
int TransferModeButton(int mode);
int TransferModeOfButton(int button);

class CSuperEdit {
  public:
    explicit CSuperEdit(const CQelDoc& doc);

    // The list's choice: 0 by tones, 1 by key (any stored value but 0).
    int SupervisionChoice() const { return supervisionType != 0 ? 1 : 0; }
    bool SignalsEnabled() const { return supervisionType != 0; }
    // Choosing supervision by tones empties the three signals.
    void SetSupervisionChoice(int choice);

    // The three signals (at most 4 DTMF digits each; unchecked under tone
    // supervision, where they are disabled), the no-answer wait
    // (0 to 99, an empty field reading as 0), the voice sensitivity (1 to 9).
    FieldCheck<TransferField> Check() const;
    std::optional<TransferField> CheckNoAnswerWait(int minimum) const;
    std::optional<TransferField> CheckVoiceSensitivity() const;
    // After Check passed.
    void ApplyTo(CQelDoc& doc) const;

    int supervisionType = 0;
    std::string answerSignal;
    std::string busySignal;
    std::string dndSignal;
    int transferModeOperator = 0; // stored values
    int transferModeOther = 0;
    std::string noAnswerWait;
    std::string voiceSensitivity;
};

} // namespace kiv::editors
