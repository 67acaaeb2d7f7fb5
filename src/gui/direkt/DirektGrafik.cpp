#include "direkt/DirektGrafik.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>

#include "base/ORV_errorV3ibox.h"
#include "base/Zahlanzeige.h"
#include "common/Begleitdialoge.h"
#include "common/Zahlenfeld.h"
#include "direkt/DirektDialoge.h"
#include "direkt/DirektGemeinsam.h"
#include "direkt/DirektSettings.h"
#include "direkt/Direktrechnung.h"
#include "direkt/Grafikeinteilung.h"
#include "direkt/Protokoll.h"
#include "direkt/Streifenschreiber.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "konfig/KonfigUmrechnung.h"

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

void hilfetexteEintragen() {
    Direkthilfe& hilfe = Direkthilfe::instance();
    const auto text = [&hilfe](const QString& name, const char* t) {
        hilfe.addText(name, QString::fromUtf8(t));
    };
    for (int k = 1; k <= 4; ++k) {
        text(direktName("EINHEIT", k) + QStringLiteral("PRODIV"),
             "Die Skalierung der vier Kurven auf der Y-Achse in\nEinheiten pro Raster. Die "
             "Skalierung ist abhängig\nvon der Einstellung 'Prozent/Div' und den "
             "Ein-\nstellungen, die unter 'Konfiguration/Skalierung'\nvorgenommen wurden.");
    }
    text(direktName("STRIPCHART"), "Graphische Darstellung der Eingänge.\nSkala: 0 bis 100%");
    text(direktName("GRAFIKZEIGEN"), "Schaltet die graphische Darstellung ein und aus.");
    text(direktName("PUNKTEPRODIV"),
         "Wieviel Abtastpunkte sollen im Diagramm pro\nRaster dargestellt werden?\nDurch "
         "größere Werte kann ein größerer Zeitraum\ndargestellt werden, kleinere Werte "
         "bewirken,\ndaß das Diagramm in X-Richtung vergrößert wird.");
    text(direktName("SEKPRODIV"),
         "Der Maßstab der X-Achse in Sekunden pro Raster.\nDer Maßstab wird durch die "
         "Kombination aus 'Abtast-\nzeit' und 'Punkte/Div' eingestellt.");
    text(direktName("PROZENTPRODIV"),
         "Die Höhe der abgebildeten Signale in\nProzent pro Raster.\nDer Wert 20 zeigt den "
         "gesammten Eingangs-\nspannungsbereich. Durch kleinere Werte können\nkleine "
         "Spannungen vergrößert dargestellt werden.");
    text(direktName("YOFFSETINPROZENT"),
         "Der Offset der abgebildeten Signale in Prozent.\nGrößere Werte schieben die Kurven "
         "in der Grafik\nnach unten.");
    text(direktName("EINZELBILD"),
         "Im Einzelbildmodus wird die grafische Darstellung der\nSignale am Ende des "
         "Bildschirms angehalten. Um einen\nneuen Durchgang zu starten, muss die "
         "Meßwerterfassung\naus- und wieder eingeschaltet werden (Knopf 'Eingänge\nabfragen')");
    text(direktName("BILDSPEICHERN"),
         "Speichert die in der Grafik dargestellten\nDiagramme als Textdatei.\nNur im "
         "Einzelbildmodus verfügbar.");
    text(direktName("VERZOEGERTZEICHNEN"),
         "Wenn 'Verzögerte Anzeige' aktiv ist, werden die Meßwerte nicht\nsofort in den "
         "Grafikbilschirm geschrieben, sondern erst dann,\nwenn genug Messungen gemacht wurden, "
         "um den ganzen Bildschirm\nzu füllen.\nNachteil: Bei langsamer Abtastung sind die "
         "Messwerte nicht sofort\nin der Grafik sichtbar, sondern werden erst (je nach "
         "Einstellugnen\nevtl. um eine lange Zeit) verzögert ausgegeben.\nVorteil: Bei "
         "schneller Abtastung kann das Abtast-Zeitraster genauer\neingehalten werden - "
         "insbesondere im Triggerzeitpunkt bei der Verwen-\ndung von negativer "
         "Triggerverzögerung.");
    text(direktName("TRIGGER"), "Öffnet das Fenster mit\nden Triggereinstellungen.");
    text(QStringLiteral("TRIGGERPNL_OK"), "Schließt das Fenster.");
    text(QStringLiteral("TRIGGERPNL_QUELLE"),
         "Schaltet die Triggerfunktion ein/aus und bestimmt,\nauf welchen Kanal getriggert "
         "werden soll.");
    text(QStringLiteral("TRIGGERPNL_FLANKE"),
         "Bestimmt, ob auf eine negative oder eine\npositive Flanke getriggert werden soll.");
    text(QStringLiteral("TRIGGERPNL_SCHWELLE"), "Die Triggerschwelle in Prozent.");
    text(QStringLiteral("TRIGGERPNL_DELAY"),
         "Stellt die Triggerverzögerung ein.\nPositive Werte: Triggerzeitpunkt wird nach "
         "links\nverschoben (nach außerhalb der Grafik).\nNegative Werte: Triggerzeitpunkt wird "
         "nach rechts\nverschoben.");
}

}  // namespace

