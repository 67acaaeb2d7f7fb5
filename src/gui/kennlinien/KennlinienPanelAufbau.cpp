// Building the characteristic window: its actions, menus, tool bar, controls and layout.
#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "com/ComPort.h"
#include "common/Anzeigefelder.h"
#include "common/Befehlstabelle.h"
#include "common/ConnectionPicture.h"
#include "common/ErrorIndicator.h"
#include "common/StatusLamps.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Direkthilfe.h"
#include "kennlinien/Arbeitspunktanzeige.h"
#include "kennlinien/KennlinienGrafik.h"
#include "kennlinien/KennlinienPanel.h"
#include "kennlinien/KennlinienTabelleImport.h"
#include "shell/Fenster.h"
#include "shell/Programmaktionen.h"

namespace plv7::gui {

using namespace kennlinien;
namespace {

constexpr int kFeldabstand = 10;

QString name(const char* control) {
    return QStringLiteral("KENNLPNL_") + QLatin1String(control);
}

// The display modes in the order of their actions.
constexpr Darstellung kDarstellungen[3] = {Darstellung::LinienUndStufen, Darstellung::Linien,
                                           Darstellung::Stufen};

std::size_t darstellungIndex(Darstellung darstellung) {
    return static_cast<std::size_t>(std::ranges::find(kDarstellungen, darstellung) -
                                    std::begin(kDarstellungen));
}

// The menus the table fills.
enum Menue { kDatei, kBearbeiten, kDarstellungsmenue, kHilfe, kMenueAnzahl };

// What a command does: a file command, an edit command, a mode (kModus + Modus) or a display
// mode (kDarstellung + its index).
enum Wirkung {
    kNeu,
    kLaden,
    kSpeichern,
    kSpeichernUnter,
    kImportieren,
    kExportieren,
    kAllesMarkieren,
    kRueckgaengig,
    kWiederherstellen,
    kZoomPlus,
    kZoomMinus,
    kZoomMarkierung,
    kZoomVoll,
    kPinbelegung,
    kModus = 100,
    kDarstellung = 200,
};

constexpr int modus(KennlinienPanel::Modus m) {
    return kModus + static_cast<int>(m);
}

using M = KennlinienPanel::Modus;
constexpr bool T = true;  // separator before / on the tool bar
constexpr bool F = false;
constexpr int kStrgA = (Qt::CTRL | Qt::Key_A).toCombined();
constexpr int kStrgZ = (Qt::CTRL | Qt::Key_Z).toCombined();
constexpr int kStrgY = (Qt::CTRL | Qt::Key_Y).toCombined();
constexpr auto kOhne = QKeySequence::UnknownKey;

// Every command of the window in the order of its menus and its tool bar.
const Befehlszeile kBefehle[] = {
    {"NEU", "Neu", nullptr, "new", nullptr, kDatei, F, T, kNeu},
    {"LADEN", "Kennlinie laden", "Kennlinie Laden", "open", nullptr, kDatei, F, T, kLaden},
    {"SPEICHERN", "Kennlinie speichern", "Kennlinie Speichern", "save", nullptr, kDatei, F, T,
     kSpeichern},
    {"SPEICHERNUNTER", "Kennlinie speichern unter", nullptr, nullptr, nullptr, kDatei, F, F,
     kSpeichernUnter},
    {"IMPORT", "Kennlinie importieren", nullptr, nullptr, nullptr, kDatei, F, F, kImportieren},
    {"EXPORT", "Kennlinie exportieren", nullptr, nullptr, nullptr, kDatei, F, F, kExportieren},
    {"ALLESMARK", "Alles Markieren", nullptr, nullptr, nullptr, kBearbeiten, F, F, kAllesMarkieren,
     kOhne, kStrgA},
    {"RUECKGAENGIG", "Rückgängig", nullptr, "undo", nullptr, kBearbeiten, F, T, kRueckgaengig,
     kOhne, kStrgZ},
    {"WIEDERHERST", "Wiederherstellen", nullptr, "redo", nullptr, kBearbeiten, F, T,
     kWiederherstellen, kOhne, kStrgY},
    {"MARKIEREN", "Markieren", nullptr, "mark", nullptr, kBearbeiten, T, T, modus(M::Markieren)},
    {"ZEICHNEN", "Punkt zeichnen", nullptr, "stift", nullptr, kBearbeiten, F, T,
     modus(M::Zeichnen)},
    {"VERSCHIEBEN", "Punkt verschieben", nullptr, "verschieben", nullptr, kBearbeiten, F, T,
     modus(M::Verschieben)},
    {"PUNKTKOORDINAT", "Punktkoordinaten ändern", "Punktkoordinaten zeigen/ändern", "punktinfo",
     nullptr, kBearbeiten, F, T, modus(M::Punktkoordinaten)},
    {"KOORDINATZEIG", "Koordinaten anzeigen", nullptr, "xyzeigen2", nullptr, kBearbeiten, F, T,
     modus(M::KoordinatenZeigen)},
    {"PUNKTLOESCHEN", "Punkt auflösen", nullptr, "punktdel", nullptr, kBearbeiten, F, T,
     modus(M::PunktLoeschen)},
    {"GERADETEILEN", "Gerade teilen", nullptr, "geradeteilen", nullptr, kBearbeiten, F, T,
     modus(M::GeradeTeilen)},
    {"ZOOMPLUS", "Zoom +", nullptr, "zoomplus", nullptr, kBearbeiten, T, T, kZoomPlus},
    {"ZOOMMINUS", "Zoom -", nullptr, "zoomminus", nullptr, kBearbeiten, F, T, kZoomMinus},
    {"ZOOMMARK", "Zoom Markierung", nullptr, "zoommark", nullptr, kBearbeiten, F, T,
     kZoomMarkierung},
    {"ZOOMVOLL", "Zoom Gesammtkurve", nullptr, "zoomvoll", nullptr, kBearbeiten, F, T, kZoomVoll},
    // The display buttons carry no picture of their own: the name says which one is on.
    {"LINST", "Linien + Stufen", "Kurven als Linien + Stufen darstellen", nullptr,
     "Linien + Stufen", kDarstellungsmenue, F, T, kDarstellung + 0},
    {"LIN", "Linien", "Kurven als Linien darstellen", nullptr, "Linien", kDarstellungsmenue, F, T,
     kDarstellung + 1},
    {"ST", "Stufen", "Kurven als Stufen darstellen", nullptr, "Stufen", kDarstellungsmenue, F, T,
     kDarstellung + 2},
    {"PINBELEGUNG", "PLV-7 Pinbelegung", nullptr, nullptr, nullptr, kHilfe, F, F, kPinbelegung},
};

}  // namespace

void KennlinienPanel::baueAktionen() {
    befehle_ =
        befehleAnlegen(this, QStringLiteral("KENNLI_"), kBefehle, [this](QAction* a, int wirkung) {
            if (wirkung >= kDarstellung) {
                const auto d = static_cast<std::size_t>(wirkung - kDarstellung);
                darstellungAktion_[d] = a;
                // In direct-help mode an exclusive group has already moved its check mark: it goes
                // back to the display the window keeps.
                befehlVerbinden(
                    a, &QAction::triggered, this,
                    [this, d] { darstellungGewaehlt(kDarstellungen[d]); },
                    [this] {
                        darstellungAktion_[darstellungIndex(ansicht_.darstellung)]->setChecked(
                            true);
                    });
            } else if (wirkung >= kModus) {
                const auto m = static_cast<std::size_t>(wirkung - kModus);
                modusAktion_[m] = a;
                befehlVerbinden(
                    a, &QAction::triggered, this,
                    [this, m] { modusGewaehlt(static_cast<Modus>(m)); },
                    [this] { modusAktion_[static_cast<std::size_t>(modus_)]->setChecked(true); });
            } else {
                if (wirkung == kRueckgaengig) rueckgaengigAktion_ = a;
                if (wirkung == kWiederherstellen) wiederherstellenAktion_ = a;
                befehlVerbinden(a, &QAction::triggered, this, [this, wirkung] { befehl(wirkung); });
            }
        });
    befehlsgruppe(this, modusAktion_, static_cast<std::size_t>(modus_));
    befehlsgruppe(this, darstellungAktion_, darstellungIndex(ansicht_.darstellung));
}

void KennlinienPanel::befehl(int wirkung) {
    switch (wirkung) {
        case kNeu:
            return dateibefehl(&KennlinienBedienung::neu, true);
        case kLaden:
            return dateibefehl(&KennlinienBedienung::laden, true);
        case kSpeichern:
            return speichern(false);
        case kSpeichernUnter:
            return speichern(true);
        case kImportieren:
            return dateibefehl(&KennlinienBedienung::importieren, false);
        case kExportieren:
            return dateibefehl(&KennlinienBedienung::exportieren, false);
        case kAllesMarkieren:
            return allesMarkieren();
        case kRueckgaengig:
            return rueckgaengig();
        case kWiederherstellen:
            return wiederherstellen();
        case kZoomPlus:
            return zoom(ZoomPlus(ansicht_.fenster));
        case kZoomMinus:
            return zoom(ZoomMinus(ansicht_.fenster, kennlinie::kRohMax));
        case kZoomMarkierung:
            return zoomMarkierung();
        case kZoomVoll:
            return zoom(ZoomVoll(kennlinie::kRohMax));
        case kPinbelegung:
            return pinbelegung();
        default:
            return;
    }
}

QToolBar* KennlinienPanel::baueMenuesUndWerkzeugleiste() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("KENNLI"));
    Programmaktionen& programm = Programmaktionen::instance();
    QMenu* datei = leiste->addMenu(QStringLiteral("Datei"));
    QMenu* bearbeiten = leiste->addMenu(QStringLiteral("Bearbeiten"));
    QMenu* ansicht = leiste->addMenu(QStringLiteral("Ansicht"));
    QMenu* darstellung = ansicht->addMenu(QStringLiteral("Kurvendarstellung"));
    darstellung->setObjectName(QStringLiteral("KENNLI_DARSTELLUNG"));
    QMenu* fenster = leiste->addMenu(QStringLiteral("Fenster"));
    QMenu* hilfe = leiste->addMenu(QStringLiteral("Hilfe"));
    hilfe->addAction(programm.direkthilfe());

    auto* werkzeuge = new QToolBar(this);
    werkzeuge->setObjectName(QStringLiteral("KENNLPNL_WERKZEUGLEISTE"));
    werkzeuge->setIconSize(QSize(17, 17));
    QMenu* menues[kMenueAnzahl] = {datei, bearbeiten, darstellung, hilfe};
    befehleEinordnen(kBefehle, befehle_, menues, werkzeuge);
    werkzeuge->addSeparator();
    Direkthilfe::instance().addToToolBar(werkzeuge, name("DIREKTHILFE"));

    // The table import stands between the two text-file commands.
    datei->insertAction(findChild<QAction*>(QStringLiteral("KENNLI_EXPORT")),
                        tabelleImport_->aktion());
    datei->addSeparator();
    datei->addAction(programm.beenden());
    ansicht->addAction(arbeitspunkt_->aktion());
    editorFenstermenue(fenster, QStringLiteral("KENNLI_"));
    return werkzeuge;
}

