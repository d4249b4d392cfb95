#include "app/Help.h"

#include "app/QtText.h"
#include "app/Texts.h"
#include "document/MessageSink.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QUrl>

namespace kiv {

QString HelpPagePath(const QString& topic) {
    if (topic.isEmpty()) return {};
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList folders = {appDir + "/help", appDir + "/../share/kiv/help"};
    for (const QString& folder : folders) {
        const QFileInfo page(QDir(folder).filePath(topic + ".html"));
        if (page.isFile() && page.isReadable()) return page.absoluteFilePath();
    }
    return {};
}

void ShowHelp(const QString& topic, MessageSink& sink) {
    const QString page = HelpPagePath(topic);
    if (!page.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(page))) return;
    std::string text;
    FromQString(ui::Ui(ui::kNoHelpPage), text);
    sink.Show(text, MsgIcon::Information);
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
