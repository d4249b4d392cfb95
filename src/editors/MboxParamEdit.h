#pragma once
// CMboxParamEdit: the "Parametri" tab of "Lista Caselle", the settings all
// mailboxes share: the key that interrupts a greeting to retrieve messages
// (never the operator key) and how many days messages are archived.

#include "editors/FieldCheck.h"

#include <string>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

enum class MboxParField { ListenKey, ArchiveDays };

inline constexpr int kMaxArchiveDays = 99;
inline constexpr NumberRule kArchiveDaysRule{0, kMaxArchiveDays};

class CMboxParamEdit {
  public:
    explicit CMboxParamEdit(const CQelDoc& doc);

    // The key is the value of the key field's first character (anything but
    // a digit, or nothing, reads as 0) and must differ from the operator key;
    // the days must be digits only, 0 to 99.
    FieldCheck<MboxParField> Check() const;
    // After Check passed.
    void ApplyTo(CQelDoc& doc) const;

    int ListenKeyValue() const;

    std::string listenKey;
    std::string archiveDays;
    int operatorKey = 0; // shown read-only
};

} // namespace kiv::editors
