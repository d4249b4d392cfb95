#pragma once
// CDateEdit: a masked "dd/mm/yyyy" field (days up to 31, months up to 12),
// with the routine that binds it to a page's date member.

#include "editors/ui/MaskEdit.h"

#include <QDate>

namespace kiv {

class CDateEdit : public CMaskEdit {
    Q_OBJECT
  public:
    explicit CDateEdit(QWidget* parent = nullptr);

    // "%d/%m/%Y" of the date; an invalid date empties the field.
    void SetDate(const QDate& date);
    // The text as a date; invalid when it names none.
    QDate Date() const;
};

// Moves a date between a field and its member: into the field when `save` is
// false, back into the member (invalid when the text is no date) when true.
void ExchangeDate(CDateEdit& field, QDate& member, bool save);

} // namespace kiv
