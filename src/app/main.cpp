// plv7steuerung: the PLV-7 control program.
#include <QApplication>
#include <cstdio>

#include "Aufruf.h"
#include "base/Version.h"
#include "common/Ressourcen.h"
#include "shell/Programm.h"
#include "shell/Uebersetzung.h"

namespace {

void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("plv7steuerung"));
    QCoreApplication::setApplicationVersion(
        QString::fromUtf8(plv7::kVersion.data(), static_cast<qsizetype>(plv7::kVersion.size())));
}

// Help, version or the resource folder, printed.
int answer(plv7::gui::Aufruf::Art art) {
    using Art = plv7::gui::Aufruf::Art;
    if (art == Art::Hilfe) {
        std::printf("%s", qUtf8Printable(plv7::gui::aufrufHilfetext()));
        return 0;
    }
    if (art == Art::Version) {
        std::printf("plv7steuerung %s\n", qUtf8Printable(QCoreApplication::applicationVersion()));
        return 0;
    }
    const QString folder = plv7::gui::ressourcenOrdner();
    if (folder.isEmpty()) {
        std::fprintf(stderr, "plv7steuerung: no resource folder for %s\n",
                     qUtf8Printable(QCoreApplication::applicationDirPath()));
        return 1;
    }
    std::printf("%s\n", qUtf8Printable(folder));
    return 0;
}

bool answersWithoutStarting(const plv7::gui::Aufruf& aufruf) {
    using Art = plv7::gui::Aufruf::Art;
    return aufruf.art == Art::Hilfe || aufruf.art == Art::Version ||
           aufruf.art == Art::Ressourcenordner;
}

}  // namespace

int main(int argc, char** argv) {
    using plv7::gui::Aufruf;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const Aufruf first = plv7::gui::aufrufLesen(arguments);
    if (answersWithoutStarting(first)) {
        // No window, so no display needed.
        QCoreApplication app(argc, argv);
        nameProgram();
        return answer(first.art);
    }

    QApplication app(argc, argv);
    nameProgram();
    plv7::gui::QtTexteDeutsch();
    // Read again without the window system's own options (-platform, -style, ...).
    const Aufruf aufruf = plv7::gui::aufrufLesen(QCoreApplication::arguments());
    if (answersWithoutStarting(aufruf)) return answer(aufruf.art);
    if (aufruf.art != Aufruf::Art::Starten) {
        std::fprintf(stderr, "plv7steuerung: %s\nTry 'plv7steuerung --help'.\n",
                     qUtf8Printable(aufruf.fehler));
        return 1;
    }
    plv7::gui::Programm programm(plv7::gui::programmOptionen(aufruf));
    if (const int started = programm.starten(); started != 0) return -1;
    app.exec();
    programm.beenden();
    return 0;
}
