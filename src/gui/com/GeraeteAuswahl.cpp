#include "com/GeraeteAuswahl.h"

#include "PortMap.h"
#include "SerialDeviceList.h"

namespace plv7::gui {

GeraeteAuswahl::GeraeteAuswahl(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("COMPNL_GERAET"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(24);
    geraete_ = serialDeviceList().devices();
}

void GeraeteAuswahl::zeigen(int port) {
    port_ = port;
    const QSignalBlocker quiet(this);
    clear();
    const QString standard = PortMap::defaultDevice(port);
    addItem(QStringLiteral("Standard: %1").arg(standard), QString());
    const std::string mapping =
        portMap().isMapped(port) ? portMap().device(port).toStdString() : std::string();
    int current = 0;
    for (const SerialDevice& device : geraete_) {
        // The default device is the first entry already.
        if (device.device == standard.toStdString() && device.serialNumber.empty()) continue;
        addItem(QString::fromStdString(deviceLabel(device)),
                QString::fromStdString(mappingFor(device)));
        setItemData(
            count() - 1,
            QString::fromStdString(device.stablePath.empty() ? device.device : device.stablePath),
            Qt::ToolTipRole);
        if (mapsTo(mapping, device)) current = count() - 1;
    }
    if (!mapping.empty() && current == 0) {
        const QString text =
            mapping == PortMap::kSimulated.toStdString()
                ? QStringLiteral("sim — simuliertes Gerät")
                : QStringLiteral("%1 (nicht angeschlossen)").arg(QString::fromStdString(mapping));
        addItem(text, QString::fromStdString(mapping));
        current = count() - 1;
    }
    setCurrentIndex(current);
}

bool GeraeteAuswahl::listeLesen() {
    std::vector<SerialDevice> jetzt = serialDeviceList().devices();
    if (jetzt == geraete_) return false;
    geraete_ = std::move(jetzt);
    zeigen(port_);
    return true;
}

QString GeraeteAuswahl::gewaehlt() const {
    return currentData().toString();
}

}  // namespace plv7::gui