QWidget* KennlinienPanel::baueGrafikbereich() {
    auto* bereich = new QWidget(this);
    auto* layout = new QGridLayout(bereich);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    grafik_ = new KennlinienGrafik(bereich);
    grafik_->setObjectName(name("GRAPH"));
    grafik_->setMinimumSize(420, 300);
    scrollbar_ = new QScrollBar(Qt::Horizontal, bereich);
    scrollbar_->setObjectName(name("SCROLLBAR"));
    scrollbar_->setRange(0, 100);

    yZoomMax_ = new Zahlenfeld(name("YZOOMMAX"), 3, 1.0, bereich);
    yZoomMin_ = new Zahlenfeld(name("YZOOMMIN"), 3, 1.0, bereich);
    for (Zahlenfeld* feld : {yZoomMax_, yZoomMin_}) {
        feld->setRange(-1e12, 1e12);
        feld->setMaximumWidth(110);
    }
    auto* yZoom = new QVBoxLayout;
    yZoom->addWidget(new QLabel(QStringLiteral("Y-Zoom max"), bereich));
    yZoom->addWidget(yZoomMax_);
    yZoom->addStretch(1);
    yZoom->addWidget(new QLabel(QStringLiteral("min"), bereich));
    yZoom->addWidget(yZoomMin_);
    layout->addLayout(yZoom, 0, 0);
    layout->addWidget(grafik_, 0, 1);
    layout->addWidget(scrollbar_, 1, 1);

    auto* koordinaten = new QHBoxLayout;
    xKoordinateText_ = beschriftung(QStringLiteral("X"), bereich);
    yKoordinateText_ = beschriftung(QStringLiteral("Y"), bereich);
    xKoordinate_ = anzeigefeld(bereich, name("XKOORDINATE"));
    yKoordinate_ = anzeigefeld(bereich, name("YKOORDINATE"));
    xRasterText_ = beschriftung(QStringLiteral("X-Raster"), bereich);
    yRasterText_ = beschriftung(QStringLiteral("Y-Raster"), bereich);
    xRaster_ = new Zahlenfeld(name("XRASTER"), 3, 0.1, bereich);
    yRaster_ = new Zahlenfeld(name("YRASTER"), 3, 0.1, bereich);
    for (Zahlenfeld* feld : {xRaster_, yRaster_}) feld->setRange(0.0, 1e9);
    koordinaten->addWidget(xKoordinateText_);
    koordinaten->addWidget(xKoordinate_, 1);
    // A label stands apart from the field before it, so that it reads as the next field's.
    koordinaten->addSpacing(kFeldabstand);
    koordinaten->addWidget(yKoordinateText_);
    koordinaten->addWidget(yKoordinate_, 1);
    koordinaten->addSpacing(2 * kFeldabstand);
    koordinaten->addWidget(xRasterText_);
    koordinaten->addWidget(xRaster_, 1);
    koordinaten->addSpacing(kFeldabstand);
    koordinaten->addWidget(yRasterText_);
    koordinaten->addWidget(yRaster_, 1);
    layout->addLayout(koordinaten, 2, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    return bereich;
}

QWidget* KennlinienPanel::baueSeitenleiste() {
    auto* spalte = new QWidget(this);
    auto* layout = new QVBoxLayout(spalte);
    layout->setContentsMargins(0, 0, 0, 0);
    uebersicht_ = new KennlinienUebersicht(spalte);
    uebersicht_->setObjectName(name("GRAPHKLEIN"));
    uebersicht_->setFixedSize(300, 170);
    layout->addWidget(uebersicht_);

    auto* kommentar = new QGroupBox(QStringLiteral("Kommentar"), spalte);
    auto* kLayout = new QHBoxLayout(kommentar);
    kLayout->setContentsMargins(6, 4, 6, 4);
    kommentarVorschau_ = anzeigefeld(kommentar, name("KOMMENTARVORSCHAU"));
    kommentarVorschau_->setAlignment(Qt::AlignLeft);
    kommentarKnopf_ = new QPushButton(QStringLiteral("Kommentar"), kommentar);
    kommentarKnopf_->setObjectName(name("KOMMENTAR"));
    kLayout->addWidget(kommentarVorschau_, 1);
    kLayout->addWidget(kommentarKnopf_);
    layout->addWidget(kommentar);

    auto* werte = new QGroupBox(QStringLiteral("Kennlinie"), spalte);
    auto* grid = new QGridLayout(werte);
    grid->setContentsMargins(6, 4, 6, 4);
    begrenzungText_ = beschriftung(QStringLiteral("Analogausgang2"), werte);
    begrenzung_ = new Zahlenfeld(name("BEGRENZUNG"), 3, 0.1, werte);
    zeitkonstante_ = new Zahlenfeld(name("ZEITKONSTANTE"), 3, 0.1, werte);
    zeitkonstante_->setRange(0.0, 65.535);
    speicherbedarf_ = anzeigefeld(werte, name("SPEICHERBEDARF"));
    int zeile = 0;
    grid->addWidget(begrenzungText_, zeile, 0);
    grid->addWidget(begrenzung_, zeile++, 1);
    grid->addWidget(beschriftung(QStringLiteral("Zeitkonstante [s]"), werte), zeile, 0);
    grid->addWidget(zeitkonstante_, zeile++, 1);
    grid->addWidget(beschriftung(QStringLiteral("Speicherbedarf [%]"), werte), zeile, 0);
    grid->addWidget(speicherbedarf_, zeile++, 1);
    layout->addWidget(werte);

    auto* plv7 = new QGroupBox(QStringLiteral("PLV-7"), spalte);
    auto* pLayout = new QGridLayout(plv7);
    pLayout->setContentsMargins(6, 4, 6, 4);
    kurvenNr_ = new Zahlenfeld(name("KURVENNR"), 0, 1.0, plv7);
    kurvenNr_->setGanzzahlig(true);
    kurvenNr_->setRange(1, 10);
    kurvenNr_->setValue(1);
    schreiben_ = new QPushButton(QStringLiteral("zur PLV-7 schreiben"), plv7);
    schreiben_->setObjectName(name("SCHREIBEN"));
    lesen_ = new QPushButton(QStringLiteral("von PLV-7 lesen"), plv7);
    lesen_->setObjectName(name("LESEN"));
    ausgang4_ = new QPushButton(QStringLiteral("über Ausg.4 anwählen"), plv7);
    ausgang4_->setObjectName(name("AUSGANG4SETZEN"));
    pLayout->addWidget(beschriftung(QStringLiteral("Kurve Nr."), plv7), 0, 0);
    pLayout->addWidget(kurvenNr_, 0, 1);
    pLayout->addWidget(schreiben_, 1, 0, 1, 2);
    pLayout->addWidget(lesen_, 2, 0, 1, 2);
    pLayout->addWidget(ausgang4_, 3, 0, 1, 2);
    start_ = new QPushButton(QStringLiteral("Start"), plv7);
    start_->setObjectName(name("START"));
    stopp_ = new QPushButton(QStringLiteral("Stopp"), plv7);
    stopp_->setObjectName(name("STOPP"));
    pLayout->addWidget(start_, 4, 0);
    pLayout->addWidget(stopp_, 4, 1);
    layout->addWidget(plv7);
    layout->addWidget(new StatusLamps(QStringLiteral("KENNLPNL"), spalte), 0, Qt::AlignHCenter);
    layout->addStretch(1);
    spalte->setFixedWidth(300);
    return spalte;
}

QWidget* KennlinienPanel::baueFusszeile() {
    auto* zeile = new QWidget(this);
    auto* layout = new QHBoxLayout(zeile);
    layout->setContentsMargins(0, 0, 0, 0);
    zurueck_ = new QPushButton(QStringLiteral("Zurück zum Hauptfenster"), zeile);
    zurueck_->setObjectName(name("ZURUECK"));
    layout->addWidget(zurueck_);
    layout->addWidget(new ErrorIndicator(QStringLiteral("KENNLPNL"), zeile), 1);
    layout->addWidget(new ConnectionPicture(name("PICTURERING"), zeile));
    return zeile;
}

void KennlinienPanel::verbindeSignale() {
    connect(grafik_, &QCustomPlot::mousePress, this, [this](QMouseEvent* e) { mausGedrueckt(e); });
    connect(grafik_, &QCustomPlot::mouseMove, this, [this](QMouseEvent* e) { mausBewegt(e); });
    connect(grafik_, &QCustomPlot::mouseRelease, this,
            [this](QMouseEvent* e) { mausLosgelassen(e); });

    connect(scrollbar_, &QScrollBar::actionTriggered, this, [this] { scrollOffen_ = true; });
    connect(scrollbar_, &QScrollBar::valueChanged, this, [this] { scrollEnde(); });
    connect(scrollbar_, &QScrollBar::sliderReleased, this, [this] { scrollEnde(); });
    connect(yZoomMin_, &Zahlenfeld::valueChanged, this, [this] { yZoomUebernehmen(); });
    connect(yZoomMax_, &Zahlenfeld::valueChanged, this, [this] { yZoomUebernehmen(); });
    // A changed output-2 value or time constant is unsaved work as much as an edited point.
    connect(begrenzung_, &Zahlenfeld::valueChanged, this, [this](double wert) {
        if (wert != zustand_.ausgang2) zustand_.geaendert = true;
        zustand_.ausgang2 = wert;
    });
    connect(zeitkonstante_, &Zahlenfeld::valueChanged, this, [this](double wert) {
        if (wert != zustand_.zeitkonstante) zustand_.geaendert = true;
        zustand_.zeitkonstante = wert;
    });

    const auto knopf = [this](QPushButton* k, auto handler) {
        befehlVerbinden(k, &QPushButton::clicked, this, handler);
    };
    knopf(kommentarKnopf_, [this] { kommentarBearbeiten(); });
    knopf(schreiben_, [this] { uebertragen(true); });
    knopf(lesen_, [this] { uebertragen(false); });
    knopf(ausgang4_, [this] { bedienung_.auswaehlen(kurvenNr_->ganzzahl()); });
    knopf(start_, [] { Start_Callback(); });
    knopf(stopp_, [] { Stopp_Callback(); });
    knopf(zurueck_, [] { FensterWechseln(nullptr); });
}

}  // namespace plv7::gui
