#include "direkt/Echtzeitvermittlung.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QList>
#include <QString>
#include <QVariant>
#include <algorithm>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace plv7::gui {

#ifdef _WIN32

bool echtzeitVermitteln(long) {
    return false;
}

#else

namespace {

const QString kDienst = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString kObjekt = QStringLiteral("/org/freedesktop/RealtimeKit1");
// A missing or hung service must not hold the acquisition thread long.
constexpr int kZeitlimitMs = 500;
constexpr int kPrioritaet = 20;
// rtkit refuses a process whose real-time CPU time is unlimited or above its own limit
// (200 ms unless configured otherwise). The thread blocks every tick, so it never comes
// near it.
constexpr rlim_t kRechenzeitUs = 200'000;

QDBusMessage rufen(const QDBusConnection& bus, const QString& schnittstelle, const QString& methode,
                   const QList<QVariant>& argumente) {
    QDBusMessage nachricht =
        QDBusMessage::createMethodCall(kDienst, kObjekt, schnittstelle, methode);
    nachricht.setArguments(argumente);
    return bus.call(nachricht, QDBus::Block, kZeitlimitMs);
}

bool rechenzeitBegrenzen() {
    rlimit grenze{};
    if (getrlimit(RLIMIT_RTTIME, &grenze) != 0) return false;
    const rlim_t hart =
        grenze.rlim_max == RLIM_INFINITY ? kRechenzeitUs : std::min(grenze.rlim_max, kRechenzeitUs);
    grenze.rlim_max = hart;
    grenze.rlim_cur = std::min(grenze.rlim_cur, hart);
    return setrlimit(RLIMIT_RTTIME, &grenze) == 0;
}

}  // namespace

bool echtzeitVermitteln(long threadId) {
    if (threadId <= 0) return false;
    const QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return false;
    const QDBusMessage eigenschaft =
        rufen(bus, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
              {kDienst, QStringLiteral("MaxRealtimePriority")});
    if (eigenschaft.type() != QDBusMessage::ReplyMessage || eigenschaft.arguments().isEmpty())
        return false;
    bool gelesen = false;
    const int hoechste =
        eigenschaft.arguments().at(0).value<QDBusVariant>().variant().toInt(&gelesen);
    if (!gelesen || hoechste < 1) return false;
    if (!rechenzeitBegrenzen()) return false;
    const QDBusMessage antwort =
        rufen(bus, kDienst, QStringLiteral("MakeThreadRealtime"),
              {QVariant::fromValue(static_cast<quint64>(threadId)),
               QVariant::fromValue(static_cast<quint32>(std::min(kPrioritaet, hoechste)))});
    return antwort.type() == QDBusMessage::ReplyMessage;
}

#endif

}  // namespace plv7::gui
