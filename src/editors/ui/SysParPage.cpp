#include "editors/ui/SysParPage.h"

#include "app/QtText.h"
#include "document/MessageSink.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/RadioBox.h"
#include "editors/ui/SpinEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kiv {

CSysParPage::CSysParPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kParameters), parent), edit_(doc) {
    namespace t = editors::texts;
    SetHelpTopic("parametri_sistema");

    recordTime_ = new CSpinEdit(editors::kRecordTimeRule, 1, this);
    recordTime_->setObjectName("maxRecordTime");
    // Connected before the field is filled: filling it is the first change,
    // which passes without the warning.
    connect(recordTime_, &CSpinEdit::TextChanged, this, [this](const QString& text) {
        const std::string warning = edit_.OnRecordTimeChanged(FieldText(text));
        if (!warning.empty()) Sink().Show(warning);
    });
    recordTime_->SetText(ToQString(edit_.recordTime));
    auto* timeLabel = new QLabel(ToQString(t::kMaxRecordTime), this);
    timeLabel->setBuddy(recordTime_);
    auto* minutes = new QLabel(ToQString(t::kMinutes), this);

    auto* volumeBox = new QGroupBox(ToQString(t::kAutoVolume), this);
    autoVolume_ = new QCheckBox(ToQString(t::kEnabledMasc), volumeBox);
    autoVolume_->setObjectName("autoVolume");
    autoVolume_->setAccessibleDescription(ToQString(t::kAutoVolume));
    autoVolume_->setChecked(edit_.autoVolume);
    (new QVBoxLayout(volumeBox))->addWidget(autoVolume_);

    QGroupBox* languageBox = RadioBox(t::kDefaultLanguage, names::kLanguageChoice,
                                      edit_.defaultLanguage, language_, "defaultLanguage", this);
    QGroupBox* orderBox =
        RadioBox(t::kNameOrder, names::kNameOrder, edit_.nameOrder, nameOrder_, "nameOrder", this);
    connect(autoVolume_, &QCheckBox::toggled, this, [this](bool on) { edit_.autoVolume = on; });
    connect(language_, &QButtonGroup::idClicked, this,
            [this](int id) { edit_.defaultLanguage = id; });
    connect(nameOrder_, &QButtonGroup::idClicked, this, [this](int id) { edit_.nameOrder = id; });

    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(timeLabel);
    timeRow->addWidget(recordTime_);
    timeRow->addWidget(minutes);
    timeRow->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addLayout(timeRow, 0, 0, 1, 2);
    layout->addWidget(volumeBox, 1, 0);
    layout->addWidget(orderBox, 1, 1);
    layout->addWidget(languageBox, 2, 0);
    layout->setRowStretch(3, 1);
}

bool CSysParPage::OnKillActive() {
    const auto failed = edit_.Check();
    if (!failed) return true;
    return FailField(recordTime_, ToQString(failed->message));
}

} // namespace kiv
