#pragma once
// The fields of the three transfer tabs of "Parametri PBX" ("Trasferta
// Chiamate", "Supervisione", "Toni Chiamata"), and the check of the wizard's
// page that gathers some of each.

#include "editors/FieldCheck.h"

namespace kiv::editors {

inline constexpr int kTimeStep = 20; // the millisecond times' step

enum class TransferField {
    // "Trasferta Chiamate"
    Flash1,
    TransferCode,
    RecallOnBusy,
    RecallOnNoAnswer,
    // "Supervisione"
    AnswerSignal,
    BusySignal,
    DndSignal,
    NoAnswerWait,
    VoiceSensitivity,
    // "Toni Chiamata"
    BusyToneOff,
    BusyToneOn,
    DisconnectToneOff,
    DisconnectToneOn,
    DisconnectCode,
};

// "Errore inserimento" on `field`; none when there is no field.
FieldCheck<TransferField> InputError(std::optional<TransferField> field);

class CCallTranEdit;
class CSuperEdit;
class CTonesEdit;

// The wizard's transfer page: the no-answer wait (1 to 99 there), the voice
// sensitivity, the flash time's range, the three codes, the flash time's
// step, the busy tone's on and off times and the disconnect code, in that
// order. The supervision type, the signals and the disconnect tone times are
// not on that page and not checked.
FieldCheck<TransferField> CheckWizardSuper(const CCallTranEdit& callTran, const CSuperEdit& super,
                                           const CTonesEdit& tones);

} // namespace kiv::editors
