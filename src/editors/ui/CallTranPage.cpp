#include "editors/ui/CallTranPage.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace kiv {

CCallTranPage::CCallTranPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kCallTranTab), parent), edit_(doc) {
    namespace t = editors::texts;
    SetHelpTopic("trasferta_chiamate");

    const auto code = [this](const std::string& text, const char* name) {
        auto* edit = new QLineEdit(ToQString(text), this);
        edit->setObjectName(name);
        LimitTyping(edit, editors::kTransferCodeMaxLength);
        // Wide enough for the longest code typed, or the longer one stored,
        // shown from its start.
        const auto chars =
            std::max<qsizetype>(editors::kTransferCodeMaxLength, edit->text().size());
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(chars + 1, '0')));
        edit->setCursorPosition(0);
        return edit;
    };
    transferCode_ = code(edit_.transferCode, "transferCode");
    recallOnBusy_ = code(edit_.recallOnBusy, "recallOnBusy");
    recallOnNoAnswer_ = code(edit_.recallOnNoAnswer, "recallOnNoAnswer");
    // Four characters, so that a value above the range reaches the check.
    flash1_ = new CSpinEdit(editors::kFlashRule, 4, this);
    flash1_->setObjectName("flash1");
    flash1_->SetText(ToQString(edit_.flash1));

    auto* layout = new QGridLayout(this);
    int row = 0;
    for (auto [caption, field] : {std::pair<const char*, QWidget*>{t::kTransferCode, transferCode_},
                                  {t::kRecallOnBusy, recallOnBusy_},
                                  {t::kRecallOnNoAnswer, recallOnNoAnswer_},
                                  {t::kFlash1, flash1_}}) {
        auto* label = new QLabel(ToQString(caption), this);
        label->setBuddy(field);
        layout->addWidget(label, row, 0);
        if (field == flash1_) {
            // "msec" right after the time, however wide the codes above are.
            auto* timeRow = new QHBoxLayout;
            timeRow->addWidget(field);
            timeRow->addWidget(new QLabel(ToQString(t::kMsec), this));
            timeRow->addStretch();
            layout->addLayout(timeRow, row, 1, 1, 2);
        } else {
            layout->addWidget(field, row, 1, 1, 2);
        }
        ++row;
    }
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(row, 1);
}

bool CCallTranPage::OnKillActive() {
    edit_.transferCode = FieldText(transferCode_->text());
    edit_.recallOnBusy = FieldText(recallOnBusy_->text());
    edit_.recallOnNoAnswer = FieldText(recallOnNoAnswer_->text());
    edit_.flash1 = FieldText(flash1_->text());
    const auto failed = edit_.Check();
    if (!failed) return true;
    using editors::TransferField;
    QWidget* field = flash1_;
    if (failed->field == TransferField::TransferCode) field = transferCode_;
    if (failed->field == TransferField::RecallOnBusy) field = recallOnBusy_;
    if (failed->field == TransferField::RecallOnNoAnswer) field = recallOnNoAnswer_;
    return FailField(field, ToQString(failed->message));
}

} // namespace kiv
