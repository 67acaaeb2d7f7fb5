// The chart side of the direct window: its settings, the frames the core hands over, the
// trigger dialog, single-frame mode, the frame export and the settings section.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <cmath>

#include "base/NumberText.h"
#include "base/ORV_errorV3ibox.h"
#include "base/Zahlanzeige.h"
#include "com/ComPort.h"
#include "common/Lamp.h"
#include "common/Zahlenfeld.h"
#include "direkt/Bildexport.h"
#include "direkt/DirektDialoge.h"
#include "direkt/DirektPanel.h"
#include "direkt/DirektSettings.h"
#include "direkt/Streifenschreiber.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "konfig/KonfigUmrechnung.h"
#include "link/plv7Funktionen.h"

namespace plv7::gui {
namespace {

// Single-frame mode acts on a click even in direct-help mode, where the click also shows
// its help text: the toggle is switched before the help mode swallows the click.
class EinzelbildImHilfemodus : public QObject {
public:
    EinzelbildImHilfemodus(QCheckBox* schalter, QObject* parent)
        : QObject(parent), schalter_(schalter) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (gHilfeAktiv && watched == schalter_ && event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            schalter_->isEnabled()) {
            schalter_->toggle();
        }
        return false;
    }

private:
    QCheckBox* schalter_;
};

}  // namespace

void DirektPanel::einzelbildAuchImHilfemodus() {
    new EinzelbildImHilfemodus(einzelbild_, this);  // owned by the window
}

void DirektPanel::grafikNeustart() {
    erfassung_.grafik().neustart();
    chart_->leeren();
    triggertext_->clear();
    if (!takt_.aktiv()) chart_->replot(QCustomPlot::rpQueuedReplot);
}

void DirektPanel::grafikEinteilung() {
    const int p = erfassung_.grafik().setPunkteProDiv(punkteProDiv_->ganzzahl());
    if (p != punkteProDiv_->value()) {
        const QSignalBlocker blocker(punkteProDiv_);
        punkteProDiv_->setValue(p);
    }
    chart_->setPunkteProDiv(p);
    sekundenProDiv();
    grafikNeustart();
}

void DirektPanel::yAchseEinteilung() {
    const direkt::YAchse y = direkt::yAchse(prozentProDiv_->ganzzahl(), yOffset_->ganzzahl());
    chart_->setYAchse(y.von, y.bis);
    einheitProDiv();
    grafikNeustart();
}

void DirektPanel::einheitProDiv() {
    for (int k = 0; k < 4; ++k) {
        const double lo = ::EingangCodeInEinheit(k, 0.0);
        const double hi = ::EingangCodeInEinheit(k, direkt::kVollausschlagCode);
        const double wert = direkt::einheitProDiv(lo, hi, prozentProDiv_->ganzzahl());
        einheitProDiv_[k]->setText(
            QString::fromStdString(zahlFuerAnzeige(wert, direkt::Nachkommastellen(lo, hi), 12)));
        // The unit is stored as Latin-1 bytes.
        einheitProDivText_[k]->setText(QString::fromLatin1(
            direkt::einheitProDivText(std::string(EinheitText(gKonfig.ineinheit[k])))));
    }
}

void DirektPanel::sekundenProDiv() {
    const double s =
        direkt::sekundenProDiv(erfassung_.grafik().punkteProDiv(), abtastzeit_->value());
    sekProDiv_->setText(QString::number(s, 'g', 6));
}

void DirektPanel::triggerGeaendert(bool neustart) {
    const direkt::Triggereinstellung e = triggerpnl_->einstellung();
    erfassung_.grafik().setTrigger(e);
    chart_->setTrigger(e.verzoegerung, e.quelle);
    if (neustart) grafikNeustart();
}

void DirektPanel::einzelbildUmschalten() {
    const bool ein = einzelbild_->isChecked();
    if (ein) dateiSpeichern_->setChecked(false);
    dateiSpeichern_->setEnabled(!ein);
    bildSpeichern_->setEnabled(ein);
    AbfrageStoppen();
    erfassung_.grafik().setEinzelbild(ein);
    grafikNeustart();
}

void DirektPanel::verzoegertUmschalten() {
    erfassung_.grafik().setVerzoegerteAnzeige(verzoegert_->isChecked());
    grafikNeustart();
}

void DirektPanel::grafikZeigenUmschalten() {
    if (grafikZeigen_->isChecked()) {
        grafikNeustart();
    } else {
        triggertext_->clear();
    }
}

void DirektPanel::spurUmschalten(int k) {
    chart_->setSpurSichtbar(k, plot_[k]->isChecked());
    if (!takt_.aktiv()) chart_->replot(QCustomPlot::rpQueuedReplot);
}

