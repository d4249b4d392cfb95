#include "editors/TransferFields.h"

#include "editors/CallTranEdit.h"
#include "editors/SuperEdit.h"
#include "editors/Texts.h"
#include "editors/TonesEdit.h"

namespace kiv::editors {

FieldCheck<TransferField> InputError(std::optional<TransferField> field) {
    if (!field) return std::nullopt;
    return FieldError<TransferField>{*field, texts::kInputError};
}

FieldCheck<TransferField> CheckWizardSuper(const CCallTranEdit& callTran, const CSuperEdit& super,
                                           const CTonesEdit& tones) {
    // The wizard refuses a no-answer wait of 0.
    for (auto field : {super.CheckNoAnswerWait(1), super.CheckVoiceSensitivity(),
                       callTran.CheckFlashRange(), callTran.CheckCodes(), callTran.CheckFlashStep(),
                       tones.CheckTime(TransferField::BusyToneOn),
                       tones.CheckTime(TransferField::BusyToneOff), tones.CheckDisconnectCode()})
        if (field) return InputError(field);
    return std::nullopt;
}

} // namespace kiv::editors
