#include "app/Help.h"

#include "app/HelpIndex.h"
#include "app/HelpViewer.h"
#include "app/MessageBoxSink.h"
#include "app/QtText.h"
#include "app/Texts.h"
#include "document/MessageSink.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QShortcut>

#include <memory>

namespace kiv {

namespace {

HelpOpener& Opener() {
    static HelpOpener opener;
    return opener;
}

// The guide's pages, read once per folder.
const CHelpIndex* LoadedIndex(const QString& folder) {
    static std::unique_ptr<CHelpIndex> index;
    if (!index || index->Folder() != folder) {
        index = std::make_unique<CHelpIndex>();
        if (!index->Load(folder)) return nullptr;
    }
    return index.get();
}

// Where the guide's window belongs: the dialog waiting for an answer (a
// window it does not own would be blocked by it), else the main window, so
// the guide closes with it.
QWidget* HelpParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(top) && top->isVisible()) return top;
    return nullptr;
}

} // namespace

QString HelpFolder() {
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& folder : {appDir + "/help", appDir + "/../share/kiv/help"}) {
        const QFileInfo index(QDir(folder).filePath("index.html"));
        if (index.isFile() && index.isReadable()) return QDir::cleanPath(folder);
    }
    return {};
}

QString HelpPagePath(const QString& topic) {
    const QString folder = HelpFolder();
    if (topic.isEmpty() || folder.isEmpty()) return {};
    const QFileInfo page(QDir(folder).filePath(topic + ".html"));
    if (page.isFile() && page.isReadable()) return page.absoluteFilePath();
    return {};
}

void SetHelpOpener(HelpOpener opener) {
    Opener() = std::move(opener);
}

CHelpViewer* OpenHelpViewer(const QString& topic) {
    static QPointer<CHelpViewer> viewer;
    const CHelpIndex* index = LoadedIndex(HelpFolder());
    if (!index) return nullptr;
    QWidget* parent = HelpParent();
    // A window left under another owner is replaced by one under this one.
    if (viewer && (viewer->parentWidget() != parent || &viewer->Index() != index))
        delete viewer.data();
    if (!viewer) viewer = new CHelpViewer(*index, parent);
    viewer->ShowTopic(topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

void ShowHelp(const QString& topic, MessageSink& sink) {
    const QString page = HelpPagePath(topic);
    if (!page.isEmpty()) {
        if (Opener())
            Opener()(topic);
        else
            OpenHelpViewer(topic);
        return;
    }
    std::string text;
    FromQString(ui::Ui(ui::kNoHelpPage), text);
    sink.Show(text, MsgIcon::Information);
}

void InstallHelpKey(QWidget* window, const QString& topic) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window, topic] {
        CMessageBoxSink boxes(window);
        ShowHelp(topic, boxes);
    });
}

QLineEdit* TextFieldOf(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit;
    if (qobject_cast<QAbstractSpinBox*>(control) || qobject_cast<QComboBox*>(control))
        return control->findChild<QLineEdit*>();
    return nullptr;
}

QMenu* CreateHelpContextMenu(QWidget* control, std::function<void()> show) {
    QLineEdit* field = TextFieldOf(control);
    QMenu* menu = field ? field->createStandardContextMenu() : new QMenu;
    if (!menu->isEmpty()) menu->addSeparator();
    QAction* help = menu->addAction(ui::Ui(ui::kSheetHelp));
    help->setObjectName("contextHelp");
    QObject::connect(help, &QAction::triggered, menu, std::move(show));
    return menu;
}

} // namespace kiv