void DirektPanel::uebernimmZeichnung(const direkt::Zeichnung& z) {
    if (z.bildBeginn) chart_->leeren();
    if (z.anzahl > 0) {
        const direkt::Grafik& g = erfassung_.grafik();
        chart_->zeichne(g.bildX(), {g.bildSpur(0), g.bildSpur(1), g.bildSpur(2), g.bildSpur(3)},
                        z.von, z.anzahl);
    }
    if (z.triggertext == direkt::Triggertext::Warten) {
        if (triggertext_->text().isEmpty()) {
            triggertext_->setText(QString::fromUtf8(direkt::kWarteAufTrigger));
        }
    } else if (z.triggertext == direkt::Triggertext::Leer && !triggertext_->text().isEmpty()) {
        triggertext_->clear();
    }
}

void DirektPanel::bildSpeichern() {
    const Dialoge::FileAnswer antwort = dialoge().file(protokollDateiAnfrage());
    if (antwort.result == Dialoge::FileAnswer::Result::Failed) {
        ORV_Fehlerpopup(direkt::kFehlerDateiauswahl);
        return;
    }
    if (antwort.result != Dialoge::FileAnswer::Result::Chosen) return;
    const int code = direkt::bildSpeichern(erfassung_.grafik(), erfassung_.protokoll(),
                                           antwort.path.toStdString(), protokollkopf(),
                                           eingangCodeInEinheit, ausgangCodeInEinheit);
    dateiLed_->setOn(erfassung_.protokoll().offen());
    if (code != 0) ORV_Fehlerpopup(code);
}

void DirektPanel::grafikAlsBildSpeichern() {
    Dialoge::FileRequest anfrage{QStringLiteral("Grafik als Bild speichern"), {}, true, {}};
    anfrage.filters = {QStringLiteral("PNG-Bild (*.png)"), QStringLiteral("PDF-Dokument (*.pdf)")};
    const Dialoge::FileAnswer antwort = dialoge().file(anfrage);
    if (antwort.result == Dialoge::FileAnswer::Result::Failed) {
        ORV_Fehlerpopup(direkt::kFehlerDateiauswahl);
        return;
    }
    if (antwort.result != Dialoge::FileAnswer::Result::Chosen) return;
    // The typed suffix decides the format; a name without one takes the chosen filter's.
    QString pfad = antwort.path;
    bool pdf = pfad.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (!pdf && !pfad.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        pdf = antwort.filter == 1;
        pfad += pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    }
    const bool gespeichert = pdf ? chart_->savePdf(pfad) : chart_->savePng(pfad);
    if (!gespeichert) ORV_Fehlerpopup(direkt::kFehlerOeffnen);
}

void DirektPanel::readIni(const IniStore& store) {
    const DirektSettings s = readDirektSettings(store);
    const QSignalBlocker b1(grafikZeigen_), b2(einzelbild_), b3(verzoegert_), b4(punkteProDiv_),
        b5(abtastzeit_), b6(prozentProDiv_), b7(yOffset_);
    for (int k = 0; k < 4; ++k) {
        const QSignalBlocker blocker(plot_[k]);
        plot_[k]->setChecked(s.kurve[k]);
        if (s.begrenzung[k]) begrenzung_[k]->setValue(*s.begrenzung[k]);
    }
    grafikZeigen_->setChecked(s.grafikZeigen);
    einzelbild_->setChecked(s.einzelbild);
    dateiSpeichern_->setEnabled(!s.einzelbild);
    if (s.einzelbild) dateiSpeichern_->setChecked(false);
    bildSpeichern_->setEnabled(s.einzelbild);
    erfassung_.grafik().setEinzelbild(s.einzelbild);
    verzoegert_->setChecked(s.verzoegertZeichnen);
    erfassung_.grafik().setVerzoegerteAnzeige(s.verzoegertZeichnen);
    punkteProDiv_->setValue(s.punkteProDiv);
    if (s.abtastzeit) abtastzeit_->setValue(*s.abtastzeit);
    prozentProDiv_->setValue(s.prozentProDiv);
    yOffset_->setValue(s.yOffsetInProzent);
    direkt::Triggereinstellung trigger;
    trigger.quelle = s.triggerQuelle;
    trigger.flanke = s.triggerFlanke;
    trigger.schwelle = s.triggerSchwelle;
    trigger.verzoegerung = s.triggerDelay;
    triggerpnl_->setEinstellung(trigger);
}

void DirektPanel::writeIni(IniStore& store) {
    DirektSettings s;
    for (int k = 0; k < 4; ++k) {
        s.kurve[k] = plot_[k]->isChecked();
        s.begrenzung[k] = begrenzung_[k]->value();
    }
    s.grafikZeigen = grafikZeigen_->isChecked();
    s.einzelbild = einzelbild_->isChecked();
    s.verzoegertZeichnen = verzoegert_->isChecked();
    s.punkteProDiv = punkteProDiv_->ganzzahl();
    s.abtastzeit = abtastzeit_->value();
    s.prozentProDiv = prozentProDiv_->ganzzahl();
    s.yOffsetInProzent = yOffset_->ganzzahl();
    const direkt::Triggereinstellung trigger = triggerpnl_->einstellung();
    s.triggerQuelle = trigger.quelle;
    s.triggerFlanke = trigger.flanke;
    s.triggerSchwelle = trigger.schwelle;
    s.triggerDelay = trigger.verzoegerung;
    writeDirektSettings(store, s);
}

}  // namespace plv7::gui
