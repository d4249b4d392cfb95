#pragma once
// CMainFrame: the main window. Menus, the three toolbars and the dialog bar,
// the status bar, the view, the file commands, the options sheet, the line
// monitor, the window placement kept in the profile, and the closing.
//
// Commands of other parts attach to the actions by name with SetCommand;
// an action without a command stays disabled.

#include "app/Profile.h"

#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QToolBar;

namespace kiv {

class CQelDoc;
class CQelView;
class CShellDialogs;
class MessageSink;

// "&Inizializzazione Sistema" is refused by units whose version reads as a
// number from 740 to 759.
bool SystemInitAllowed(const std::string& unitVersion);

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    enum Bar { MainBar = 0, CommBar = 1, ParametersBar = 2 };

    CMainFrame(CQelDoc& doc, MessageSink& sink, CShellDialogs& dialogs, CProfile& profile,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Start-up step 5: the saved placement (when the profile existed) or the
    // first-run placement 6, 1, 610 x 451.
    void ShowAtStart(bool profileExisted);

    // --- Commands ------------------------------------------------------------
    // The action of a command by its object name ("actionFileOpen" ...).
    QAction* Action(const QString& objectName) const;
    std::vector<QAction*> Actions() const { return actions_; }
    // Attaches a command to an action; `enabled`, when given, is asked each
    // time the commands are brought up to date.
    void SetCommand(const QString& objectName, std::function<void()> run,
                    std::function<bool()> enabled = {});
    void UpdateCommands();

    // --- The document after a change -----------------------------------------
    // Redraws the view and brings the caption and the commands up to date.
    void DocumentChanged();
    // The close question for a modified document. Yes saves; false when the
    // caller must stop (Cancel, or a save that did not happen).
    bool SaveModified();

    CQelDoc& Doc() const { return doc_; }
    MessageSink& Sink() const { return sink_; }
    CShellDialogs& Dialogs() const { return dialogs_; }
    CProfile& Profile() const { return profile_; }
    CQelView* View() const { return view_; }
    QToolBar* ToolBar(Bar bar) const { return bars_[bar]; }
    QToolBar* DialogBar() const { return dialogBar_; }
    bool ToolTipsOn() const { return toolTips_; }
    void SetToolTips(bool on);
    bool PlacementRestored() const { return placementRestored_ == 0; }
    QStringList RecentFiles() const { return recent_; }

    // The line monitor program (default: "tarvel" beside this program).
    void SetMonitorProgram(const QString& path) { monitorProgram_ = path; }
    QProcess* MonitorProcess() const { return monitor_; }

    QString IdlePrompt() const;

    // The bars' context menu: "Principale", "Comunicazione", "Parametri".
    QMenu* createPopupMenu() override;
    // Holds back the bars' tooltips and prompts while the tooltips are off.
    bool eventFilter(QObject* watched, QEvent* event) override;

  public slots:
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFileOpenDefault();
    void OnOpenRecent(int index);
    void OnOptions();
    void OnLineMonitor();
    void OnAbout();
    void OnHelpTopics();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Command {
        std::function<void()> run;
        std::function<bool()> enabled;
    };

    QAction* MakeAction(const char* name, const char* text, const char* prompt);
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    void RestorePlacement();
    void PlaceWindow(const QRect& rect);
    CWindowPlacement CurrentPlacement() const;
    void RebuildRecentMenu();
    void AddRecent(const QString& path);
    // Opens a file; `chosenType` is the answer of "Tipo Prodotto" when the
    // command asked it.
    bool OpenPath(const QString& path, std::optional<int> chosenType = std::nullopt);
    void StopMonitor();

    CQelDoc& doc_;
    MessageSink& sink_;
    CShellDialogs& dialogs_;
    CProfile& profile_;
    CQelView* view_ = nullptr;
    std::array<QToolBar*, 3> bars_{};
    QToolBar* dialogBar_ = nullptr;
    std::vector<QAction*> actions_;
    std::map<QAction*, Command> commands_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentAnchor_ = nullptr; // separator before the recent files
    QAction* recentEmpty_ = nullptr;  // "File Recente" while the list is empty
    std::array<QAction*, CProfile::kRecentFileCount> recentActions_{};
    QStringList recent_;
    bool toolTips_ = true;
    int placementRestored_ = 1; // 0 once a saved placement was applied
    CWindowPlacement savedPlacement_;
    QPointer<QProcess> monitor_;
    QString monitorProgram_;
    bool closing_ = false;
};

} // namespace kiv
