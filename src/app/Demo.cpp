#include "Demo.h"

#include <QDir>
#include <QFileInfo>

#include "Box.h"
#include "Line.h"
#include "PortMap.h"
#include "ini/IniStore.h"
#include "link/ComSettings.h"

namespace plv7::gui {

ProgrammOptionen demoOptionen(const QString& einstellungsdatei) {
    ProgrammOptionen optionen;
    QDir().mkpath(QFileInfo(einstellungsdatei).absolutePath());
    optionen.iniPath = einstellungsdatei;
    IniStore einstellungen;
    if (!QFileInfo::exists(optionen.iniPath)) {
        einstellungen.putInt("com", "port", 1);
        einstellungen.putInt("com", "lport", 1);
        einstellungen.writeFile(optionen.iniPath.toStdString());
    } else {
        // An unreadable file leaves the store empty: the box then waits at the defaults the
        // program falls back to as well.
        einstellungen.readFile(optionen.iniPath.toStdString());
    }
    const ComSettings com = readComSettings(einstellungen);

    portMap().setDevice(1, PortMap::kSimulated);
    optionen.simLine = std::make_shared<sim::Line>();
    // The common address '&' reaches every box but is answered by none: the box then keeps
    // the usual address.
    sim::Box* box = optionen.simLine->addBox(com.adresse);
    if (box == nullptr) box = optionen.simLine->addBox('1');
    box->setBaud(com.baudrate);
    // Inputs 1 and 2 follow the outputs of the same number; 3 and 4 bring signals of their own.
    box->setInputSource(3, {sim::InputKind::Sine, 0.0, 4.0, 4.0});
    box->setInputSource(4, {sim::InputKind::Ramp, 0.0, 1.0, 6.0});
    return optionen;
}

}  // namespace plv7::gui
