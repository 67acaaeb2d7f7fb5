#include "com/PortBeschriftung.h"

#include "PortMap.h"

namespace plv7::gui {
namespace {

QString description(const QString& device, const std::vector<SerialDevice>& devices) {
    if (device == PortMap::kSimulated) return QStringLiteral("simuliertes Gerät");
    for (const SerialDevice& known : devices) {
        if (mapsTo(device.toStdString(), known)) {
            return QString::fromStdString(known.description);
        }
    }
    return {};
}

}  // namespace

QString portBeschriftung(int port, const std::vector<SerialDevice>& devices) {
    const QString device = portMap().device(port);
    if (device.isEmpty()) return QStringLiteral("kein Port");
    QString label = QStringLiteral("COM%1").arg(port);
    // On Windows the default device is the port's own name: no need to say it twice.
    if (device != label) label += QStringLiteral("  ") + device;
    if (const QString text = description(device, devices); !text.isEmpty()) {
        label += QStringLiteral(" — ") + text;
    }
    return label;
}

}  // namespace plv7::gui
