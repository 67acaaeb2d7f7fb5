#include "shell/Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace plv7::gui {

bool QtTexteDeutsch() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return false;
    if (app->findChild<QTranslator*>(QStringLiteral("qtbase_de"))) return true;
    auto* uebersetzer = new QTranslator(app);
    uebersetzer->setObjectName(QStringLiteral("qtbase_de"));
    if (!uebersetzer->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzer);
}

}  // namespace plv7::gui
