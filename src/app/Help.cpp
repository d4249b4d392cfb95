#include "app/Help.h"

#include "app/QtText.h"
#include "app/Texts.h"
#include "document/MessageSink.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
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

} // namespace kiv
