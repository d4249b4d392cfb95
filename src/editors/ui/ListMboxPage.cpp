#include "editors/ui/ListMboxPage.h"

#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "document/DocCommands.h"
#include "document/MessageSink.h"
#include "editors/MboxCsv.h"
#include "editors/Texts.h"
#include "editors/ui/CsvErrorsDlg.h"
#include "editors/ui/EditMboxSheet.h"
#include "editors/ui/WizDefMboxSheet.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kiv {

namespace {

namespace t = editors::texts;

MboxStatisticsOpener& StatisticsOpener() {
    static MboxStatisticsOpener opener;
    return opener;
}

// The list's width W from which the default column widths are taken.
constexpr int kListWidth = 600;
// The list never grows wider than this for wide stored columns; it scrolls.
constexpr int kMaxListWidth = 1100;
constexpr int kVisibleRows = 12;
constexpr int kNumberColumn = 0;
constexpr int kPhoneColumn = 7;
constexpr int kPagerColumn = 9;

QString ProfileKey(int column) {
    return QString::fromLatin1(t::kProfileSection) + '/' +
           QString::fromLatin1(editors::kMboxColumns[static_cast<std::size_t>(column)].profileKey);
}

} // namespace

void SetMboxStatisticsOpener(MboxStatisticsOpener opener) {
    StatisticsOpener() = std::move(opener);
}

CListMboxPage::CListMboxPage(const CQelDoc& doc, QSettings* profile, QWidget* parent)
    : CPropertyPage(ToQString(t::kListTab), parent), doc_(doc), list_(doc), profile_(profile) {
    Build(true);
}

CListMboxPage::CListMboxPage(WizardVariant, const CQelDoc& doc,
                             std::shared_ptr<editors::MboxRefTables> tables, QSettings* profile,
                             QWidget* parent)
    : CPropertyPage(ToQString(t::kListTab), parent), doc_(doc), list_(doc, std::move(tables)),
      profile_(profile) {
    Build(false);
}

