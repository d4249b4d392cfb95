#include "unit/stats/ui/FigureRow.h"

#include "app/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kiv {

QLineEdit* AddFigureRow(QGridLayout* grid, int row, const char* caption, const char* unit,
                        const char* objectName) {
    QWidget* parent = grid->parentWidget();
    auto* label = new QLabel(ToQString(caption), parent);
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QString(10, '0')));
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (unit) grid->addWidget(new QLabel(ToQString(unit), parent), row, 2);
    return field;
}

} // namespace kiv
