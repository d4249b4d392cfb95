#pragma once
// CSysParEdit: the fields of "Parametri Sistema" (longest recording, automatic
// volume, default language, name directory order), the warning that follows
// each change of the recording time, and the leave check.

#include "editors/FieldCheck.h"

#include <string>
#include <string_view>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

enum class SysParField { MaxRecordTime };

inline constexpr int kMinRecordTime = 1;
inline constexpr int kMaxRecordTime = 9;
inline constexpr NumberRule kRecordTimeRule{kMinRecordTime, kMaxRecordTime};

class CSysParEdit {
  public:
    explicit CSysParEdit(const CQelDoc& doc);

    // Every change of the recording-time text. The first one is the page
    // filling the field and passes silently; each later one returns the
    // warning to show (it refuses nothing).
    std::string OnRecordTimeChanged(std::string_view text);

    // The recording time must be digits only, 1 to 9.
    FieldCheck<SysParField> Check() const;
    // After Check passed.
    void ApplyTo(CQelDoc& doc) const;

    std::string recordTime;
    bool autoVolume = true;
    int defaultLanguage = 0;
    int nameOrder = 0;

  private:
    bool filled_ = false;
};

} // namespace kiv::editors