DirektGrafik::DirektGrafik(direkt::Grafik& grafik, QWidget* parent)
    : QWidget(parent), grafik_(grafik) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* spalte = new QVBoxLayout;
    spalte->setSpacing(0);
    triggertext_ = new QLabel(this);
    triggertext_->setObjectName(direktName("TRIGGERTEXT"));
    triggertext_->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold;"));
    triggertext_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Kept clear of the heading of the chart settings beside it.
    triggertext_->setIndent(triggertext_->fontMetrics().horizontalAdvance(QStringLiteral("MM")));
    triggertext_->setMinimumHeight(triggertext_->fontMetrics().height());
    chart_ = new Streifenschreiber(this);
    chart_->setMinimumHeight(200);
    chart_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    spalte->addWidget(triggertext_);
    spalte->addWidget(chart_, 1);
    layout->addLayout(spalte, 1);
    layout->addWidget(baueSteuerung());

    triggerpnl_ = new Triggerdialog(this);
    new Begleitdialoge(this, {triggerpnl_});
    new EinzelbildImHilfemodus(einzelbild_, this);
    verbindeSignale();
    hilfetexteEintragen();
}

QWidget* DirektGrafik::baueSteuerung() {
    auto* gruppe = new QGroupBox(QStringLiteral("Grafik"), this);
    auto* layout = new QGridLayout(gruppe);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(3);

    grafikZeigen_ = new QCheckBox(QStringLiteral("Osziloskop aktiv"), gruppe);
    grafikZeigen_->setObjectName(direktName("GRAFIKZEIGEN"));
    grafikZeigen_->setChecked(true);
    const auto ganzzahlfeld = [gruppe](const QString& objekt, int von, int bis, int schritt,
                                       int wert) {
        auto* feld = new Zahlenfeld(objekt, 0, schritt, gruppe);
        feld->setGanzzahlig(true);
        feld->setRange(von, bis);
        feld->setValue(wert);
        return feld;
    };
    punkteProDiv_ = ganzzahlfeld(direktName("PUNKTEPRODIV"), 1, 10000, 10, 26);
    sekProDiv_ = anzeigefeld(gruppe, direktName("SEKPRODIV"));
    prozentProDiv_ = ganzzahlfeld(direktName("PROZENTPRODIV"), 1, 20, 1, 20);
    yOffset_ = ganzzahlfeld(direktName("YOFFSETINPROZENT"), 0, 95, 1, 0);

    int zeile = 0;
    layout->addWidget(grafikZeigen_, zeile++, 0, 1, 2);
    layout->addWidget(beschriftung(QStringLiteral("Punkte/Div"), gruppe), zeile, 0);
    layout->addWidget(punkteProDiv_, zeile++, 1);
    layout->addWidget(beschriftung(QStringLiteral("s/Div"), gruppe), zeile, 0);
    layout->addWidget(sekProDiv_, zeile++, 1);
    layout->addWidget(beschriftung(QStringLiteral("Prozent/Div"), gruppe), zeile, 0);
    layout->addWidget(prozentProDiv_, zeile++, 1);
    layout->addWidget(beschriftung(QStringLiteral("Offset in %"), gruppe), zeile, 0);
    layout->addWidget(yOffset_, zeile++, 1);
    for (int k = 0; k < 4; ++k) {
        einheitProDiv_[k] =
            anzeigefeld(gruppe, direktName("EINHEIT", k + 1) + QStringLiteral("PRODIV"));
        einheitProDivText_[k] = beschriftung(QStringLiteral("V/Div"), gruppe);
        einheitProDivText_[k]->setStyleSheet(
            QStringLiteral("color: %1; font-weight: bold;").arg(spurfarbe(k).name()));
        layout->addWidget(einheitProDivText_[k], zeile, 0);
        layout->addWidget(einheitProDiv_[k], zeile++, 1);
    }

    einzelbild_ = new QCheckBox(QStringLiteral("Einzelbildmodus"), gruppe);
    einzelbild_->setObjectName(direktName("EINZELBILD"));
    bildSpeichern_ = new QPushButton(QStringLiteral("Bild speichern"), gruppe);
    bildSpeichern_->setObjectName(direktName("BILDSPEICHERN"));
    bildSpeichern_->setEnabled(false);
    verzoegert_ = new QCheckBox(QStringLiteral("verzögerte Anzeige"), gruppe);
    verzoegert_->setObjectName(direktName("VERZOEGERTZEICHNEN"));
    triggerKnopf_ = new QPushButton(QStringLiteral("Trigger"), gruppe);
    triggerKnopf_->setObjectName(direktName("TRIGGER"));
    layout->addWidget(einzelbild_, zeile++, 0, 1, 2);
    layout->addWidget(bildSpeichern_, zeile++, 0, 1, 2);
    layout->addWidget(verzoegert_, zeile++, 0, 1, 2);
    layout->addWidget(triggerKnopf_, zeile++, 0, 1, 2);
    layout->setRowStretch(zeile, 1);
    layout->setColumnStretch(1, 1);
    gruppe->setMaximumWidth(230);
    return gruppe;
}

