#include "autoattendant/ui/DialStringPage.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "autoattendant/Texts.h"
#include "autoattendant/ui/HelpTopics.h"
#include "document/MessageSink.h"
#include "editors/ui/FieldText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kiv {

namespace t = autoatt::texts;

CDialStringPage::CDialStringPage(std::array<std::string, autoatt::kDialStrings>& strings,
                                 QWidget* parent)
    : CPropertyPage(ToQString(t::kDialStringTab), parent), strings_(strings) {
    SetHelpTopic("compone_stringa");
    auto* grid = new QGridLayout(this);
    constexpr int kPerColumn = autoatt::kDialStrings / 2;
    for (int c = 0; c < 2; ++c) {
        grid->addWidget(new QLabel(ToQString(t::kNumberHead), this), 0, 2 * c);
        grid->addWidget(new QLabel(ToQString(t::kDialStringHead), this), 0, 2 * c + 1);
    }
    for (int n = 0; n < autoatt::kDialStrings; ++n) {
        auto* field = new QLineEdit(ToQString(strings_[static_cast<std::size_t>(n)]), this);
        field->setObjectName(QString("dialString%1").arg(n));
        LimitTyping(field, static_cast<int>(autoatt::kDialStringLength));
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(21, '0')));
        auto* number = new QLabel(QString::number(n), this);
        number->setBuddy(field);
        field->setAccessibleName(ToQString(t::kDialStringHead) + " " + QString::number(n));
        fields_[static_cast<std::size_t>(n)] = field;
        SetControlHelp(field, autoatt::help::kDialString);
        const int column = 2 * (n / kPerColumn);
        grid->addWidget(number, n % kPerColumn + 1, column);
        grid->addWidget(field, n % kPerColumn + 1, column + 1);
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(kPerColumn + 1, 1);
}

bool CDialStringPage::OnKillActive() {
    std::array<std::string, autoatt::kDialStrings> typed;
    for (int n = 0; n < autoatt::kDialStrings; ++n)
        typed[static_cast<std::size_t>(n)] = FieldText(Field(n)->text());
    if (const auto failed = autoatt::CheckDialStrings(typed)) {
        QLineEdit* field = Field(failed->field);
        FocusAndSelectAll(field);
        Sink().Show(failed->message, MsgIcon::None);
        FocusAndSelectAll(field);
        return false;
    }
    strings_ = typed;
    return true;
}

} // namespace kiv