void CListMboxPage::Build(bool withChange) {
    SetHelpTopic("lista_caselle");

    tree_ = new QTreeWidget(this);
    tree_->setObjectName("mboxList");
    tree_->setAccessibleName(ToQString(t::kListMboxCaption));
    tree_->setColumnCount(editors::kMboxColumnCount);
    QStringList headers;
    for (const auto& column : editors::kMboxColumns)
        headers << ToQString(column.header);
    tree_->setHeaderLabels(headers);
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setUniformRowHeights(true);
    tree_->setAllColumnsShowFocus(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSortingEnabled(false);
    tree_->header()->setSectionsClickable(false);
    tree_->header()->setSectionsMovable(false);
    tree_->header()->setStretchLastSection(false);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    LoadColumnWidths();

    add_ = new QPushButton(ToQString(t::kAdd), this);
    copy_ = new QPushButton(ToQString(t::kCopy), this);
    delete_ = new QPushButton(ToQString(t::kDelete), this);
    add_->setObjectName("mboxAdd");
    copy_->setObjectName("mboxCopy");
    delete_->setObjectName("mboxDelete");
    connect(add_, &QPushButton::clicked, this, &CListMboxPage::Add);
    connect(copy_, &QPushButton::clicked, this, &CListMboxPage::Copy);
    connect(delete_, &QPushButton::clicked, this, &CListMboxPage::Delete);
    if (withChange) {
        change_ = new QPushButton(ToQString(t::kChange), this);
        statistics_ = new QPushButton(ToQString(t::kStatistics), this);
        change_->setObjectName("mboxChange");
        statistics_->setObjectName("mboxStatistics");
        connect(change_, &QPushButton::clicked, this, &CListMboxPage::Change);
        connect(statistics_, &QPushButton::clicked, this, &CListMboxPage::Statistics);
        connect(tree_, &QTreeWidget::itemDoubleClicked, this, &CListMboxPage::Change);
        exportCsv_ = new QPushButton(ToQString(t::kExportCsv), this);
        importCsv_ = new QPushButton(ToQString(t::kImportCsv), this);
        exportCsv_->setObjectName("mboxExportCsv");
        importCsv_->setObjectName("mboxImportCsv");
        connect(exportCsv_, &QPushButton::clicked, this, &CListMboxPage::ExportCsv);
        connect(importCsv_, &QPushButton::clicked, this, &CListMboxPage::ImportCsv);
        createRange_ = new QPushButton(ToQString(t::kCreateRangeMore), this);
        createRange_->setObjectName("mboxCreateRange");
        connect(createRange_, &QPushButton::clicked, this, &CListMboxPage::CreateRangeInSheet);
    }

    total_ = new QLineEdit(this);
    total_->setObjectName("mboxTotal");
    total_->setReadOnly(true);
    total_->setFocusPolicy(Qt::NoFocus);
    total_->setAlignment(Qt::AlignRight);
    total_->setMaximumWidth(total_->fontMetrics().horizontalAdvance(QString(6, '0')));
    supervisor_ = new QComboBox(this);
    supervisor_->setObjectName("mboxSupervisor");
    supervisor_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* totalLabel = new QLabel(ToQString(t::kTotalMboxes), this);
    totalLabel->setBuddy(total_);
    auto* supervisorLabel = new QLabel(ToQString(t::kSupervisorMbox), this);
    supervisorLabel->setBuddy(supervisor_);
    connect(supervisor_, &QComboBox::currentIndexChanged, this,
            [this](int index) { list_.SelectSupervisor(index); });

    auto* fields = new QGridLayout;
    fields->addWidget(totalLabel, 0, 0);
    fields->addWidget(total_, 0, 1, Qt::AlignLeft);
    fields->addWidget(supervisorLabel, 1, 0);
    fields->addWidget(supervisor_, 1, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add_, copy_, delete_, change_, statistics_})
        if (button) buttons->addWidget(button);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(fields);
    bottom->addStretch();
    bottom->addLayout(buttons);
    bottom->setAlignment(buttons, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addLayout(bottom);
    if (exportCsv_) {
        auto* more = new QHBoxLayout;
        more->addWidget(createRange_);
        more->addStretch();
        more->addWidget(exportCsv_);
        more->addWidget(importCsv_);
        layout->addLayout(more);
    }

    Refresh();
}

int CListMboxPage::DefaultWidth(int column, int listWidth) const {
    // The header and the fixed cell texts (names, "Si" / "No") must fit, and
    // a ten-digit dial string; longer ones are cut until the user widens the
    // column.
    const QFontMetrics headerMetrics(tree_->header()->font());
    const QFontMetrics cellMetrics(tree_->font());
    const int padding = 2 * tree_->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    int needed = headerMetrics.horizontalAdvance(
                     ToQString(editors::kMboxColumns[static_cast<std::size_t>(column)].header)) +
                 padding;
    if (column == kPhoneColumn || column == kPagerColumn) {
        needed = std::max(needed, cellMetrics.horizontalAdvance(QString(10, '0')) + padding);
    } else if (column != kNumberColumn) {
        for (int i = 0; i < 5; ++i) {
            MboxRecord sample = editors::NewMboxTemplate();
            sample.type = i % 2;
            sample.localNotify = i;
            sample.language = i % 3;
            sample.announcer = sample.allowed = sample.phoneEnabled = sample.pagerEnabled =
                sample.dnd = sample.timeStamp = i % 2;
            needed = std::max(needed, cellMetrics.horizontalAdvance(
                                          ToQString(editors::MboxCellText(sample, column))) +
                                          padding);
        }
    }
    return std::max(editors::DefaultColumnWidth(column, listWidth), needed);
}

void CListMboxPage::LoadColumnWidths() {
    int total = 0;
    for (int c = 0; c < editors::kMboxColumnCount; ++c) {
        int width = 0;
        if (profile_) {
            bool ok = false;
            width = profile_->value(ProfileKey(c)).toInt(&ok);
            if (!ok) width = 0;
        }
        if (width <= 0) width = DefaultWidth(c, kListWidth);
        tree_->header()->resizeSection(c, width);
        total += width;
    }
    // Wide enough to show every column at its width, up to a limit.
    const int chrome =
        2 * tree_->frameWidth() + tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    tree_->setMinimumWidth(std::min(total + chrome, kMaxListWidth));
    const int row = tree_->fontMetrics().height() + 6;
    tree_->setMinimumHeight(row * (kVisibleRows + 1) + 2 * tree_->frameWidth());
}

void CListMboxPage::SaveColumnWidths() const {
    if (!profile_) return;
    for (int c = 0; c < editors::kMboxColumnCount; ++c)
        profile_->setValue(ProfileKey(c), tree_->header()->sectionSize(c));
}

void CListMboxPage::Refresh() {
    {
        const QSignalBlocker blocker(supervisor_);
        supervisor_->clear();
        for (const std::string& choice : list_.SupervisorChoices())
            supervisor_->addItem(ToQString(choice));
        supervisor_->setCurrentIndex(list_.SupervisorIndex());
    }
    tree_->clear();
    QList<QTreeWidgetItem*> items;
    for (int row = 0; row < list_.Count(); ++row) {
        QStringList cells;
        for (int c = 0; c < editors::kMboxColumnCount; ++c)
            cells << ToQString(editors::MboxCellText(list_.Record(row), c));
        items << new QTreeWidgetItem(cells);
    }
    tree_->addTopLevelItems(items);
    total_->setText(QString::number(list_.Count()));
    SelectRow(list_.currentRow);
}

int CListMboxPage::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) return -1;
    return tree_->indexOfTopLevelItem(selected.front());
}

