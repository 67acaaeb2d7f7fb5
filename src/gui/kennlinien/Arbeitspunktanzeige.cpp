#include "kennlinien/Arbeitspunktanzeige.h"

#include <qcustomplot.h>
#include <QAction>
#include <QLabel>
#include <QSignalBlocker>

#include "com/ComPort.h"
#include "common/ErrorIndicator.h"
#include "hilfe/Direkthilfe.h"
#include "kennlinien/KennlinienGrafik.h"
#include "kennlinien/KennlinienPanel.h"
#include "konfig/Konfiguration.h"
#include "link/plv7Funktionen.h"

namespace plv7::gui {

namespace {
// Apart from the red lines, blue steps and green marking of the graphs.
const QColor kFarbe(230, 120, 0);
const QString kEbene = QStringLiteral("arbeitspunkt");
}  // namespace

Arbeitspunktanzeige::Arbeitspunktanzeige(KennlinienPanel& fenster)
    : QObject(&fenster),
      fenster_(fenster),
      aktion_(new QAction(QStringLiteral("Arbeitspunkt zeigen"), this)),
      beschriftung_(new QLabel(&fenster)) {
    setObjectName(QStringLiteral("KENNLPNL_ARBEITSPUNKTANZEIGE"));
    aktion_->setObjectName(QStringLiteral("KENNLI_ARBEITSPUNKT"));
    aktion_->setCheckable(true);
    beschriftung_->setObjectName(QStringLiteral("KENNLPNL_ARBEITSPUNKT"));
    beschriftung_->setStyleSheet(QStringLiteral("color: rgb(170, 80, 0); font-weight: bold;"));
    beschriftung_->hide();
    Direkthilfe::instance().addText(
        aktion_->objectName(),
        QStringLiteral("Zeigt, wo auf der Kennlinie die PLV-7 gerade arbeitet: Eingang 2\n"
                       "wird etwa fünfmal in der Sekunde gelesen und der Punkt\n"
                       "(Eingang 2, Kennlinie bei Eingang 2) in beiden Grafiken markiert."));
    Direkthilfe::instance().addText(beschriftung_->objectName(),
                                    QStringLiteral("Der Arbeitspunkt in den Einheiten von "
                                                   "Eingang 2 (X) und Ausgang 1 (Y)."));
    takt_.setInterval(kTaktMs);
    connect(&takt_, &QTimer::timeout, this, [this] { takt(); });
    befehlVerbinden(
        aktion_, &QAction::triggered, this, [this] { umschalten(aktion_->isChecked()); },
        [this] {
            const QSignalBlocker block(aktion_);
            aktion_->setChecked(takt_.isActive());
        });
}

void Arbeitspunktanzeige::umschalten(bool an) {
    {
        const QSignalBlocker block(aktion_);
        aktion_->setChecked(an);
    }
    beschriftung_->setVisible(an);
    if (an) {
        beschriftung_->setText(QStringLiteral("Arbeitspunkt: wird gelesen …"));
        takt_.start();
        takt();
    } else {
        takt_.stop();
        markenZeigen(false);
    }
}

void Arbeitspunktanzeige::takt() {
    using Schritt = kennlinien::Arbeitspunktabfrage::Schritt;
    kennlinien::Arbeitspunktabfrage::Lage lage;
    lage.sichtbar = fenster_.isVisible();
    lage.port = OffenerComPort();
    lage.leitungBelegt = ComLeitungIstBelegt() || acquisitionRunning();
    lage.hilfeAktiv = gHilfeAktiv;
    const auto lesen = [](double& volt) {
        // Other periodic exchanges keep off the line meanwhile.
        const ComLeitungBelegt belegt;
        return ORVPLV7_EingangLesen(OffenerComPort(), ComAdresse(), "e2", volt);
    };
    switch (abfrage_.takt(lage, lesen, fenster_.zustand().kennlinie, gKonfig)) {
        case Schritt::Pause:
            return;
        case Schritt::KeinPort:
            beschriftung_->setText(QStringLiteral("Arbeitspunkt: kein COM-Port geöffnet"));
            markenZeigen(false);
            return;
        case Schritt::Fehler:
            // Shown once: the item goes off, so the next tick does not read again.
            ComFehlerSetzen(abfrage_.fehler());
            umschalten(false);
            return;
        case Schritt::Punkt:
            beschriftung_->setText(
                QString::fromStdString(kennlinien::ArbeitspunktText(abfrage_.punkt(), gKonfig)));
            markenZeigen(true);
            return;
    }
}

void Arbeitspunktanzeige::markenAnlegen() {
    if (gross_.grafik) return;
    const auto anlegen = [](QCustomPlot* grafik, double groesse) {
        Marke m{grafik, nullptr, nullptr};
        grafik->addLayer(kEbene);
        m.ebene = grafik->layer(kEbene);
        m.ebene->setMode(QCPLayer::lmBuffered);
        m.punkt = new QCPGraph(grafik->xAxis, grafik->yAxis);
        m.punkt->setLayer(m.ebene);
        m.punkt->setLineStyle(QCPGraph::lsNone);
        m.punkt->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(kFarbe, 3.0),
                                                 QBrush(QColor(230, 120, 0, 120)), groesse));
        m.punkt->setPen(QPen(kFarbe));
        return m;
    };
    gross_ = anlegen(fenster_.grafik(), 16);
    klein_ = anlegen(fenster_.uebersicht(), 10);
}

void Arbeitspunktanzeige::markenZeigen(bool sichtbar) {
    if (!sichtbar && !gross_.grafik) return;
    markenAnlegen();
    for (Marke* m : {&gross_, &klein_}) {
        if (sichtbar) {
            const auto& p = abfrage_.punkt();
            m->punkt->setData({double(p.xCode)}, {double(p.yCode)}, true);
        } else {
            m->punkt->data()->clear();
        }
        m->ebene->replot();
    }
}

}  // namespace plv7::gui
