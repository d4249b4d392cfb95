#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/FileLocPage.h"
#include "app/Help.h"
#include "app/Icons.h"
#include "app/QelView.h"
#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "app/Texts.h"
#include "app/ToolbarPage.h"
#include "app/ToolbarSheet.h"
#include "document/DefaultFiles.h"
#include "document/DocCommands.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "document/Texts.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>
#include <cstdlib>

namespace kiv {

using ui::Ui;

bool SystemInitAllowed(const std::string& unitVersion) {
    const int version = std::atoi(unitVersion.c_str());
    return version < 740 || version > 759;
}

namespace {

// The wait cursor while a file loads or is written.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString Cp1252(const std::string& text) {
    return ToQString(text);
}

// The main window's caption: the document's title (its file's name, shown as
// the file system spells it) and the program's name.
QString Caption(const CQelDoc& doc) {
    return FromNativePath(doc.title) + " - " + Ui(ui::kAppName);
}

} // namespace

CMainFrame::CMainFrame(CQelDoc& doc, MessageSink& sink, CShellDialogs& dialogs, CProfile& profile,
                       QWidget* parent)
    : QMainWindow(parent), doc_(doc), sink_(sink), dialogs_(dialogs), profile_(profile) {
    setObjectName("mainFrame");
    setWindowIcon(AppIcon());

    // Frame creation: the saved placement, the tooltips flag, then the bars.
    RestorePlacement();
    toolTips_ = profile_.ToolTips();

    view_ = new CQelView(doc_, this);
    setCentralWidget(view_);
    connect(view_, &CQelView::TitleChanged, this, [this] { setWindowTitle(Caption(doc_)); });

    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
    recent_ = profile_.RecentFiles();
    RebuildRecentMenu();
    const QByteArray state = profile_.BarState();
    if (!state.isEmpty()) restoreState(state);
    SetToolTips(toolTips_);
    DocumentChanged();
}

CMainFrame::~CMainFrame() {
    StopMonitor();
}

// --- Actions and menus ---------------------------------------------------------

QAction* CMainFrame::MakeAction(const char* name, const char* text, const char* prompt) {
    auto* action = new QAction(Ui(text), this);
    action->setObjectName(QString::fromLatin1(name));
    if (prompt) action->setStatusTip(Ui(prompt));
    action->setEnabled(false);
    actions_.push_back(action);
    connect(action, &QAction::triggered, this, [this, action] {
        auto it = commands_.find(action);
        if (it == commands_.end() || !it->second.run) return;
        // A copy: the command may attach other commands while it runs.
        const Command command = it->second;
        command.run();
        // The check marks follow the state the command left, not the click.
        if (command.checked) UpdateCommands();
    });
    return action;
}

QAction* CMainFrame::Action(const QString& objectName) const {
    for (QAction* action : actions_)
        if (action->objectName() == objectName) return action;
    return nullptr;
}

void CMainFrame::SetCommand(const QString& objectName, std::function<void()> run,
                            std::function<bool()> enabled, std::function<bool()> checked) {
    QAction* action = Action(objectName);
    if (!action) return;
    action->setCheckable(static_cast<bool>(checked) || action->actionGroup());
    commands_[action] = Command{std::move(run), std::move(enabled), std::move(checked)};
    UpdateCommands();
}

bool CMainFrame::HasCommand(const QString& objectName) const {
    const auto it = commands_.find(Action(objectName));
    return it != commands_.end() && it->second.run;
}

void CMainFrame::UpdateCommands() {
    for (QAction* action : actions_) {
        auto it = commands_.find(action);
        bool on = it != commands_.end() && it->second.run;
        if (on && it->second.enabled) on = it->second.enabled();
        // The unit version's refusal holds whichever command is attached.
        if (on && action->objectName() == QLatin1String("actionSystemInit"))
            on = SystemInitAllowed(doc_.unitVersion);
        action->setEnabled(on);
        if (it != commands_.end() && it->second.checked) action->setChecked(it->second.checked());
    }
}

