#include "common/Ressourcen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "base/Installationsorte.h"

namespace plv7::gui {
namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

}  // namespace

QString ressourcenOrdner(const QString& programmOrdner) {
    const QDir programm(programmOrdner);
    for (const std::string_view relativ :
         {kRessourcenAbInstalliertemProgramm, kRessourcenAbProgrammImBuild}) {
        const QFileInfo ordner(programm.filePath(text(relativ)));
        if (ordner.isDir()) return ordner.canonicalFilePath();
    }
    return {};
}

QString ressourcenOrdner() {
    return ressourcenOrdner(QCoreApplication::applicationDirPath());
}

QString ressourcenDatei(const QString& name) {
    const QString ordner = ressourcenOrdner();
    if (ordner.isEmpty()) return {};
    const QString pfad = QDir(ordner).filePath(name);
    return QFileInfo::exists(pfad) ? pfad : QString();
}

}  // namespace plv7::gui
