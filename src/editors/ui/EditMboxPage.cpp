#include "editors/ui/EditMboxPage.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kiv {

namespace {

template <std::size_t N> QComboBox* Choices(const char* const (&names)[N], QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (const char* name : names)
        combo->addItem(ToQString(name));
    return combo;
}

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CEditMboxPage::CEditMboxPage(const MboxRecord& record, int extDigits, bool isNew, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kEditMboxTab), parent),
      edit_(record, extDigits, isNew) {
    namespace t = editors::texts;
    SetHelpTopic("parametri_casella");

    number_ = new QLineEdit(this);
    number_->setObjectName("mboxNumber");
    LimitTyping(number_, editors::kMboxNumberMaxLength);
    number_->setText(ToQString(edit_.number));
    number_->setEnabled(edit_.NumberEnabled());
    type_ = Choices(names::kMboxTypeChoice, this);
    type_->setObjectName("mboxType");
    announcer_ = new QCheckBox(ToQString(t::kAnnouncer), this);
    announcer_->setObjectName("mboxAnnouncer");
    password_ = new QLineEdit(this);
    password_->setObjectName("mboxPassword");
    password_->setReadOnly(true);
    reset_ = new QPushButton(ToQString(t::kReset), this);
    reset_->setObjectName("mboxPasswordReset");
    language_ = Choices(names::kLanguageChoice, this);
    language_->setObjectName("mboxLanguage");
    localNotify_ = Choices(names::kLocalNotify, this);
    localNotify_->setObjectName("mboxLocalNotify");

    auto* external = new QGroupBox(ToQString(t::kExternalNotify), this);
    allowed_ = new QCheckBox(ToQString(t::kAllowed), external);
    allowed_->setObjectName("mboxAllowed");
    auto* phoneBox = new QGroupBox(ToQString(t::kPhone), external);
    phoneEnabled_ = new QCheckBox(ToQString(t::kEnabled), phoneBox);
    phoneEnabled_->setObjectName("mboxPhoneEnabled");
    phoneEnabled_->setAccessibleDescription(ToQString(t::kPhone));
    phone_ = new QLineEdit(phoneBox);
    phone_->setObjectName("mboxPhone");
    phone_->setAccessibleName(ToQString(t::kPhone));
    LimitTyping(phone_, editors::kPhoneMaxLength);
    auto* pagerBox = new QGroupBox(ToQString(t::kPager), external);
    pagerEnabled_ = new QCheckBox(ToQString(t::kEnabled), pagerBox);
    pagerEnabled_->setObjectName("mboxPagerEnabled");
    pagerEnabled_->setAccessibleDescription(ToQString(t::kPager));
    pager_ = new QLineEdit(pagerBox);
    pager_->setObjectName("mboxPager");
    pager_->setAccessibleName(ToQString(t::kPager));
    LimitTyping(pager_, editors::kPagerMaxLength);
    dnd_ = new QCheckBox(ToQString(t::kDnd), this);
    dnd_->setObjectName("mboxDnd");
    timeStamp_ = new QCheckBox(ToQString(t::kTimeStamp), this);
    timeStamp_->setObjectName("mboxTimeStamp");

    // Room for a whole phone number; the pager's is twice as long.
    const int numberWidth = phone_->fontMetrics().horizontalAdvance(QString(22, '0'));
    phone_->setMinimumWidth(numberWidth);
    pager_->setMinimumWidth(numberWidth);
    number_->setMaximumWidth(number_->fontMetrics().horizontalAdvance(QString(8, '0')));

    auto* fields = new QGridLayout;
    fields->addWidget(Caption(t::kMbox, number_, this), 0, 0);
    fields->addWidget(number_, 0, 1, Qt::AlignLeft);
    fields->addWidget(announcer_, 0, 2);
    fields->addWidget(Caption(t::kMboxType, type_, this), 1, 0);
    fields->addWidget(type_, 1, 1, 1, 2);
    fields->addWidget(Caption(t::kUserPassword, password_, this), 2, 0);
    fields->addWidget(password_, 2, 1);
    fields->addWidget(reset_, 2, 2);
    fields->addWidget(Caption(t::kUserLanguage, language_, this), 3, 0);
    fields->addWidget(language_, 3, 1, 1, 2);
    fields->addWidget(Caption(t::kLocalNotifyLabel, localNotify_, this), 4, 0);
    fields->addWidget(localNotify_, 4, 1, 1, 2);
    fields->addWidget(dnd_, 5, 0, 1, 3);
    fields->addWidget(timeStamp_, 6, 0, 1, 3);
    fields->setRowStretch(7, 1);

    auto* phoneLayout = new QVBoxLayout(phoneBox);
    phoneLayout->addWidget(phoneEnabled_);
    phoneLayout->addWidget(phone_);
    auto* pagerLayout = new QVBoxLayout(pagerBox);
    pagerLayout->addWidget(pagerEnabled_);
    pagerLayout->addWidget(pager_);
    auto* externalLayout = new QVBoxLayout(external);
    externalLayout->addWidget(allowed_);
    externalLayout->addWidget(phoneBox);
    externalLayout->addWidget(pagerBox);
    externalLayout->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(external, 1);

    Sync();
    phone_->setText(ToQString(edit_.phone));
    pager_->setText(ToQString(edit_.pager));

    // Each change goes to the model first; where it moves other fields the
    // widgets follow.
    connect(number_, &QLineEdit::textChanged, this,
            [this](const QString& text) { edit_.number = FieldText(text); });
    connect(type_, &QComboBox::currentIndexChanged, this, [this](int index) {
        edit_.SetType(index);
        Sync();
    });
    connect(announcer_, &QCheckBox::toggled, this, [this](bool on) { edit_.announcer = on; });
    connect(reset_, &QPushButton::clicked, this, [this] {
        edit_.ResetPassword();
        Sync();
    });
    connect(language_, &QComboBox::currentIndexChanged, this,
            [this](int index) { edit_.language = index; });
    connect(localNotify_, &QComboBox::currentIndexChanged, this,
            [this](int index) { edit_.localNotify = index; });
    connect(allowed_, &QCheckBox::toggled, this, [this](bool on) {
        edit_.SetAllowed(on);
        Sync();
    });
    connect(phoneEnabled_, &QCheckBox::toggled, this, [this](bool on) {
        edit_.SetPhoneEnabled(on);
        Sync();
    });
    connect(pagerEnabled_, &QCheckBox::toggled, this, [this](bool on) {
        edit_.SetPagerEnabled(on);
        Sync();
    });
    connect(phone_, &QLineEdit::textChanged, this,
            [this](const QString& text) { edit_.phone = FieldText(text); });
    connect(pager_, &QLineEdit::textChanged, this,
            [this](const QString& text) { edit_.pager = FieldText(text); });
    connect(dnd_, &QCheckBox::toggled, this, [this](bool on) { edit_.dnd = on; });
    connect(timeStamp_, &QCheckBox::toggled, this, [this](bool on) { edit_.timeStamp = on; });
}

