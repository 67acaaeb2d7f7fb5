#include "com/PortBeschriftung.h"

#include <QSerialPortInfo>

#include "PortMap.h"

namespace plv7::gui {
namespace {

QString description(const QString& device) {
    if (device == PortMap::kSimulated) return QStringLiteral("simuliertes Gerät");
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() == device || info.portName() == device) {
            return info.description().trimmed();
        }
    }
    return {};
}

}  // namespace

QString portBeschriftung(int port) {
    const QString device = portMap().device(port);
    if (device.isEmpty()) return QStringLiteral("kein Port");
    QString label = QStringLiteral("COM%1").arg(port);
    // On Windows the default device is the port's own name: no need to say it twice.
    if (device != label) label += QStringLiteral("  ") + device;
    if (const QString text = description(device); !text.isEmpty()) {
        label += QStringLiteral(" — ") + text;
    }
    return label;
}

}  // namespace plv7::gui
