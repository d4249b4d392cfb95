#include "app/QtSetup.h"

#include "app/Accessible.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kiv {

bool LoadQtTranslations() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    const QString name = QStringLiteral("kivQtTranslator");
    if (app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) return true;
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    // "qt_it" gathers the catalogues of every Qt module.
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + "/translations"}) {
        if (translator->load(italian, QStringLiteral("qt"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

void InstallAccessibleInterfaces() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&AccessibleFactory);
}

void PrepareQtApplication() {
    LoadQtTranslations();
    InstallAccessibleInterfaces();
}

} // namespace kiv