void CEditMboxPage::Sync() {
    const QSignalBlocker b1(type_), b2(announcer_), b3(language_), b4(localNotify_), b5(allowed_),
        b6(phoneEnabled_), b7(pagerEnabled_), b8(dnd_), b9(timeStamp_);
    type_->setCurrentIndex(edit_.type);
    announcer_->setChecked(edit_.announcer);
    password_->setText(ToQString(edit_.password));
    language_->setCurrentIndex(edit_.language);
    localNotify_->setCurrentIndex(edit_.localNotify);
    allowed_->setChecked(edit_.allowed);
    phoneEnabled_->setChecked(edit_.phoneEnabled);
    pagerEnabled_->setChecked(edit_.pagerEnabled);
    dnd_->setChecked(edit_.dnd);
    dnd_->setEnabled(edit_.DndEnabled());
    timeStamp_->setChecked(edit_.timeStamp);
}

QWidget* CEditMboxPage::FieldWidget(editors::MboxField field) const {
    using F = editors::MboxField;
    switch (field) {
    case F::Number:
        return number_;
    case F::Type:
        return type_;
    case F::Announcer:
        return announcer_;
    case F::Password:
        return reset_;
    case F::Language:
        return language_;
    case F::LocalNotify:
        return localNotify_;
    case F::Allowed:
        return allowed_;
    case F::PhoneEnabled:
        return phoneEnabled_;
    case F::Phone:
        return phone_;
    case F::PagerEnabled:
        return pagerEnabled_;
    case F::Pager:
        return pager_;
    case F::Dnd:
        return dnd_;
    case F::TimeStamp:
        return timeStamp_;
    }
    return nullptr;
}

bool CEditMboxPage::OnKillActive() {
    const auto failed = edit_.Check();
    if (!failed) return true;
    return FailField(FieldWidget(failed->field), ToQString(failed->message));
}

} // namespace kiv
