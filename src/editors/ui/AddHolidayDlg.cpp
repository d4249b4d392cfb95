#include "editors/ui/AddHolidayDlg.h"

#include "app/Help.h"
#include "app/PropertyPage.h"
#include "app/QtText.h"
#include "app/Texts.h"
#include "document/MessageSink.h"
#include "editors/ScheduleEdit.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/TimeEdit.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CAddHolidayDlg::CAddHolidayDlg(MessageSink& sink, QWidget* parent) : QDialog(parent), sink_(sink) {
    namespace t = editors::texts;
    setWindowTitle(ToQString(t::kAddHolidayCaption));
    setObjectName("addHolidayDlg");
    date_ = new QDateEdit(QDate::currentDate(), this);
    date_->setObjectName("holidayDate");
    date_->setCalendarPopup(true);
    date_->setDisplayFormat("dd/MM/yyyy");
    start_ = new CTimeEdit(this);
    start_->setObjectName("holidayStart");
    end_ = new CTimeEdit(this);
    end_->setObjectName("holidayEnd");
    for (CTimeEdit* field : {start_, end_}) {
        field->SetMaxHours(23);
        field->SetMaxMinutes(59);
    }
    start_->SetText("00:00");
    end_->SetText("23:59");
    text_ = new QLineEdit(this);
    text_->setObjectName("holidayText");

    auto* form = new QFormLayout;
    form->addRow(ToQString(t::kHolidayDate), date_);
    form->addRow(ToQString(t::kHolidayStart), start_);
    form->addRow(ToQString(t::kHolidayEnd), end_);
    form->addRow(ToQString(t::kHolidayText), text_);

    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(ui::Ui(ui::kOk), QDialogButtonBox::AcceptRole);
    box->addButton(ui::Ui(ui::kCancel), QDialogButtonBox::RejectRole);
    box->addButton(ui::Ui(ui::kHelp), QDialogButtonBox::HelpRole);
    ok->setObjectName("holidayOk");
    ok->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &CAddHolidayDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::helpRequested, this,
            [this] { ShowHelp("orario_festivita", sink_); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
}

QDate CAddHolidayDlg::Date() const {
    return date_->date();
}

std::string CAddHolidayDlg::Start() const {
    return FieldText(start_->text());
}

std::string CAddHolidayDlg::End() const {
    return FieldText(end_->text());
}

std::string CAddHolidayDlg::Text() const {
    return FieldText(text_->text());
}

void CAddHolidayDlg::accept() {
    if (!editors::IsValidHolidayPeriod(Start(), End())) {
        FocusAndSelectAll(start_);
        sink_.Show(editors::texts::kInputError, MsgIcon::Warning);
        FocusAndSelectAll(start_);
        return;
    }
    QDialog::accept();
}

} // namespace kiv