QActionGroup* CMainFrame::GroupActions(const QStringList& objectNames) {
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const QString& name : objectNames) {
        if (QAction* action = Action(name)) {
            action->setCheckable(true);
            group->addAction(action);
        }
    }
    return group;
}

void CMainFrame::CreateActions() {
    using namespace ui;
    struct Row {
        const char* name;
        const char* text;
        const char* prompt;
    };
    const Row rows[] = {
        {"actionFileNew", kFileNew, kPromptNew},
        {"actionFileOpen", kFileOpen, kPromptOpen},
        {"actionFileSave", kFileSave, kPromptSave},
        {"actionFileSaveAs", kFileSaveAs, kPromptSaveAs},
        {"actionFileOpenDefault", kFileOpenDefault, kPromptOpenDefault},
        {"actionPrintAll", kPrintAll, kPromptPrintAll},
        {"actionPrintPbx", kPrintPbx, kPromptPrintPbx},
        {"actionPrintSystem", kPrintSystem, kPromptPrintSystem},
        {"actionPrintInBand", kPrintInBand, kPromptPrintInBand},
        {"actionPrintAutoAttendant", kPrintAutoAttendant, kPromptPrintAutoAttendant},
        {"actionPrintSchedule", kPrintSchedule, kPromptPrintSchedule},
        {"actionPrintNotification", kPrintNotification, kPromptPrintNotification},
        {"actionPrintMailboxes", kPrintMailboxes, kPromptPrintMailboxes},
        {"actionPrintStatistics", kPrintStatistics, kPromptPrintStatistics},
        {"actionPrintMessages", kPrintMessages, kPromptPrintMessages},
        {"actionFilePrint", kFilePrint, kPromptPrint},
        {"actionFilePrintPreview", kFilePrintPreview, kPromptPrintPreview},
        {"actionFilePrintSetup", kFilePrintSetup, kPromptPrintSetup},
        {"actionAppExit", kAppExit, kPromptExit},
        {"actionReadParameters", kReadParameters, kPromptReadParameters},
        {"actionSendParameters", kSendParameters, kPromptSendParameters},
        {"actionCompareWithUnit", kCompareWithUnit, kPromptCompareWithUnit},
        {"actionReadRecordings", kReadRecordings, kPromptReadRecordings},
        {"actionSendRecordings", kSendRecordings, kPromptSendRecordings},
        {"actionBackup", kBackup, kPromptBackup},
        {"actionRestore", kRestore, kPromptRestore},
        {"actionSystemInit", kSystemInit, kPromptSystemInit},
        {"actionPassword", kPassword, kPromptPassword},
        {"actionSerialPort", kSerialPort, kPromptSerialPort},
        {"actionPbxParameters", kPbxParameters, kPromptPbxParameters},
        {"actionSystemParameters", kSystemParameters, kPromptSystemParameters},
        {"actionInBandProtocol", kInBandProtocol, kPromptInBand},
        {"actionPages", kPages, kPromptPages},
        {"actionPageDiagram", kPageDiagram, kPromptPageDiagram},
        {"actionWeekPicture", kWeekPicture, kPromptWeekPicture},
        {"actionTimeDate", kTimeDate, kPromptTimeDate},
        {"actionMailboxList", kMailboxList, kPromptMailboxList},
        {"actionNotification", kNotification, kPromptNotification},
        {"actionMailboxGroups", kMailboxGroups, kPromptGroups},
        {"actionStatistics", kStatistics, kPromptStatistics},
        {"actionMessageList", kMessageList, kPromptMessageList},
        {"actionOptions", kOptions, kPromptOptions},
        {"actionWizard", kWizard, kPromptWizard},
        {"actionLineMonitor", kLineMonitor, kPromptLineMonitor},
        {"actionHelpTopics", kHelpTopics, kPromptHelpTopics},
        {"actionAbout", kAbout, kPromptAbout},
        {"actionSelectPbx", kSelectPbx, nullptr},
    };
    for (const Row& row : rows)
        MakeAction(row.name, row.text, row.prompt);

    Action("actionFileNew")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Action("actionFileOpen")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Action("actionFileSave")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Action("actionFilePrint")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Action("actionHelpTopics")->setShortcut(QKeySequence(Qt::Key_F1));

    // Toolbar pictures and their short tooltips.
    struct Tool {
        const char* name;
        ToolIcon icon;
        const char* tip;
        int width;
    };
    const Tool tools[] = {
        {"actionFileOpen", ToolIcon::Open, kTipOpen, 18},
        {"actionFileSave", ToolIcon::Save, kTipSave, 18},
        {"actionFilePrint", ToolIcon::Print, kTipPrint, 18},
        {"actionReadParameters", ToolIcon::ReadParameters, kTipReadParameters, 16},
        {"actionSendParameters", ToolIcon::SendParameters, kTipSendParameters, 16},
        {"actionReadRecordings", ToolIcon::ReadRecordings, kTipReadRecordings, 16},
        {"actionSendRecordings", ToolIcon::SendRecordings, kTipSendRecordings, 16},
        {"actionPbxParameters", ToolIcon::PbxParameters, kTipPbxParameters, 16},
        {"actionInBandProtocol", ToolIcon::InBand, kTipInBand, 16},
        {"actionPages", ToolIcon::Pages, kTipPages, 16},
        {"actionTimeDate", ToolIcon::TimeDate, kTipTimeDate, 16},
        {"actionMailboxList", ToolIcon::MailboxList, kTipMailboxList, 16},
        {"actionNotification", ToolIcon::Notification, kTipNotification, 16},
        {"actionMailboxGroups", ToolIcon::Groups, kTipGroups, 16},
        {"actionWizard", ToolIcon::Wizard, kTipWizard, 16},
    };
    for (const Tool& tool : tools) {
        QAction* action = Action(tool.name);
        action->setIcon(MakeToolIcon(tool.icon, tool.width));
        action->setToolTip(Ui(tool.tip));
    }

    // Context help (Shift+F1) lives on the frame, not in a menu.
    QAction* whatsThis = QWhatsThis::createAction(this);
    whatsThis->setObjectName("actionContextHelp");
    whatsThis->setText(Ui(kContextHelp));
    whatsThis->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    addAction(whatsThis);

    // The recent files.
    for (int i = 0; i < CProfile::kRecentFileCount; ++i) {
        auto* action = new QAction(this);
        action->setObjectName(QString("actionRecentFile%1").arg(i + 1));
        action->setStatusTip(Ui(kPromptRecent));
        connect(action, &QAction::triggered, this, [this, i] { OnOpenRecent(i); });
        recentActions_[i] = action;
    }

    // The commands of this part.
    SetCommand("actionFileNew", [this] { OnFileNew(); });
    SetCommand("actionFileOpen", [this] { OnFileOpen(); });
    SetCommand("actionFileSave", [this] { OnFileSave(); });
    SetCommand("actionFileSaveAs", [this] { OnFileSaveAs(); });
    SetCommand("actionFileOpenDefault", [this] { OnFileOpenDefault(); });
    SetCommand("actionAppExit", [this] { close(); });
    SetCommand("actionOptions", [this] { OnOptions(); });
    SetCommand(
        "actionLineMonitor", [this] { OnLineMonitor(); },
        [this] { return !monitor_ || monitor_->state() == QProcess::NotRunning; });
    SetCommand("actionHelpTopics", [this] { OnHelpTopics(); });
    SetCommand("actionAbout", [this] { OnAbout(); });
}

