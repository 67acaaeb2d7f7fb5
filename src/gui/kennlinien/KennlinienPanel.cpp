#include "kennlinien/KennlinienPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "base/ORV_errorV3ibox.h"
#include "common/Anzeigefelder.h"
#include "common/Editordialoge.h"
#include "common/Neuskalierung.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "kennlinien/Arbeitspunktanzeige.h"
#include "kennlinien/KennlinienDialoge.h"
#include "kennlinien/KennlinienGrafik.h"
#include "kennlinien/KennlinienTabelleImport.h"
#include "konfig/KonfigUmrechnung.h"
#include "konfig/Konfiguration.h"

namespace plv7::gui {

using namespace kennlinien;
namespace {

constexpr int kKoordinatenStellen = 3;

QString zahl(double wert, int stellen = kKoordinatenStellen) {
    return Zahlenfeld::anzeigeText(wert, stellen);
}

QString einheit(const Konfiguration::Einheit& e) {
    return QString::fromStdString(EinheitAlsUtf8(e));
}

void fehlerZeigen(const std::string& text) {
    dialoge().message(QStringLiteral("Fehler"), QString::fromUtf8(text.c_str()));
}

}  // namespace

KennlinienPanel::KennlinienPanel(QWidget* parent)
    : Panel(QStringLiteral("KENNLPNL"), QStringLiteral("Kennlinienregler"), parent),
      bedienung_(zustand_, this) {
    // Numbers in every field use a dot, whatever the operator's locale.
    setLocale(QLocale::c());
    bedienung_.setVorAenderung([this] { vorAenderung(); });
    NeuskalierungAnmelden(this, [this] { Kennlinienpanel_SkaliereYAchse(); });
    baueAktionen();
    tabelleImport_ = new KennlinienTabelleImport(*this);
    arbeitspunkt_ = new Arbeitspunktanzeige(*this);
    QToolBar* werkzeuge = baueMenuesUndWerkzeugleiste();
    // The title beside the tool bar names the file the characteristic belongs to.
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(werkzeuge);
    kopf->addStretch(1);
    titel_ = new QLabel(this);
    titel_->setObjectName(QStringLiteral("KENNLPNL_TITEL"));
    QFont fett = titel_->font();
    fett.setBold(true);
    fett.setPointSize(fett.pointSize() + 2);
    titel_->setFont(fett);
    kopf->addWidget(titel_);
    content()->addLayout(kopf);
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(baueGrafikbereich(), 1);
    mitte->addWidget(baueSeitenleiste());
    content()->addLayout(mitte, 1);
    content()->addWidget(arbeitspunkt_->beschriftung());
    content()->addWidget(baueFusszeile());
    punktdialog_ = new Kennlinienpunktdialog(this);
    kommentardialog_ = new Kommentardialog(this, kennlinie::kKommentarMax);
    verbindeSignale();
    hilfetexteEintragen();
}

KennlinienPanel::~KennlinienPanel() = default;

int KennlinienPanel::KennlinienpanelInit() {
    zustand_ = {};
    KennlinieNeu(zustand_, gKonfig);
    rueckgaengig_ = {};
    ansicht_ = {};
    markierung_ = {};
    setzeModus(Modus::Zeichnen);
    darstellungAktion_[0]->setChecked(true);
    felderAusZustand();
    undoAktionenAktualisieren();
    Kennlinienpanel_SkaliereYAchse();
    scrollbarAktualisieren();
    titelAktualisieren();
    return 0;
}

void KennlinienPanel::KennlinienpanelClear() {
    zustand_ = {};
    rueckgaengig_ = {};
}

void KennlinienPanel::Kennlinienpanel_SkaliereYAchse() {
    const QString aus = einheit(gKonfig.outeinheit[0]);
    const QString ein = einheit(gKonfig.ineinheit[1]);
    grafik_->yTicker().setSkala(AusgangCodeInEinheit(gKonfig, 0, 0.0),
                                AusgangCodeInEinheit(gKonfig, 0, 4095.0));
    grafik_->xTicker().setSkala(EingangCodeInEinheit(gKonfig, 1, 0.0),
                                EingangCodeInEinheit(gKonfig, 1, 4095.0));
    grafik_->yAxis->setLabel(aus);
    grafik_->xAxis->setLabel(ein);
    xRasterText_->setText(QStringLiteral("X-Raster [%1]").arg(ein));
    yRasterText_->setText(QStringLiteral("Y-Raster [%1]").arg(aus));
    xKoordinateText_->setText(QStringLiteral("X [%1]").arg(ein));
    yKoordinateText_->setText(QStringLiteral("Y [%1]").arg(aus));
    yZoomFelderZeigen();
    ausgang2Beschriften();
    neuZeichnen();
}

void KennlinienPanel::ausgang2Beschriften() {
    begrenzungText_->setText(
        QStringLiteral("Analogausgang2 [%1]").arg(einheit(gKonfig.outeinheit[1])));
    const double a = gKonfig.outskalamin[1];
    const double b = gKonfig.outskalamax[1];
    const QSignalBlocker block(begrenzung_);
    begrenzung_->setRange(std::min(a, b), std::max(a, b));
}

void KennlinienPanel::neuZeichnen() {
    KennlinieZeichnen(zustand_.kennlinie, ansicht_, zeichnung_);
    grafik_->zeichnen(zeichnung_, ansicht_);
    uebersicht_->zeichnen(zeichnung_, ansicht_);
    grafik_->markierungZeigen(markierung_.vorhanden, markierung_.start, markierung_.ende);
    uebersicht_->markierungZeigen(markierung_.vorhanden, markierung_.start, markierung_.ende);
    speicherbedarfZeigen(speicherbedarf_, KennlinienSpeicherbedarf(zustand_.kennlinie.anzahl()),
                         false);
    grafik_->replot();
    uebersicht_->replot();
}

// The gestures on the large graph. A press is the gesture's first drag event, as the graph's
// cursor jumps to the pointer when the button goes down.

void KennlinienPanel::mausGedrueckt(QMouseEvent* ereignis) {
    if (gHilfeAktiv || ereignis->button() != Qt::LeftButton) return;
    geste_ = true;
    ziehen(grafik_->rohBei(ereignis->position()));
}

void KennlinienPanel::mausBewegt(QMouseEvent* ereignis) {
    if (gHilfeAktiv || !geste_ || !(ereignis->buttons() & Qt::LeftButton)) return;
    ziehen(grafik_->rohBei(ereignis->position()));
}

void KennlinienPanel::mausLosgelassen(QMouseEvent* ereignis) {
    if (!geste_ || ereignis->button() != Qt::LeftButton) return;
    geste_ = false;
    if (gHilfeAktiv) return;
    loslassen(grafik_->rohBei(ereignis->position()), ereignis->position().toPoint());
}

KennlinienRaster KennlinienPanel::raster() const {
    return KennlinienRasterAus(gKonfig, xRaster_->value(), yRaster_->value());
}

std::size_t KennlinienPanel::naechsterPunkt(QPointF roh) const {
    const QRect flaeche = grafik_->axisRect()->rect();
    return NaechsterPunkt(
        zustand_.kennlinie, roh.x(), roh.y(),
        {static_cast<double>(ansicht_.fenster.breite()), static_cast<double>(flaeche.width()),
         static_cast<double>(flaeche.height())});
}

void KennlinienPanel::koordinatenAnzeigen(double x, double y) {
    xKoordinate_->setText(zahl(EingangCodeInEinheit(gKonfig, 1, x)));
    yKoordinate_->setText(zahl(AusgangCodeInEinheit(gKonfig, 0, y)));
}

void KennlinienPanel::ziehen(QPointF roh) {
    const Kennlinie& k = zustand_.kennlinie;
    switch (modus_) {
        case Modus::Markieren:
            MarkierungZiehen(markierung_, roh.x());
            grafik_->markierungZeigen(true, markierung_.start, markierung_.ende);
            uebersicht_->markierungZeigen(true, markierung_.start, markierung_.ende);
            grafik_->replot();
            uebersicht_->replot();
            break;
        case Modus::Zeichnen: {
            Rohpunkt ziel;
            if (!AnhaengeZiel(k, raster(), roh.x(), roh.y(), ziel)) break;
            koordinatenAnzeigen(ziel.x, ziel.y);
            const QPointF letzter(static_cast<double>(KennlinienGesamtlaenge(k)),
                                  k.punkte.back().y);
            grafik_->vorschauZeigen({letzter, QPointF(ziel.x, ziel.y)}, QPointF(ziel.x, ziel.y));
            break;
        }
        case Modus::Verschieben: {
            if (neuesVerschieben_) {
                verschobenerPunkt_ = naechsterPunkt(roh);
                neuesVerschieben_ = false;
            }
            // An undo with the button still held may have taken the picked point away.
            const std::size_t i = std::min(verschobenerPunkt_, k.punkte.size() - 1);
            const Rohpunkt ziel = VerschiebeZiel(k, i, raster(), roh.x(), roh.y());
            koordinatenAnzeigen(ziel.x, ziel.y);
            const QPointF neu(ziel.x, ziel.y);
            std::vector<QPointF> linie;
            if (i > 0)
                linie.emplace_back(static_cast<double>(KennlinienPosition(k, i - 1)),
                                   k.punkte[i - 1].y);
            linie.push_back(neu);
            if (i + 1 < k.punkte.size())
                linie.emplace_back(static_cast<double>(KennlinienPosition(k, i + 1)),
                                   k.punkte[i + 1].y);
            grafik_->vorschauZeigen(linie, neu);
            break;
        }
        case Modus::KoordinatenZeigen:
            koordinatenAnzeigen(roh.x(), roh.y());
            break;
        default:
            break;
    }
}

void KennlinienPanel::loslassen(QPointF roh, QPoint pixel) {
    Kennlinie& k = zustand_.kennlinie;
    const auto vor = [this] { vorAenderung(); };
    switch (modus_) {
        case Modus::Markieren:
            MarkierungLoslassen(markierung_, roh.x());
            neuZeichnen();
            break;
        case Modus::Zeichnen:
            grafik_->vorschauEntfernen();
            ergebnis(PunktAnhaengen(k, raster(), roh.x(), roh.y(), vor));
            break;
        case Modus::Verschieben: {
            grafik_->vorschauEntfernen();
            if (neuesVerschieben_) verschobenerPunkt_ = naechsterPunkt(roh);
            neuesVerschieben_ = true;
            const std::size_t i = verschobenerPunkt_;
            const Rohpunkt ziel = VerschiebeZiel(k, i, raster(), roh.x(), roh.y());
            ergebnis(PunktVerschieben(k, i, ziel, vor));
            break;
        }
        case Modus::Punktkoordinaten:
            punktkoordinatenDialog(roh, pixel);
            break;
        case Modus::PunktLoeschen:
            ergebnis(PunktLoeschen(k, naechsterPunkt(roh), vor));
            break;
        case Modus::GeradeTeilen:
            ergebnis(GeradeTeilen(k, roh.x(), vor));
            break;
        case Modus::KoordinatenZeigen:
            break;
    }
}

void KennlinienPanel::punktkoordinatenDialog(QPointF roh, QPoint pixel) {
    Kennlinie& k = zustand_.kennlinie;
    const std::size_t i = naechsterPunkt(roh);
    const double x = static_cast<double>(KennlinienPosition(k, i));
    grafik_->punktHervorheben(QPointF(x, k.punkte[i].y));
    punktdialog_->fuellen(static_cast<int>(i) + 1, EingangCodeInEinheit(gKonfig, 1, x),
                          AusgangCodeInEinheit(gKonfig, 0, k.punkte[i].y),
                          einheit(gKonfig.ineinheit[1]), einheit(gKonfig.outeinheit[0]));
    punktdialog_->adjustSize();
    punktdialog_->move(grafik_->mapToGlobal(pixel + QPoint(0, 20)));
    dialoge().showModal(*punktdialog_);
    const std::int64_t neuX =
        EingabeAlsRohwert(EingangEinheitInCode(gKonfig, 1, punktdialog_->x()));
    const std::int64_t neuY =
        EingabeAlsRohwert(AusgangEinheitInCode(gKonfig, 0, punktdialog_->y()));
    grafik_->vorschauEntfernen();
    ergebnis(PunktkoordinatenSetzen(k, i, neuX, neuY, [this] { vorAenderung(); }));
}

void KennlinienPanel::ergebnis(const Bearbeitung& bearbeitung) {
    if (!bearbeitung.fehler.empty()) fehlerZeigen(bearbeitung.fehler);
    if (bearbeitung.geaendert) neuZeichnen();
}

void KennlinienPanel::vorAenderung() {
    zustand_.geaendert = true;
    rueckgaengig_.aufzeichnen(zustand_.kennlinie.punkte);
    undoAktionenAktualisieren();
}

void KennlinienPanel::setzeModus(Modus modus) {
    modus_ = modus;
    modusAktion_[static_cast<std::size_t>(modus)]->setChecked(true);
    geste_ = false;
    neuesVerschieben_ = true;
    grafik_->vorschauEntfernen();
}

void KennlinienPanel::modusGewaehlt(Modus modus) {
    setzeModus(modus);
    if (modus != Modus::Markieren && markierung_.vorhanden) {
        markierung_ = {};
        neuZeichnen();
    }
}

void KennlinienPanel::darstellungGewaehlt(Darstellung darstellung) {
    ansicht_.darstellung = darstellung;
    neuZeichnen();
}

void KennlinienPanel::rueckgaengig() {
    if (!rueckgaengig_.rueckgaengig(zustand_.kennlinie.punkte)) return;
    undoAktionenAktualisieren();
    neuZeichnen();
}

void KennlinienPanel::wiederherstellen() {
    if (!rueckgaengig_.wiederherstellen(zustand_.kennlinie.punkte)) return;
    undoAktionenAktualisieren();
    neuZeichnen();
}

void KennlinienPanel::undoAktionenAktualisieren() {
    rueckgaengigAktion_->setEnabled(rueckgaengig_.kannRueckgaengig());
    wiederherstellenAktion_->setEnabled(rueckgaengig_.kannWiederherstellen());
}

void KennlinienPanel::zoom(const Sichtfenster& fenster) {
    ansicht_.fenster = fenster;
    neuZeichnen();
    scrollbarAktualisieren();
}

void KennlinienPanel::zoomMarkierung() {
    if (!ZoomMarkierung(ansicht_.fenster, markierung_)) return;
    neuZeichnen();
    scrollbarAktualisieren();
}

void KennlinienPanel::allesMarkieren() {
    AllesMarkieren(markierung_, kennlinie::kRohMax);
    neuZeichnen();
}

void KennlinienPanel::scrollbarAktualisieren() {
    const QSignalBlocker block(scrollbar_);
    const Rollbalken r = RollbalkenStand(ansicht_.fenster, kennlinie::kRohMax);
    const int daumen = r.groesse;
    // A page of d percent of 100 + page makes the thumb d percent of the bar.
    scrollbar_->setPageStep(daumen >= 100 ? 1000000 : 100 * daumen / (100 - daumen));
    scrollbar_->setValue(r.position);
    scrollbar_->setEnabled(daumen < 100);
}

void KennlinienPanel::scrollEnde() {
    if (!scrollOffen_ || scrollbar_->isSliderDown()) return;
    scrollOffen_ = false;
    ansicht_.fenster = Gerollt(ansicht_.fenster, kennlinie::kRohMax, scrollbar_->value());
    neuZeichnen();
}

void KennlinienPanel::yZoomUebernehmen() {
    if (!YZoomSetzen(ansicht_, AusgangEinheitInCode(gKonfig, 0, yZoomMin_->value()),
                     AusgangEinheitInCode(gKonfig, 0, yZoomMax_->value()))) {
        yZoomFelderZeigen();
        return;
    }
    neuZeichnen();
}

void KennlinienPanel::yZoomFelderZeigen() {
    const QSignalBlocker blockMin(yZoomMin_);
    const QSignalBlocker blockMax(yZoomMax_);
    yZoomMin_->setValue(AusgangCodeInEinheit(gKonfig, 0, ansicht_.yMin));
    yZoomMax_->setValue(AusgangCodeInEinheit(gKonfig, 0, ansicht_.yMax));
}

void KennlinienPanel::kommentarBearbeiten() {
    kommentardialog_->setzen(QStringLiteral("Kommentar - Kennlinie"),
                             QString::fromStdString(zustand_.kennlinie.kommentar));
    dialoge().showModal(*kommentardialog_);
    const std::string neu = KommentarBegrenzen(kommentardialog_->kommentar().toStdString());
    if (neu != zustand_.kennlinie.kommentar) {
        zustand_.kennlinie.kommentar = neu;
        zustand_.geaendert = true;
    }
    kommentarVorschau();
}

void KennlinienPanel::kommentarVorschau() {
    QString vorschau = QString::fromStdString(zustand_.kennlinie.kommentar).left(30);
    vorschau.replace(QLatin1Char('\n'), QLatin1Char(' '));
    kommentarVorschau_->setText(vorschau);
    kommentarVorschau_->setCursorPosition(0);
}

void KennlinienPanel::felderAusZustand() {
    {
        const QSignalBlocker a(begrenzung_);
        const QSignalBlocker b(zeitkonstante_);
        begrenzung_->setValue(zustand_.ausgang2);
        zeitkonstante_->setValue(zustand_.zeitkonstante);
    }
    kommentarVorschau();
}

void KennlinienPanel::titelAktualisieren() {
    setWindowTitle(bedienung_.titel());
    titel_->setText(windowTitle());
}

void KennlinienPanel::dateibefehl(int (KennlinienBedienung::*befehl)(), bool ganzeAnsicht) {
    const int code = (bedienung_.*befehl)();
    if (code != 0) ORV_Fehlerpopup(code);
    felderAusZustand();
    titelAktualisieren();
    if (ganzeAnsicht) {
        ansicht_.fenster = ZoomVoll(kennlinie::kRohMax);
        scrollbarAktualisieren();
    }
    neuZeichnen();
}

void KennlinienPanel::speichern(bool dialogErzwingen) {
    if (const int code = bedienung_.speichern(dialogErzwingen); code != 0) ORV_Fehlerpopup(code);
    titelAktualisieren();
}

void KennlinienPanel::uebertragen(bool schreiben) {
    const int nr = kurvenNr_->ganzzahl();
    const int code = schreiben ? bedienung_.schreiben(nr) : bedienung_.lesen(nr);
    if (code != 0) ORV_Fehlerpopup(code);
    if (!schreiben) {
        felderAusZustand();
        titelAktualisieren();
        ansicht_.fenster = ZoomVoll(kennlinie::kRohMax);
        scrollbarAktualisieren();
        neuZeichnen();
    }
}

void KennlinienPanel::pinbelegung() {
    dialoge().message(
        QStringLiteral("PLV-7 Pinbelegung"),
        QStringLiteral("Pinbelegung für den Kennlinienreglerbetrieb\n\nPin 1:    UB +15V DC\nPin "
                       "2:    UB GND\nPin 3:    Kennlinienausgang\nPin 4:    GND\nPin 5:    "
                       "einstellbarer Analogausgang 2\nPin 6:    GND\nPin 7:    frei\nPin 8:    "
                       "GND\nPin 9:    Ausgang 4: 10 V bzw. Auswahlspannung-Ausgang\nPin 10:  "
                       "frei\nPin 11:  GND\nPin 12:  Kennlinieneingang\nPin 13:  GND\nPin 14:  "
                       "Kennlinienauswahlspannung-Eingang\nPin 15:  GND\nPin 16:  "
                       "Start/Stopp-Signal"));
}

}  // namespace plv7::gui
