#pragma once
// CTimeEdit: a masked "hh:mm" field; the owner sets the largest hours and
// minutes it takes (23 and 59 unless told).

#include "editors/ui/MaskEdit.h"

#include <QTime>

namespace kiv {

class CTimeEdit : public CMaskEdit {
    Q_OBJECT
  public:
    explicit CTimeEdit(QWidget* parent = nullptr);

    void SetMaxHours(int hours);
    void SetMaxMinutes(int minutes);
    // "%H:%M" of the time; an invalid time empties the field.
    void SetTime(const QTime& time);
    // The text as a time; invalid when it is none.
    QTime Time() const;
};

} // namespace kiv