void CMainFrame::CreateMenus() {
    using namespace ui;
    QMenuBar* bar = menuBar();
    auto addMenu = [this, bar](const char* title, const char* name) {
        QMenu* menu = bar->addMenu(Ui(title));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name) + "Action");
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
        return menu;
    };
    auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (name)
                menu->addAction(Action(name));
            else
                menu->addSeparator();
        }
    };

    fileMenu_ = addMenu(kMenuFile, "menuFile");
    add(fileMenu_, {"actionFileNew", "actionFileOpen", "actionFileSave", "actionFileSaveAs",
                    "actionFileOpenDefault", nullptr});
    QMenu* print = fileMenu_->addMenu(Ui(kMenuPrintSelection));
    print->setObjectName("menuPrintSelection");
    print->menuAction()->setObjectName("menuPrintSelectionAction");
    const QStringList sections{"actionPrintAll",           "actionPrintPbx",
                               "actionPrintSystem",        "actionPrintInBand",
                               "actionPrintAutoAttendant", "actionPrintSchedule",
                               "actionPrintNotification",  "actionPrintMailboxes",
                               "actionPrintStatistics",    "actionPrintMessages"};
    for (const QString& name : sections)
        print->addAction(Action(name));
    // The item of the section to print carries the check mark.
    GroupActions(sections)->setObjectName("printSectionGroup");
    add(fileMenu_, {"actionFilePrint", "actionFilePrintPreview", "actionFilePrintSetup"});
    recentAnchor_ = fileMenu_->addSeparator();
    recentAnchor_->setObjectName("recentFilesSeparator");
    recentEmpty_ = new QAction(Ui(kRecentFiles), this);
    recentEmpty_->setObjectName("actionRecentFilesEmpty");
    recentEmpty_->setStatusTip(Ui(kPromptRecent));
    recentEmpty_->setEnabled(false);
    fileMenu_->addAction(recentEmpty_);
    for (QAction* action : recentActions_)
        fileMenu_->addAction(action);
    fileMenu_->addSeparator();
    add(fileMenu_, {"actionAppExit"});

    QMenu* comm = addMenu(kMenuComm, "menuComm");
    add(comm, {"actionReadParameters", "actionSendParameters", "actionCompareWithUnit", nullptr,
               "actionReadRecordings", "actionSendRecordings", nullptr, "actionBackup",
               "actionRestore", "actionSystemInit", nullptr, "actionPassword", "actionSerialPort"});
    QMenu* params = addMenu(kMenuParameters, "menuParameters");
    add(params, {"actionPbxParameters", "actionSystemParameters", "actionInBandProtocol"});
    QMenu* attendant = addMenu(kMenuAutoAttendant, "menuAutoAttendant");
    add(attendant, {"actionPages", "actionPageDiagram", "actionWeekPicture", "actionTimeDate"});
    QMenu* voice = addMenu(kMenuVoiceMail, "menuVoiceMail");
    add(voice, {"actionMailboxList", "actionNotification", "actionMailboxGroups"});
    QMenu* tools = addMenu(kMenuTools, "menuTools");
    add(tools, {"actionStatistics", "actionMessageList", nullptr, "actionOptions", "actionWizard",
                nullptr, "actionLineMonitor"});
    QMenu* help = addMenu(kMenuHelp, "menuHelp");
    add(help, {"actionHelpTopics", nullptr, "actionAbout"});
}