void DirektGrafik::verbindeSignale() {
    befehlVerbinden(triggerKnopf_, &QPushButton::clicked, this, [this] {
        triggerpnl_->show();
        triggerpnl_->raise();
    });
    triggerpnl_->geaendert = [this](bool neustart) { triggerGeaendert(neustart); };
    connect(grafikZeigen_, &QCheckBox::toggled, this, [this] { grafikZeigenUmschalten(); });
    connect(einzelbild_, &QCheckBox::toggled, this, [this] { einzelbildUmschalten(); });
    connect(verzoegert_, &QCheckBox::toggled, this, [this] { verzoegertUmschalten(); });
    befehlVerbinden(bildSpeichern_, &QPushButton::clicked, this,
                    [this] { emit bildSpeichernVerlangt(); });
    connect(punkteProDiv_, &Zahlenfeld::valueChanged, this, [this] { einteilung(); });
    connect(prozentProDiv_, &Zahlenfeld::valueChanged, this, [this] { yAchseEinteilung(); });
    connect(yOffset_, &Zahlenfeld::valueChanged, this, [this] { yAchseEinteilung(); });
}

void DirektGrafik::init() {
    einteilung();
    yAchseEinteilung();
    triggerGeaendert(true);
}

void DirektGrafik::setAbtastzeit(double sekunden) {
    abtastzeit_ = sekunden;
    sekundenProDiv();
}

void DirektGrafik::neustart() {
    grafik_.neustart();
    chart_->leeren();
    triggertext_->clear();
    if (!erfassungLaeuft_) chart_->replot(QCustomPlot::rpQueuedReplot);
}

void DirektGrafik::einteilung() {
    const int p = grafik_.setPunkteProDiv(punkteProDiv_->ganzzahl());
    if (p != punkteProDiv_->value()) {
        const QSignalBlocker blocker(punkteProDiv_);
        punkteProDiv_->setValue(p);
    }
    chart_->setPunkteProDiv(p);
    sekundenProDiv();
    neustart();
}

void DirektGrafik::yAchseEinteilung() {
    const direkt::YAchse y = direkt::yAchse(prozentProDiv_->ganzzahl(), yOffset_->ganzzahl());
    chart_->setYAchse(y.von, y.bis);
    skalieren();
    neustart();
}

void DirektGrafik::skalieren() {
    for (int k = 0; k < 4; ++k) {
        const double lo = ::EingangCodeInEinheit(k, 0.0);
        const double hi = ::EingangCodeInEinheit(k, direkt::kVollausschlagCode);
        const double wert = direkt::einheitProDiv(lo, hi, prozentProDiv_->ganzzahl());
        einheitProDiv_[k]->setText(
            QString::fromStdString(zahlFuerAnzeige(wert, direkt::Nachkommastellen(lo, hi), 12)));
        einheitProDivText_[k]->setText(QString::fromStdString(
            direkt::einheitProDivText(EinheitAlsUtf8(gKonfig.ineinheit[k]))));
    }
}

