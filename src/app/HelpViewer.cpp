#include "app/HelpViewer.h"

#include "app/Texts.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace kiv {

using ui::Ui;

namespace {
constexpr int kTopicRole = Qt::UserRole;
} // namespace

CHelpViewer::CHelpViewer(const CHelpIndex& index, QWidget* parent)
    : QDialog(parent, Qt::Window), index_(index) {
    setObjectName("CHelpViewer");
    setWindowTitle(Ui(ui::kHelpCaption));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* back = new QPushButton(Ui(ui::kHelpBack), this);
    back->setObjectName("helpBack");
    auto* forward = new QPushButton(Ui(ui::kHelpForward), this);
    forward->setObjectName("helpForward");
    auto* home = new QPushButton(Ui(ui::kHelpHome), this);
    home->setObjectName("helpHome");
    for (QPushButton* b : {back, forward, home})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();

    tabs_ = new QTabWidget(this);
    contents_ = new QTreeWidget(tabs_);
    contents_->setObjectName("helpContents");
    contents_->setHeaderHidden(true);
    contents_->setAccessibleName(Ui(ui::kHelpContentsTab));
    QTreeWidgetItem* section = nullptr;
    for (const CHelpIndex::ContentsEntry& entry : index_.Contents()) {
        if (entry.topic.isEmpty()) {
            section = new QTreeWidgetItem(contents_, {entry.title});
            section->setExpanded(true);
        } else if (section) {
            new QTreeWidgetItem(section, {entry.title});
            section->child(section->childCount() - 1)->setData(0, kTopicRole, entry.topic);
        }
    }
    contents_->expandAll();
    tabs_->addTab(contents_, Ui(ui::kHelpContentsTab));

    auto* indexTab = new QWidget(tabs_);
    auto* indexLayout = new QVBoxLayout(indexTab);
    auto* filterLabel = new QLabel(Ui(ui::kHelpIndexFilter), indexTab);
    indexFilter_ = new QLineEdit(indexTab);
    indexFilter_->setObjectName("helpIndexFilter");
    filterLabel->setBuddy(indexFilter_);
    indexList_ = new QListWidget(indexTab);
    indexList_->setObjectName("helpIndex");
    indexList_->setAccessibleName(Ui(ui::kHelpIndexTab));
    for (const CHelpIndex::Keyword& keyword : index_.Keywords()) {
        auto* item = new QListWidgetItem(keyword.text, indexList_);
        item->setData(kTopicRole, keyword.topic);
    }
    indexLayout->addWidget(filterLabel);
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(indexList_);
    tabs_->addTab(indexTab, Ui(ui::kHelpIndexTab));

    auto* searchTab = new QWidget(tabs_);
    auto* searchLayout = new QVBoxLayout(searchTab);
    auto* searchLabel = new QLabel(Ui(ui::kHelpSearchLabel), searchTab);
    searchField_ = new QLineEdit(searchTab);
    searchField_->setObjectName("helpSearch");
    searchLabel->setBuddy(searchField_);
    auto* searchButton = new QPushButton(Ui(ui::kHelpSearchButton), searchTab);
    searchButton->setObjectName("helpSearchButton");
    searchButton->setAutoDefault(false);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchField_);
    searchRow->addWidget(searchButton);
    results_ = new QListWidget(searchTab);
    results_->setObjectName("helpResults");
    results_->setAccessibleName(Ui(ui::kHelpResults));
    searchLayout->addWidget(searchLabel);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(results_);
    tabs_->addTab(searchTab, Ui(ui::kHelpSearchTab));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpPage");
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({index_.Folder()});

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 640});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    resize(980, 680);

    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, [this] { ShowTopic("index"); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString topic = item->data(0, kTopicRole).toString();
        if (!topic.isEmpty()) ShowTopic(topic);
    });
    connect(contents_, &QTreeWidget::itemClicked, contents_, &QTreeWidget::itemActivated);
    connect(indexFilter_, &QLineEdit::textChanged, this, &CHelpViewer::FilterIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this, [this] {
        for (int row = 0; row < indexList_->count(); ++row)
            if (!indexList_->item(row)->isHidden()) {
                ShowTopic(indexList_->item(row)->data(kTopicRole).toString());
                return;
            }
    });
    connect(indexList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(kTopicRole).toString()); });
    connect(indexList_, &QListWidget::itemClicked, indexList_, &QListWidget::itemActivated);
    connect(searchField_, &QLineEdit::returnPressed, this,
            [this] { Search(searchField_->text()); });
    connect(searchButton, &QPushButton::clicked, this, [this] { Search(searchField_->text()); });
    connect(results_, &QListWidget::currentRowChanged, this, &CHelpViewer::OpenResult);
    // Escape closes the window like any dialog; F1 inside it shows the contents.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { tabs_->setCurrentIndex(0); });
}

void CHelpViewer::ShowTopic(const QString& topic) {
    QString name = topic;
    if (index_.TitleOf(name).isEmpty()) name = "index";
    browser_->setSource(QUrl::fromLocalFile(QDir(index_.Folder()).filePath(name + ".html")));
}

QString CHelpViewer::CurrentTopic() const {
    const QString file = browser_->source().fileName();
    return file.endsWith(".html") ? file.chopped(5) : file;
}

void CHelpViewer::FilterIndex(const QString& text) {
    const QString folded = CHelpIndex::Fold(text.trimmed());
    bool selected = false;
    for (int row = 0; row < indexList_->count(); ++row) {
        QListWidgetItem* item = indexList_->item(row);
        const bool shown = CHelpIndex::Fold(item->text()).startsWith(folded) ||
                           (folded.size() > 2 && CHelpIndex::Fold(item->text()).contains(folded));
        item->setHidden(!shown);
        if (shown && !selected) {
            indexList_->setCurrentItem(item);
            indexList_->scrollToItem(item);
            selected = true;
        }
    }
}

void CHelpViewer::Search(const QString& query) {
    tabs_->setCurrentIndex(2);
    if (searchField_->text() != query) searchField_->setText(query);
    lastQuery_ = query;
    results_->blockSignals(true);
    results_->clear();
    const std::vector<CHelpIndex::Hit> hits = index_.Search(query);
    for (const CHelpIndex::Hit& hit : hits) {
        auto* item = new QListWidgetItem(hit.title, results_);
        item->setData(kTopicRole, hit.topic);
    }
    if (hits.empty() && !query.trimmed().isEmpty())
        new QListWidgetItem(Ui(ui::kHelpNothingFound), results_);
    results_->blockSignals(false);
    if (!hits.empty()) results_->setCurrentRow(0);
}

void CHelpViewer::OpenResult(int row) {
    QListWidgetItem* item = results_->item(row);
    if (!item || item->data(kTopicRole).toString().isEmpty()) return;
    ShowTopic(item->data(kTopicRole).toString());
    // Select the first word searched for, so the eye finds it on the page.
    const QStringList words = lastQuery_.split(QRegularExpression("\\W+"), Qt::SkipEmptyParts);
    if (!words.isEmpty()) browser_->find(words.first());
}

} // namespace kiv