void CMainFrame::CreateToolBars() {
    using namespace ui;
    auto make = [this](const char* title, const char* name, QSize iconSize,
                       std::initializer_list<const char*> names) {
        QToolBar* bar = addToolBar(Ui(title));
        bar->setObjectName(QString::fromLatin1(name));
        bar->setIconSize(iconSize);
        bar->toggleViewAction()->setObjectName(QString::fromLatin1(name) + "Toggle");
        for (const char* action : names) {
            if (!action) {
                bar->addSeparator();
                continue;
            }
            bar->addAction(Action(action));
            if (QWidget* button = bar->widgetForAction(Action(action)))
                button->installEventFilter(this);
        }
        bar->installEventFilter(this);
        return bar;
    };
    bars_[MainBar] = make(kBarMain, "barMain", QSize(18, 16),
                          {"actionFileOpen", "actionFileSave", "actionFilePrint"});
    bars_[CommBar] = make(kBarComm, "barComm", QSize(16, 16),
                          {"actionReadParameters", "actionSendParameters", "actionReadRecordings",
                           "actionSendRecordings"});
    bars_[ParametersBar] = make(kBarParameters, "barParameters", QSize(16, 16),
                                {"actionPbxParameters", "actionInBandProtocol", "actionPages",
                                 "actionTimeDate", "actionMailboxList", "actionNotification",
                                 "actionMailboxGroups", nullptr, "actionWizard"});

    // The dialog bar: one push button, driven by its action.
    dialogBar_ = addToolBar(Ui(kBarDialog));
    dialogBar_->setObjectName("barDialog");
    dialogBar_->toggleViewAction()->setObjectName("barDialogToggle");
    QAction* selectPbx = Action("actionSelectPbx");
    auto* button = new QPushButton(selectPbx->text(), dialogBar_);
    button->setObjectName("buttonSelectPbx");
    button->setEnabled(selectPbx->isEnabled());
    connect(button, &QPushButton::clicked, selectPbx, &QAction::trigger);
    connect(selectPbx, &QAction::changed, button,
            [button, selectPbx] { button->setEnabled(selectPbx->isEnabled()); });
    dialogBar_->addWidget(button);
}

