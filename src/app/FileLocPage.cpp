#include "app/FileLocPage.h"

#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "app/Texts.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

namespace {

struct RowInfo {
    const char* name;
    int padding; // spaces between the name and the folder
    const char* suffix;
    const char* filter;
};

constexpr RowInfo kRows[4] = {
    {ui::kFilesKiv, 17, "qel", "*.qel"},
    {ui::kFilesVox, 17, "vox", "*.vox"},
    {ui::kFilesWax, 16, "wax", "*.wax"},
    {ui::kFilesPage, 16, "*.*", "*.*"},
};

} // namespace

QString CFileLocPage::RowText(int row, const std::string& folder) {
    const RowInfo& info = kRows[row];
    return ui::Ui(info.name) + QString(info.padding, ' ') + ToQString(folder);
}

CFileLocPage::CFileLocPage(const std::array<std::string, 5>& folders, QWidget* parent)
    : CPropertyPage(ui::Ui(ui::kFileLocPageTitle), parent), locations(folders) {
    SetHelpTopic("opzioni_file");
    list_ = new QListWidget(this);
    list_->setObjectName("fileLocList");
    list_->setAccessibleName(ui::Ui(ui::kFileTypes));
    for (int row = 0; row < 4; ++row)
        list_->addItem(RowText(row, locations[row + 1]));

    // The headings sit over the two columns that the padding makes.
    auto* types = new QLabel(ui::Ui(ui::kFileTypes), this);
    auto* where = new QLabel(ui::Ui(ui::kLocation), this);
    types->setBuddy(list_);
    const QFontMetrics metrics(list_->font());
    const int nameWidth =
        metrics.horizontalAdvance(ui::Ui(ui::kFilesKiv) + QString(kRows[0].padding, ' '));
    types->setMinimumWidth(nameWidth);
    // Room for the names and a folder of some length; longer ones scroll.
    list_->setMinimumWidth(nameWidth + metrics.horizontalAdvance(QString(32, 'x')));
    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->setContentsMargins(list_->frameWidth() + 2, 0, 0, 0);
    headings->addWidget(types);
    headings->addWidget(where, 1);

    modify_ = new QPushButton(ui::Ui(ui::kModify), this);
    clear_ = new QPushButton(ui::Ui(ui::kClear), this);
    modify_->setObjectName("fileLocModify");
    clear_->setObjectName("fileLocClear");
    connect(modify_, &QPushButton::clicked, this, &CFileLocPage::Modify);
    connect(clear_, &QPushButton::clicked, this, &CFileLocPage::Clear);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CFileLocPage::Modify);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(modify_);
    buttons->addWidget(clear_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(headings);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
}

void CFileLocPage::Refresh(int row) {
    list_->item(row)->setText(RowText(row, locations[row + 1]));
}

void CFileLocPage::Modify() {
    const int row = list_->currentRow();
    if (row < 0 || row > 3 || !list_->currentItem()->isSelected()) return;
    const RowInfo& info = kRows[row];
    FolderRequest request{ui::Ui(info.name), QString::fromLatin1(info.suffix),
                          QString::fromLatin1(info.filter), ToQString(locations[row + 1])};
    const std::optional<QString> folder = Dialogs().PickFolder(this, request);
    if (!folder) return;
    std::string text;
    if (!FromQString(*folder, text)) return; // a folder the document cannot name
    locations[row + 1] = text;
    Refresh(row);
}

void CFileLocPage::Clear() {
    const int row = list_->currentRow();
    if (row < 0 || row > 3 || !list_->currentItem()->isSelected()) return;
    locations[row + 1].clear();
    Refresh(row);
}

} // namespace kiv
