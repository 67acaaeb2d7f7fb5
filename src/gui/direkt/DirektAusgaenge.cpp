#include "direkt/DirektAusgaenge.h"

#include <QDial>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <cmath>

#include "com/ComPort.h"
#include "common/ErrorIndicator.h"
#include "common/Zahlenfeld.h"
#include "direkt/DirektGemeinsam.h"
#include "direkt/DirektSettings.h"
#include "direkt/Direktrechnung.h"
#include "hilfe/Direkthilfe.h"
#include "konfig/KonfigFelder.h"
#include "base/Fehlercodes.h"
#include "link/PortTable.h"
#include "link/plv7Funktionen.h"

namespace plv7::gui {
namespace {

constexpr const char* kAusgangKanal[4] = {"a1", "a2", "a3", "a4"};

void hilfetexteEintragen() {
    Direkthilfe& hilfe = Direkthilfe::instance();
    const auto text = [&hilfe](const QString& name, const char* t) {
        hilfe.addText(name, QString::fromUtf8(t));
    };
    for (int k = 1; k <= 4; ++k) {
        const char* ausgang =
            "Die vier Ausgänge der PLV-7 können mit\nden Drehreglern oder durch Eingabe "
            "eines\nZahlenwertes eingestellt werden.\nDie Einheit der Zahlenwerte entspricht "
            "der\nEinheit, die im Fenster 'Konfiguration'\neingestellt wurde.";
        text(direktName("AUSGANG", k), ausgang);
        text(direktName("AUSGANG", k) + QStringLiteral("_REGLER"), ausgang);
        text(direktName("BEGRENZUNG", k),
             "Die Ausgänge werden auf den hier eingestellten Wert begrenzt.\nSo kann vermieden "
             "werden, dass versehentlich ein gefährlich hoher\nWert eingestellt wird.");
    }
    text(direktName("AUSGAENGEAUFNULL"),
         "Setzt alle vier Ausgänge auf Null. Null bezieht sich hier auf die\nphysikalische "
         "Einheit nach der Umrechnung und entspricht nicht\nunbedingt Null Volt am Ausgang der "
         "PLV-7.");
}

}  // namespace

DirektAusgaenge::DirektAusgaenge(Leitung& leitung, QWidget* parent)
    : QGroupBox(QStringLiteral("Ausgänge"), parent), leitung_(leitung) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 4);
    for (int k = 0; k < 4; ++k) {
        auto* feld = new QGridLayout;
        feld->setHorizontalSpacing(4);
        feld->setVerticalSpacing(2);
        regler_[k] = new QDial(this);
        regler_[k]->setObjectName(direktName("AUSGANG", k + 1) + QStringLiteral("_REGLER"));
        regler_[k]->setRange(0, 1000);
        regler_[k]->setNotchesVisible(true);
        regler_[k]->setNotchTarget(5.0);
        regler_[k]->setWrapping(false);
        regler_[k]->setMinimumSize(64, 64);
        regler_[k]->setMaximumSize(90, 90);
        ausgang_[k] = new Zahlenfeld(direktName("AUSGANG", k + 1), 3, 0.01, this);
        ausgang_[k]->setRange(0.0, 10.0);
        einheit_[k] = new QLabel(QStringLiteral("V"), this);
        einheit_[k]->setObjectName(direktName("AUSGANG", k + 1) + QStringLiteral("_EINHEIT"));
        einheit_[k]->setMinimumWidth(40);
        begrenzung_[k] = new Zahlenfeld(direktName("BEGRENZUNG", k + 1), 3, 1.0, this);
        begrenzung_[k]->setRange(-1e9, 1e9);
        begrenzung_[k]->setValue(10.0);
        auto* titel = new QLabel(QStringLiteral("Ausgang %1").arg(k + 1), this);
        QFont fett = titel->font();
        fett.setBold(true);
        titel->setFont(fett);
        feld->addWidget(regler_[k], 0, 0, 3, 1);
        feld->addWidget(titel, 0, 1, 1, 2);
        feld->addWidget(ausgang_[k], 1, 1);
        feld->addWidget(einheit_[k], 1, 2);
        auto* grenze = new QHBoxLayout;
        grenze->addWidget(new QLabel(QStringLiteral("Begrenzung"), this));
        grenze->addWidget(begrenzung_[k], 1);
        feld->addLayout(grenze, 2, 1, 1, 2);
        layout->addLayout(feld, 1);
    }
    aufNull_ = new QPushButton(QStringLiteral("Ausgänge\nauf Null (ESC)"), this);
    aufNull_->setObjectName(direktName("AUSGAENGEAUFNULL"));
    aufNull_->setShortcut(QKeySequence(Qt::Key_Escape));
    aufNull_->setMinimumHeight(48);
    layout->addWidget(aufNull_);
    verbindeSignale();
    hilfetexteEintragen();
}