QMenu* CMainFrame::createPopupMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName("barsMenu");
    for (QToolBar* bar : bars_)
        menu->addAction(bar->toggleViewAction());
    return menu;
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("statusBar");
    for (const char* text : {ui::kIndicatorCaps, ui::kIndicatorNum, ui::kIndicatorScroll}) {
        auto* label = new QLabel(Ui(text), bar);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(Ui(text)) + 12);
        // The lock states are not known to the program: the panes show off.
        label->setEnabled(false);
        bar->addPermanentWidget(label);
    }
    // The message pane falls back to the idle prompt whenever it is cleared.
    connect(bar, &QStatusBar::messageChanged, this, [this, bar](const QString& message) {
        if (message.isEmpty()) bar->showMessage(IdlePrompt());
    });
    bar->showMessage(IdlePrompt());
}

QString CMainFrame::IdlePrompt() const {
    return Ui(ui::kIdlePrompt);
}

void CMainFrame::SetToolTips(bool on) {
    toolTips_ = on;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // With the tooltips off, the bars show neither the tooltip nor the prompt.
    if (!toolTips_ && (event->type() == QEvent::ToolTip || event->type() == QEvent::StatusTip))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

// --- Placement -------------------------------------------------------------------

void CMainFrame::RestorePlacement() {
    std::optional<CWindowPlacement> placement = profile_.WindowPos();
    if (!placement) {
        placementRestored_ = 1;
        return;
    }
    if (placement->showCmd == 2) placement->showCmd = 1;
    const int width = std::max(placement->right - placement->left, 100);
    const int height = std::max(placement->bottom - placement->top, 100);
    PlaceWindow(QRect(placement->left, placement->top, width, height));
    savedPlacement_ = *placement;
    placementRestored_ = 0;
}

void CMainFrame::ShowAtStart(bool profileExisted) {
    if (!profileExisted) {
        PlaceWindow(QRect(6, 1, 610, 451));
        show();
    } else if (placementRestored_ == 0 && savedPlacement_.showCmd == 3) {
        showMaximized();
    } else {
        show();
    }
}

// The placement's rectangle: the window's position (its frame's top-left
// corner, as the window system reports it) and the window's size.
void CMainFrame::PlaceWindow(const QRect& rect) {
    move(rect.topLeft());
    resize(rect.size());
}

CWindowPlacement CMainFrame::CurrentPlacement() const {
    CWindowPlacement p;
    QRect r(pos(), size());
    if ((isMaximized() || isMinimized()) && normalGeometry().isValid()) {
        const QRect normal = normalGeometry();
        r = QRect(normal.topLeft() - (geometry().topLeft() - pos()), normal.size());
    }
    p.flags = isMaximized() ? 2 : 0;
    p.showCmd = isMinimized() ? 2 : (isMaximized() ? 3 : 1);
    p.left = r.x();
    p.top = r.y();
    p.right = r.x() + r.width();
    p.bottom = r.y() + r.height();
    return p;
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // Only after a saved placement was applied, and only for a normal window.
    if (placementRestored_ == 0 && isVisible() && !closing_ &&
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        profile_.SetWindowPos(CurrentPlacement());
}

// --- Closing ---------------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
    profile_.SetBarState(saveState());
    profile_.SetToolTips(toolTips_);
    profile_.SetWindowPos(CurrentPlacement());
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    closing_ = true;
    StopMonitor();
    event->accept();
}

bool CMainFrame::SaveModified() {
    if (!doc_.modified) return true;
    const std::string title = ToCp1252Shown(FromNativePath(doc_.title));
    switch (sink_.Ask(SaveChangesQuestion(title), MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgAnswer::Yes:
        return OnFileSave();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

// --- File commands -----------------------------------------------------------------

void CMainFrame::DocumentChanged() {
    view_->Redraw();
    setWindowTitle(Caption(doc_));
    UpdateCommands();
}

void CMainFrame::OnFileNew() {
    // Unsaved work is offered for saving first; Cancel keeps it.
    if (!SaveModified()) return;
    const std::optional<int> choice = dialogs_.AskProductType(this, doc_.productType);
    NewConfiguration(doc_, choice);
    DocumentChanged();
}

void CMainFrame::OnFileOpen() {
    if (!SaveModified()) return;
    // The type chosen only picks the files offered; it reaches the document
    // when a file is opened, so a cancelled command changes nothing.
    const int type = ChosenProductType(dialogs_.AskProductType(this, doc_.productType));
    const std::optional<QString> name = dialogs_.OpenFileName(this, Cp1252(FileDialogFilter(type)),
                                                              FromNativePath(doc_.currentDir));
    if (!name) return;
    OpenPath(*name, type);
}

bool CMainFrame::OpenPath(const QString& name, std::optional<int> chosenType) {
    const std::string path = WithDefaultExtension(NativePath(name));
    bool accepted;
    {
        WaitCursor wait;
        accepted = OpenConfiguration(doc_, path, sink_, chosenType);
    }
    if (accepted) AddRecent(FromNativePath(path));
    DocumentChanged();
    return accepted;
}

void CMainFrame::OnOpenRecent(int index) {
    if (index < 0 || index >= recent_.size()) return;
    if (!SaveModified()) return;
    const QString path = recent_[index];
    if (!QFileInfo(path).isReadable()) {
        sink_.Show(texts::kCannotOpenInput);
        recent_.removeAt(index);
        profile_.SetRecentFiles(recent_);
        profile_.Sync();
        RebuildRecentMenu();
        return;
    }
    OpenPath(path);
}

void CMainFrame::OnFileOpenDefault() {
    const std::optional<int> choice = dialogs_.AskProductType(this, doc_.productType);
    // Cancel at the save question keeps the configuration as it is.
    if (!SaveModified()) return;
    const std::vector<std::string> folders =
        DataFolders(doc_.startDir, NativePath(QCoreApplication::applicationDirPath()));
    {
        WaitCursor wait;
        OpenDefaultConfiguration(doc_, choice, folders, sink_);
    }
    DocumentChanged();
}

bool CMainFrame::OnFileSave() {
    const std::optional<std::string> target = SaveTarget(doc_);
    if (!target) return OnFileSaveAs();
    bool saved;
    {
        WaitCursor wait;
        saved = SaveConfiguration(doc_, *target, false, sink_);
    }
    if (saved) AddRecent(FromNativePath(*target));
    DocumentChanged();
    return saved;
}

bool CMainFrame::OnFileSaveAs() {
    const QString folder = !doc_.fileLocation[1].empty() ? Cp1252(doc_.fileLocation[1])
                                                         : FromNativePath(doc_.currentDir);
    const std::optional<QString> name =
        dialogs_.SaveFileName(this, Cp1252(FileDialogFilter(doc_.productType)), folder,
                              FromNativePath(SaveAsInitialName(doc_.title, doc_.productType)));
    if (!name) return false;
    std::optional<std::string> written;
    {
        WaitCursor wait;
        written = SaveConfigurationAs(doc_, NativePath(*name), sink_);
    }
    if (written) AddRecent(FromNativePath(*written));
    DocumentChanged();
    return written.has_value();
}

// --- Recent files ------------------------------------------------------------------

void CMainFrame::AddRecent(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    recent_.removeAll(full);
    recent_.prepend(full);
    while (recent_.size() > CProfile::kRecentFileCount)
        recent_.removeLast();
    profile_.SetRecentFiles(recent_);
    profile_.Sync();
    RebuildRecentMenu();
}

void CMainFrame::RebuildRecentMenu() {
    recentEmpty_->setVisible(recent_.isEmpty());
    for (int i = 0; i < CProfile::kRecentFileCount; ++i) {
        QAction* action = recentActions_[i];
        if (i < recent_.size()) {
            QString shown = QDir::toNativeSeparators(recent_[i]);
            if (shown.size() > 48)
                shown = QString("...") + QDir::separator() + QFileInfo(shown).fileName();
            action->setText(QString("&%1 %2").arg(i + 1).arg(shown));
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

// --- Tools ---------------------------------------------------------------------------

void CMainFrame::OnOptions() {
    std::array<bool, 3> visible{};
    for (int i = 0; i < 3; ++i)
        visible[i] = !bars_[i]->isHidden();
    CToolbarSheet sheet(visible, toolTips_, doc_.fileLocation, dialogs_, this);
    if (dialogs_.Exec(sheet) != QDialog::Accepted) return;
    const CToolbarPage* page = sheet.ToolbarPage();
    for (int i = 0; i < 3; ++i)
        bars_[i]->setVisible(page->visible[i]);
    SetToolTips(page->toolTips);
    for (QToolBar* bar : bars_)
        bar->update();
    doc_.fileLocation = sheet.FileLocPage()->locations;
}

void CMainFrame::OnLineMonitor() {
    if (monitor_ && monitor_->state() != QProcess::NotRunning) return;
    QString program = monitorProgram_;
    if (program.isEmpty())
        program =
            QStandardPaths::findExecutable("tarvel", {QCoreApplication::applicationDirPath()});
    // Installed elsewhere than beside kiv: wherever the search path finds it.
    if (program.isEmpty()) program = QStandardPaths::findExecutable("tarvel");
    const QFileInfo info(program);
    if (program.isEmpty() || !info.isFile() || !info.isExecutable()) {
        std::string text;
        FromQString(Ui(ui::kMonitorNotFound), text);
        sink_.Show(text, MsgIcon::Warning);
        return;
    }
    if (!monitor_) {
        monitor_ = new QProcess(this);
        monitor_->setProcessChannelMode(QProcess::ForwardedChannels);
        connect(monitor_, &QProcess::finished, this, &CMainFrame::UpdateCommands);
        connect(monitor_, &QProcess::errorOccurred, this, &CMainFrame::UpdateCommands);
    }
    monitor_->start(info.absoluteFilePath(), {QString::number(doc_.portIndex + 1)});
    if (!monitor_->waitForStarted(5000)) {
        std::string text;
        FromQString(Ui(ui::kMonitorNotStarted), text);
        sink_.Show(text, MsgIcon::Warning);
    }
    UpdateCommands();
}

void CMainFrame::StopMonitor() {
    if (!monitor_ || monitor_->state() == QProcess::NotRunning) return;
    monitor_->terminate();
    if (!monitor_->waitForFinished(2000)) {
        monitor_->kill();
        monitor_->waitForFinished(1000);
    }
}

void CMainFrame::OnAbout() {
    CAboutDlg about(this);
    dialogs_.Exec(about);
}

void CMainFrame::OnHelpTopics() {
    ShowHelp("index", sink_);
}

} // namespace kiv
