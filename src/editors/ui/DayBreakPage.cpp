#include "editors/ui/DayBreakPage.h"

#include "app/QtText.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/TimeEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace kiv {

CDayBreakPage::CDayBreakPage(editors::ScheduleTables& tables, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kWeeklyTab), parent), tables_(tables) {
    namespace t = editors::texts;
    SetHelpTopic("orario_settimanale");
    auto* box = new QGroupBox(ToQString(t::kWorkHours), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(ToQString(t::kFrom), box), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(ToQString(t::kTo), box), 0, 2, Qt::AlignHCenter);
    for (int w = 0; w < editors::kWeekdays; ++w) {
        const QString day = ToQString(names::kWeekday[w]);
        auto* label = new QLabel(day, box);
        grid->addWidget(label, w + 1, 0);
        for (int side = 0; side < 2; ++side) {
            const std::size_t i = static_cast<std::size_t>(w + 7 * side);
            auto* field = new CTimeEdit(box);
            field->SetMaxHours(23);
            field->SetMaxMinutes(59);
            field->setObjectName(QString(side == 0 ? "workFrom%1" : "workTo%1").arg(w));
            field->setAccessibleName(day + " " + ToQString(side == 0 ? t::kFrom : t::kTo));
            field->SetText(ToQString(editors::ShownWorkTime(tables_.workHours[i])));
            grid->addWidget(field, w + 1, 1 + side);
            fields_[i] = field;
        }
        label->setBuddy(fields_[static_cast<std::size_t>(w)]);
    }
    auto* layout = new QGridLayout(this);
    layout->addWidget(box, 0, 0);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
}

std::array<std::string, 14> CDayBreakPage::Shown() const {
    std::array<std::string, 14> shown;
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i] = FieldText(fields_[i]->text());
    return shown;
}

bool CDayBreakPage::OnKillActive() {
    const auto failed = editors::CheckWorkHours(Shown());
    if (!failed) return true;
    return FailField(From(failed->field), ToQString(failed->message));
}

void CDayBreakPage::OnOK() {
    // A field the user did not change gives back the stored value, not the
    // "00:00" an empty one shows.
    const auto shown = Shown();
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i] != editors::ShownWorkTime(tables_.workHours[i]))
            tables_.workHours[i] = shown[i];
}

} // namespace kiv