void CListMboxPage::SelectRow(int row) {
    QTreeWidgetItem* item = tree_->topLevelItem(row);
    if (!item) return;
    tree_->setCurrentItem(item);
    item->setSelected(true);
    tree_->scrollToItem(item);
}

void CListMboxPage::Refuse(const std::string& message) {
    Sink().Show(message, MsgIcon::Warning);
}

void CListMboxPage::Add() {
    if (const std::string full = list_.CheckCanAdd(); !full.empty()) return Refuse(full);
    CEditMboxSheet sheet(editors::NewMboxTemplate(), list_.extDigits, true, Dialogs(), window());
    if (Dialogs().Exec(sheet) != QDialog::Accepted) return;
    if (const std::string refused = list_.Add(sheet.Result()); !refused.empty())
        return Refuse(refused);
    Refresh();
}

void CListMboxPage::Copy() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (const std::string refused = list_.Copy(row); !refused.empty()) return Refuse(refused);
    Refresh();
}

void CListMboxPage::Delete() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (const std::string refused = list_.Delete(row); !refused.empty()) return Refuse(refused);
    Refresh();
}

void CListMboxPage::Change() {
    const int row = SelectedRow();
    if (row < 0) return;
    CEditMboxSheet sheet(list_.Record(row), list_.extDigits, false, Dialogs(), window());
    if (Dialogs().Exec(sheet) != QDialog::Accepted) return;
    list_.Change(row, sheet.Result());
    Refresh();
}

void CListMboxPage::CreateRangeInSheet() {
    CWizDefMboxSheet sheet(list_, doc_.extDigits, Dialogs(), window());
    if (Dialogs().Exec(sheet) != QDialog::Accepted) return;
    list_ = sheet.Result();
    Refresh();
}

void CListMboxPage::ExportCsv() {
    const auto chosen = Dialogs().SaveFileName(this, ToQString(t::kCsvFilter), QString(),
                                               QStringLiteral("caselle.csv"));
    if (!chosen) return;
    std::string path = NativePath(*chosen);
    if (FileNameOf(path).find('.') == std::string::npos) path += ".csv";
    const std::string csv =
        editors::ExportMboxCsv({list_.mailboxes.data(), static_cast<std::size_t>(list_.Count())});
    if (!WriteFileReplacing(path, csv)) Refuse(t::kCsvCannotWrite);
}

void CListMboxPage::ImportCsv() {
    const auto chosen =
        Dialogs().OpenFileName(this, ToQString(t::kCsvFilter), QString(), ToQString(t::kImportCsv));
    if (!chosen) return;
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(NativePath(*chosen), bytes)) return Refuse(t::kCsvCannotRead);
    const editors::MboxCsvImport result = editors::ImportMboxCsv(
        list_, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!result.Ok()) {
        // However many rows were refused, each with its line, column and fault.
        CCsvErrorsDlg refused(result.errors, window());
        Dialogs().Exec(refused);
        return;
    }
    Refresh();
}

void CListMboxPage::Statistics() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (StatisticsOpener()) StatisticsOpener()(doc_, list_.Record(row).number, Dialogs(), window());
}

bool CListMboxPage::OnKillActive() {
    if (const auto failed = list_.Leave()) {
        // Show the mailbox whose number does not suit the digit count.
        list_.currentRow = failed->field;
        SelectRow(failed->field);
        tree_->setFocus(Qt::OtherFocusReason);
        Refuse(failed->message);
        return false;
    }
    SaveColumnWidths();
    return true;
}

} // namespace kiv
