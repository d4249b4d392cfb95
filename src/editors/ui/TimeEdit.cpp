#include "editors/ui/TimeEdit.h"

#include "app/QtText.h"

#include <QFontMetrics>

namespace kiv {

CTimeEdit::CTimeEdit(QWidget* parent) : CMaskEdit(editors::CMaskEngine::Time(), parent) {
    // Wide enough for "00:00" and the frame, no wider.
    setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 16);
}

void CTimeEdit::SetMaxHours(int hours) {
    MutableEngine().SetMaxHours(hours);
}

void CTimeEdit::SetMaxMinutes(int minutes) {
    MutableEngine().SetMaxMinutes(minutes);
}

void CTimeEdit::SetTime(const QTime& time) {
    std::optional<LocalTime> value;
    if (time.isValid()) {
        value.emplace();
        value->hour = time.hour();
        value->minute = time.minute();
    }
    MutableEngine().SetDateTime(value);
    SetText(ToQString(Engine().Text()));
}

QTime CTimeEdit::Time() const {
    const auto value = Engine().DateTime();
    return value ? QTime(value->hour, value->minute) : QTime();
}

} // namespace kiv