void DirektGrafik::sekundenProDiv() {
    const double s = direkt::sekundenProDiv(grafik_.punkteProDiv(), abtastzeit_);
    sekProDiv_->setText(QString::number(s, 'g', 6));
}

void DirektGrafik::triggerGeaendert(bool neustartNoetig) {
    const direkt::Triggereinstellung e = triggerpnl_->einstellung();
    grafik_.setTrigger(e);
    chart_->setTrigger(e.verzoegerung, e.quelle);
    if (neustartNoetig) neustart();
}

void DirektGrafik::einzelbildUmschalten() {
    const bool ein = einzelbild_->isChecked();
    emit einzelbildUmgeschaltet(ein);
    bildSpeichern_->setEnabled(ein);
    grafik_.setEinzelbild(ein);
    neustart();
}

void DirektGrafik::verzoegertUmschalten() {
    grafik_.setVerzoegerteAnzeige(verzoegert_->isChecked());
    neustart();
}

void DirektGrafik::grafikZeigenUmschalten() {
    if (grafikZeigen_->isChecked()) {
        neustart();
    } else {
        triggertext_->clear();
    }
}

void DirektGrafik::setSpurSichtbar(int k, bool sichtbar) {
    chart_->setSpurSichtbar(k, sichtbar);
    if (!erfassungLaeuft_) chart_->replot(QCustomPlot::rpQueuedReplot);
}

bool DirektGrafik::grafikAktiv() const {
    return grafikZeigen_->isChecked();
}

bool DirektGrafik::einzelbild() const {
    return einzelbild_->isChecked();
}

void DirektGrafik::triggertextLoeschen() {
    triggertext_->clear();
}

void DirektGrafik::uebernimmZeichnung(const direkt::Zeichnung& z) {
    if (z.bildBeginn) chart_->leeren();
    if (z.anzahl > 0) {
        chart_->zeichne(
            grafik_.bildX(),
            {grafik_.bildSpur(0), grafik_.bildSpur(1), grafik_.bildSpur(2), grafik_.bildSpur(3)},
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

void DirektGrafik::alsBildSpeichern() {
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

void DirektGrafik::einstellungenUebernehmen(const DirektSettings& s) {
    const QSignalBlocker b1(grafikZeigen_), b2(einzelbild_), b3(verzoegert_), b4(punkteProDiv_),
        b5(prozentProDiv_), b6(yOffset_);
    grafikZeigen_->setChecked(s.grafikZeigen);
    einzelbild_->setChecked(s.einzelbild);
    bildSpeichern_->setEnabled(s.einzelbild);
    grafik_.setEinzelbild(s.einzelbild);
    verzoegert_->setChecked(s.verzoegertZeichnen);
    grafik_.setVerzoegerteAnzeige(s.verzoegertZeichnen);
    punkteProDiv_->setValue(s.punkteProDiv);
    prozentProDiv_->setValue(s.prozentProDiv);
    yOffset_->setValue(s.yOffsetInProzent);
    direkt::Triggereinstellung trigger;
    trigger.quelle = s.triggerQuelle;
    trigger.flanke = s.triggerFlanke;
    trigger.schwelle = s.triggerSchwelle;
    trigger.verzoegerung = s.triggerDelay;
    triggerpnl_->setEinstellung(trigger);
}

void DirektGrafik::einstellungenEintragen(DirektSettings& s) const {
    s.grafikZeigen = grafikZeigen_->isChecked();
    s.einzelbild = einzelbild_->isChecked();
    s.verzoegertZeichnen = verzoegert_->isChecked();
    s.punkteProDiv = punkteProDiv_->ganzzahl();
    s.prozentProDiv = prozentProDiv_->ganzzahl();
    s.yOffsetInProzent = yOffset_->ganzzahl();
    const direkt::Triggereinstellung trigger = triggerpnl_->einstellung();
    s.triggerQuelle = trigger.quelle;
    s.triggerFlanke = trigger.flanke;
    s.triggerSchwelle = trigger.schwelle;
    s.triggerDelay = trigger.verzoegerung;
}

}  // namespace plv7::gui
