#pragma once
// A row of a statistics grid: the caption, a read-only field named by it, and the unit
// label after the field when there is one.

class QGridLayout;
class QLineEdit;

namespace kiv {

// Adds the row to `grid` (whose parent widget owns the controls) and returns the field.
QLineEdit* AddFigureRow(QGridLayout* grid, int row, const char* caption, const char* unit,
                        const char* objectName);

} // namespace kiv
