#include "editors/ui/RadioBox.h"

#include "app/QtText.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kiv {

QGroupBox* RadioBox(const char* caption, std::span<const char* const> names, int checked,
                    QButtonGroup*& group, const char* objectPrefix, QWidget* parent) {
    auto* box = new QGroupBox(ToQString(caption), parent);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto* radio = new QRadioButton(ToQString(names[i]), box);
        radio->setObjectName(QString("%1%2").arg(objectPrefix).arg(i));
        radio->setAccessibleDescription(ToQString(caption));
        group->addButton(radio, static_cast<int>(i));
        layout->addWidget(radio);
    }
    if (QAbstractButton* button = group->button(checked)) button->setChecked(true);
    return box;
}

} // namespace kiv