void DirektAusgaenge::verbindeSignale() {
    for (int k = 0; k < 4; ++k) {
        befehlVerbinden(
            ausgang_[k], &Zahlenfeld::valueChanged, this, [this, k] { ausgangGeaendert(k); },
            [this, k] { reglerNachfuehren(k); });
        befehlVerbinden(
            regler_[k], &QDial::valueChanged, this, [this, k] { reglerBewegt(k); },
            [this, k] { reglerNachfuehren(k); });
    }
    befehlVerbinden(aufNull_, &QPushButton::clicked, this, [this] { alleAufNull(); });
}

void DirektAusgaenge::skalieren() {
    for (int k = 0; k < 4; ++k) {
        const direkt::Kanalanzeige aus =
            direkt::skaliereKanal(ausgangCodeInEinheit, k, prozent_[k]);
        {
            const QSignalBlocker blocker(ausgang_[k]);
            ausgang_[k]->setDecimals(aus.nachkommastellen);
            ausgang_[k]->setRange(aus.untergrenze(), aus.obergrenze());
            ausgang_[k]->setSingleStep(std::pow(10.0, -aus.nachkommastellen) * 10.0);
            ausgang_[k]->setValue(aus.wert);
        }
        reglerNachfuehren(k);
        einheit_[k]->setText(EinheitAlsText(gKonfig.outeinheit[k]));
        const QSignalBlocker blocker(begrenzung_[k]);
        begrenzung_[k]->setDecimals(aus.nachkommastellen);
    }
}

void DirektAusgaenge::reglerNachfuehren(int k) {
    const Zahlenfeld* feld = ausgang_[k];
    const double spanne = feld->maximum() - feld->minimum();
    const double anteil = spanne > 0.0 ? (feld->value() - feld->minimum()) / spanne : 0.0;
    const QSignalBlocker blocker(regler_[k]);
    regler_[k]->setValue(static_cast<int>(std::lround(anteil * regler_[k]->maximum())));
}

void DirektAusgaenge::reglerBewegt(int k) {
    Zahlenfeld* feld = ausgang_[k];
    const double anteil = static_cast<double>(regler_[k]->value()) / regler_[k]->maximum();
    feld->setValue(feld->minimum() + anteil * (feld->maximum() - feld->minimum()));
}

void DirektAusgaenge::ausgangGeaendert(int k) {
    reglerNachfuehren(k);
    ComFehlerSetzen(0);
    AusgangSetzen(k);
    ausgang_[k]->setFocus();
}

int DirektAusgaenge::AusgangSetzen(int k) {
    // The control never shows more than its limit, with or without a port, nor less than
    // its range.
    const double wert = ausgang_[k]->value();
    const double begrenzt =
        eingabeBegrenzen(wert, ausgang_[k]->bereich().hoechstens(begrenzung_[k]->value()));
    if (begrenzt != wert) {
        const QSignalBlocker blocker(ausgang_[k]);
        ausgang_[k]->setValue(begrenzt);
        reglerNachfuehren(k);
    }
    const int port = OffenerComPort();
    if (port == -1) {
        ComFehlerSetzen(kAusgangOhnePort);
        return kAusgangOhnePort;
    }
    return schreiben(port, k, ausgang_[k]->value());
}

int DirektAusgaenge::AusgangAufNull(int k) {
    const int port = OffenerComPort();
    if (port == -1) {
        ComFehlerSetzen(kAusgangOhnePort);
        return kAusgangOhnePort;
    }
    const double null = direkt::ausgangNullwert(ausgangCodeInEinheit, k);
    {
        const QSignalBlocker blocker(ausgang_[k]);
        ausgang_[k]->setValue(null);
    }
    reglerNachfuehren(k);
    return schreiben(port, k, null);
}

int DirektAusgaenge::schreiben(int port, int k, double wert) {
    const char adresse = ComAdresse();
    const direkt::Ausgangswert a =
        direkt::ausgangswert(ausgangEinheitInSpannung, k, wert, gKonfig.voutmax);
    prozent_[k] = a.prozent;
    const int code = leitung_.ausgeben(k, a.prozent, [port, adresse, kanal = kAusgangKanal[k], a] {
        const std::lock_guard sperre(portSperre());
        return ORVPLV7_AusgangSchreiben(port, adresse, kanal, a.volts);
    });
    if (code != 0) ComFehlerSetzen(code);
    return code;
}

void DirektAusgaenge::alleAufNull() {
    ComFehlerSetzen(0);
    for (int k = 0; k < 4; ++k) AusgangAufNull(k);
}

void DirektAusgaenge::einstellungenUebernehmen(const DirektSettings& s) {
    for (int k = 0; k < 4; ++k) {
        if (s.begrenzung[k]) begrenzung_[k]->setValue(*s.begrenzung[k]);
    }
}

void DirektAusgaenge::einstellungenEintragen(DirektSettings& s) const {
    for (int k = 0; k < 4; ++k) s.begrenzung[k] = begrenzung_[k]->value();
}

}  // namespace plv7::gui
