#pragma once
// Shared pieces of the window program's tests: one QApplication, dialogs
// answered from a script, and a fixture with its own profile and work folder.

#include "app/QelApp.h"
#include "app/ShellDialogs.h"
#include "document/MessageSink.h"

#include <QDialog>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace kiv::test {

void EnsureQApp();

// Every dialog answered in advance. An empty script answers Cancel.
class CScriptedDialogs : public CShellDialogs {
  public:
    using CShellDialogs::CShellDialogs;

    int Exec(QDialog& dialog) override;
    std::optional<int> AskProductType(QWidget* parent, int current) override;
    std::optional<QString> OpenFileName(QWidget* parent, const QString& filter,
                                        const QString& folder, const QString& title = {}) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& filter,
                                        const QString& folder, const QString& name) override;
    std::optional<QString> PickFolder(QWidget* parent, const FolderRequest& request) override;

    std::deque<std::optional<int>> productTypes;
    std::deque<std::optional<QString>> openNames;
    std::deque<std::optional<QString>> saveNames;
    std::deque<std::optional<QString>> folders;
    // Runs a dialog given to Exec; without it Exec answers Rejected.
    std::function<int(QDialog&)> onExec;

    struct FileCall {
        QString filter;
        QString folder;
        QString name; // the preset name (save) or the dialog's title (open)
    };
    std::vector<int> productTypeCalls; // the type each dialog opened with
    std::vector<FileCall> openCalls;
    std::vector<FileCall> saveCalls;
    std::vector<FolderRequest> folderCalls;
    std::vector<QString> execCalls; // object names of the dialogs run
};

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program as main() does; step 8 takes `defaultType` from
    // "Tipo Prodotto" unless the script already holds answers.
    std::unique_ptr<CQelApp> Start(const QStringList& arguments = {},
                                   std::optional<int> defaultType = 0);
    QString WorkPath(const QString& name) const { return workDir.filePath(name); }
    QString ProfileFile() const;
    // A value from the profile file as a new process would read it.
    QString ProfileValue(const QString& key) const;
    // Writes a configuration file of a product type into the work folder.
    QString MakeConfigFile(const QString& name, int productType, int mailboxes = 0);

    // Runs on the new application before its start-up (to install commands).
    std::function<void(CQelApp&)> prepare;

    QTemporaryDir profileDir;
    QTemporaryDir workDir;
    RecordingSink sink;
    CScriptedDialogs dialogs{sink};
    QString oldCurrent;
};

} // namespace kiv::test
