#include "unit/stats/ui/StatDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "unit/stats/Texts.h"
#include "unit/stats/ui/FigureRow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CStatDlg::CStatDlg(const StatInputs& inputs, MessageSink& sink, QWidget* parent)
    : QDialog(parent), inputs_(inputs) {
    setObjectName("CStatDlg");
    setWindowTitle(ToQString(texts::statCaption));
    const GeneralStatistics stats = ComputeGeneralStatistics(inputs_);

    auto* flash = new QGroupBox(ToQString(texts::statFlashGroup), this);
    auto* flashGrid = new QGridLayout(flash);
    total_ =
        AddFigureRow(flashGrid, 0, texts::statTotalTime, texts::statHoursMinutes, "statTotalTime");
    used_ =
        AddFigureRow(flashGrid, 1, texts::statUsedTime, texts::statHoursMinutes, "statUsedTime");
    percent_ =
        AddFigureRow(flashGrid, 2, texts::statPercentInUse, texts::statPercentSign, "statPercent");
    remaining_ = AddFigureRow(flashGrid, 3, texts::statRemainingTime, texts::statHoursMinutes,
                              "statRemainingTime");
    total_->setText(ToQString(stats.flash.total));
    used_->setText(ToQString(stats.flash.used));
    percent_->setText(ToQString(stats.flash.percentText));
    remaining_->setText(ToQString(stats.flash.remaining));
    flashGrid->setColumnStretch(3, 1);

    auto* callsBox = new QGroupBox(ToQString(texts::statCallsGroup), this);
    auto* callsLayout = new QGridLayout(callsBox);
    calls_ = new QListWidget(callsBox);
    calls_->setObjectName("statCalls");
    calls_->setAccessibleName(ToQString(texts::statCallsGroup));
    calls_->setSelectionMode(QAbstractItemView::NoSelection);
    callsLayout->addWidget(new QLabel(ToQString(texts::statLineHeading), callsBox), 0, 0);
    callsLayout->addWidget(new QLabel(ToQString(texts::statCallsHeading), callsBox), 0, 1);
    callsLayout->addWidget(calls_, 1, 0, 1, 2);
    clear_ = new QPushButton(ToQString(texts::statClear), callsBox);
    clear_->setObjectName("statClear");
    connect(clear_, &QPushButton::clicked, this, &CStatDlg::Clear);
    callsLayout->addWidget(clear_, 2, 1, Qt::AlignRight);

    auto* languagesBox = new QGroupBox(ToQString(texts::statLanguagesGroup), this);
    auto* languagesGrid = new QGridLayout(languagesBox);
    languages_ = AddFigureRow(languagesGrid, 0, texts::statLanguageCount, nullptr, "statLanguages");
    languages_->setText(ToQString(stats.languages));
    languagesGrid->setColumnStretch(2, 1);

    auto* versionBox = new QGroupBox(ToQString(texts::statVersionGroup), this);
    auto* versionGrid = new QGridLayout(versionBox);
    version_ = AddFigureRow(versionGrid, 0, texts::statProductVersion, nullptr, "statVersion");
    version_->setText(ToQString(stats.version));
    versionGrid->setColumnStretch(2, 1);

    auto* note = new QLabel(ToQString(texts::statRefreshNote), this);
    note->setWordWrap(true);

    auto* box = new QDialogButtonBox(this);
    QPushButton* close = box->addButton(ToQString(texts::statClose), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    QPushButton* help = box->addButton("Ai&uto", QDialogButtonBox::HelpRole);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [&sink] { ShowHelp("statistiche", sink); });

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(flash);
    left->addWidget(languagesBox);
    left->addWidget(versionBox);
    left->addStretch();
    columns->addLayout(left);
    columns->addWidget(callsBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(note);
    layout->addWidget(box);

    FillCalls();
}

void CStatDlg::FillCalls() {
    calls_->clear();
    for (const LineCalls& line : LinesInService(inputs_.lineState, inputs_.calls))
        calls_->addItem(ToQString(LineCallsRow(line)));
}

void CStatDlg::Clear() {
    if (calls_->count() == 0) return;
    inputs_.calls.fill(0);
    FillCalls();
}

} // namespace kiv
