#include "AppTestSupport.h"

#include "app/Profile.h"
#include "document/DocCommands.h"
#include "document/QelDoc.h"
#include "document/QelFile.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

namespace kiv::test {

void EnsureQApp() {
    ASSERT_NE(QApplication::instance(), nullptr);
}

int CScriptedDialogs::Exec(QDialog& dialog) {
    execCalls.push_back(dialog.objectName());
    return onExec ? onExec(dialog) : QDialog::Rejected;
}

std::optional<int> CScriptedDialogs::AskProductType(QWidget*, int current) {
    productTypeCalls.push_back(current);
    if (productTypes.empty()) return std::nullopt;
    auto answer = productTypes.front();
    productTypes.pop_front();
    return answer;
}

std::optional<QString> CScriptedDialogs::OpenFileName(QWidget*, const QString& filter,
                                                      const QString& folder, const QString& title) {
    openCalls.push_back({filter, folder, title});
    if (openNames.empty()) return std::nullopt;
    auto answer = openNames.front();
    openNames.pop_front();
    return answer;
}

std::optional<QString> CScriptedDialogs::SaveFileName(QWidget*, const QString& filter,
                                                      const QString& folder, const QString& name) {
    saveCalls.push_back({filter, folder, name});
    if (saveNames.empty()) return std::nullopt;
    auto answer = saveNames.front();
    saveNames.pop_front();
    return answer;
}

std::optional<QString> CScriptedDialogs::PickFolder(QWidget*, const FolderRequest& request) {
    folderCalls.push_back(request);
    if (folders.empty()) return std::nullopt;
    auto answer = folders.front();
    folders.pop_front();
    return answer;
}

void AppTest::SetUp() {
    EnsureQApp();
    ASSERT_TRUE(profileDir.isValid());
    ASSERT_TRUE(workDir.isValid());
    CProfile::SetDirectoryOverride(profileDir.path());
    oldCurrent = QDir::currentPath();
    QDir::setCurrent(workDir.path());
}

void AppTest::TearDown() {
    QDir::setCurrent(oldCurrent);
    CProfile::SetDirectoryOverride({});
}

std::unique_ptr<CQelApp> AppTest::Start(const QStringList& arguments,
                                        std::optional<int> defaultType) {
    if (dialogs.productTypes.empty()) dialogs.productTypes.push_back(defaultType);
    auto app = std::make_unique<CQelApp>(&sink, &dialogs);
    if (prepare) prepare(*app);
    if (!app->InitInstance(arguments)) return nullptr;
    QApplication::processEvents();
    return app;
}

QString AppTest::ProfileFile() const {
    return QDir(profileDir.path()).filePath("KIV.INI");
}

QString AppTest::ProfileValue(const QString& key) const {
    QSettings fresh(ProfileFile(), QSettings::IniFormat);
    return fresh.value(key).toString();
}

QString AppTest::MakeConfigFile(const QString& name, int productType, int mailboxes) {
    CQelDoc doc;
    doc.SetProductType(productType);
    doc.mboxCount = mailboxes;
    for (int i = 0; i < mailboxes; ++i)
        doc.mailboxes[i].number = std::to_string(100 + i);
    const QString path = WorkPath(name);
    EXPECT_TRUE(WriteFileReplacing(path.toStdString(), StoreConfiguration(doc)));
    return path;
}

} // namespace kiv::test

// One QApplication for the whole run, destroyed before the program's exit
// handlers run (a static one would outlive the objects Qt hangs on it).
int main(int argc, char** argv) {
    // Test discovery runs without the test environment: stay offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
