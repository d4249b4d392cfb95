#include "editors/ui/DateEdit.h"

#include "app/QtText.h"

#include <QFontMetrics>

namespace kiv {

CDateEdit::CDateEdit(QWidget* parent) : CMaskEdit(editors::CMaskEngine::Date(), parent) {
    setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 16);
}

void CDateEdit::SetDate(const QDate& date) {
    std::optional<LocalTime> value;
    if (date.isValid()) {
        value.emplace();
        value->year = date.year();
        value->month = date.month();
        value->day = date.day();
    }
    MutableEngine().SetDateTime(value);
    SetText(ToQString(Engine().Text()));
}

QDate CDateEdit::Date() const {
    const auto value = Engine().DateTime();
    return value ? QDate(value->year, value->month, value->day) : QDate();
}

void ExchangeDate(CDateEdit& field, QDate& member, bool save) {
    if (save)
        member = field.Date();
    else
        field.SetDate(member);
}

} // namespace kiv
