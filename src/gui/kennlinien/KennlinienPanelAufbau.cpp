// Building the characteristic window: its actions, menus, tool bar, controls and layout.
#include <QAction>
#include <QActionGroup>
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
#include "common/ConnectionPicture.h"
#include "common/ErrorIndicator.h"
#include "common/Ressourcen.h"
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
namespace {

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

// A command of the window: the menu item, and the tool-bar button when it has an image.
QAction* aktion(QObject* besitzer, const QString& text, const char* objekt,
                const char* bild = nullptr, const QString& werkzeugtipp = {}) {
    auto* a = new QAction(text, besitzer);
    a->setObjectName(QStringLiteral("KENNLI_") + QLatin1String(objekt));
    if (bild) {
        const QString datei = ressourcenDatei(QStringLiteral("buttons/") + QLatin1String(bild) +
                                              QStringLiteral(".png"));
        if (!datei.isEmpty()) a->setIcon(QIcon(datei));
    }
    a->setToolTip(werkzeugtipp.isEmpty() ? text : werkzeugtipp);
    return a;
}

}  // namespace

void KennlinienPanel::baueAktionen() {
    neu_ = aktion(this, QStringLiteral("Neu"), "NEU", "new");
    laden_ = aktion(this, QStringLiteral("Kennlinie laden"), "LADEN", "open",
                    QStringLiteral("Kennlinie Laden"));
    speichern_ = aktion(this, QStringLiteral("Kennlinie speichern"), "SPEICHERN", "save",
                        QStringLiteral("Kennlinie Speichern"));
    speichernUnter_ = aktion(this, QStringLiteral("Kennlinie speichern unter"), "SPEICHERNUNTER");
    import_ = aktion(this, QStringLiteral("Kennlinie importieren"), "IMPORT");
    export_ = aktion(this, QStringLiteral("Kennlinie exportieren"), "EXPORT");
    allesMark_ = aktion(this, QStringLiteral("Alles Markieren"), "ALLESMARK");
    allesMark_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    rueckgaengigAktion_ = aktion(this, QStringLiteral("Rückgängig"), "RUECKGAENGIG", "undo");
    rueckgaengigAktion_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    wiederherstellenAktion_ =
        aktion(this, QStringLiteral("Wiederherstellen"), "WIEDERHERST", "redo");
    wiederherstellenAktion_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));

    struct ModusInfo {
        const char* text;
        const char* objekt;
        const char* bild;
        const char* tipp;
    };
    static constexpr ModusInfo kModi[] = {
        {"Markieren", "MARKIEREN", "mark", "Markieren"},
        {"Punkt zeichnen", "ZEICHNEN", "stift", "Punkt zeichnen"},
        {"Punkt verschieben", "VERSCHIEBEN", "verschieben", "Punkt verschieben"},
        {"Punktkoordinaten ändern", "PUNKTKOORDINAT", "punktinfo",
         "Punktkoordinaten zeigen/ändern"},
        {"Koordinaten anzeigen", "KOORDINATZEIG", "xyzeigen2", "Koordinaten anzeigen"},
        {"Punkt auflösen", "PUNKTLOESCHEN", "punktdel", "Punkt auflösen"},
        {"Gerade teilen", "GERADETEILEN", "geradeteilen", "Gerade teilen"},
    };
    modusGruppe_ = new QActionGroup(this);
    for (std::size_t i = 0; i < modusAktion_.size(); ++i) {
        const ModusInfo& m = kModi[i];
        QAction* a =
            aktion(this, QString::fromUtf8(m.text), m.objekt, m.bild, QString::fromUtf8(m.tipp));
        a->setCheckable(true);
        modusGruppe_->addAction(a);
        modusAktion_[i] = a;
    }

    zoomPlus_ = aktion(this, QStringLiteral("Zoom +"), "ZOOMPLUS", "zoomplus");
    zoomMinus_ = aktion(this, QStringLiteral("Zoom -"), "ZOOMMINUS", "zoomminus");
    zoomMark_ = aktion(this, QStringLiteral("Zoom Markierung"), "ZOOMMARK", "zoommark");
    zoomVoll_ = aktion(this, QStringLiteral("Zoom Gesammtkurve"), "ZOOMVOLL", "zoomvoll");

    darstellungGruppe_ = new QActionGroup(this);
    const QString darstellungen[3][2] = {
        {QStringLiteral("Linien + Stufen"),
         QStringLiteral("Kurven als Linien + Stufen darstellen")},
        {QStringLiteral("Linien"), QStringLiteral("Kurven als Linien darstellen")},
        {QStringLiteral("Stufen"), QStringLiteral("Kurven als Stufen darstellen")}};
    const char* objekte[3] = {"LINST", "LIN", "ST"};
    for (std::size_t i = 0; i < darstellungAktion_.size(); ++i) {
        QAction* a = aktion(this, darstellungen[i][0], objekte[i], nullptr, darstellungen[i][1]);
        // The buttons carry no picture of their own: the name says which one is on.
        a->setIconText(darstellungen[i][0]);
        a->setCheckable(true);
        darstellungGruppe_->addAction(a);
        darstellungAktion_[i] = a;
    }
    pinbelegung_ = aktion(this, QStringLiteral("PLV-7 Pinbelegung"), "PINBELEGUNG");
}

void KennlinienPanel::baueMenues() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("KENNLI"));
    Programmaktionen& programm = Programmaktionen::instance();

    QMenu* datei = leiste->addMenu(QStringLiteral("Datei"));
    datei->addActions(
        {neu_, laden_, speichern_, speichernUnter_, import_, tabelleImport_->aktion(), export_});
    datei->addSeparator();
    datei->addAction(programm.beenden());

    QMenu* bearbeiten = leiste->addMenu(QStringLiteral("Bearbeiten"));
    bearbeiten->addActions({allesMark_, rueckgaengigAktion_, wiederherstellenAktion_});
    bearbeiten->addSeparator();
    for (QAction* a : modusAktion_) bearbeiten->addAction(a);
    bearbeiten->addSeparator();
    bearbeiten->addActions({zoomPlus_, zoomMinus_, zoomMark_, zoomVoll_});

    QMenu* ansicht = leiste->addMenu(QStringLiteral("Ansicht"));
    QMenu* darstellung = ansicht->addMenu(QStringLiteral("Kurvendarstellung"));
    darstellung->setObjectName(QStringLiteral("KENNLI_DARSTELLUNG"));
    for (QAction* a : darstellungAktion_) darstellung->addAction(a);
    ansicht->addAction(arbeitspunkt_->aktion());

    QMenu* fenster = leiste->addMenu(QStringLiteral("Fenster"));
    static Panel* const kHauptfenster = nullptr;
    fensterEintrag(fenster, QStringLiteral("Hauptfenster"), QStringLiteral("KENNLI_HAUPT"),
                   &kHauptfenster);
    fensterEintrag(fenster, QStringLiteral("COM-Einstellung"), QStringLiteral("KENNLI_COM"),
                   &gCompanel);
    fensterEintrag(fenster, QStringLiteral("Konfiguration"), QStringLiteral("KENNLI_KONFIG"),
                   &gKonfigpanel);
    fensterEintrag(fenster, QStringLiteral("Direkte Ein-/Ausgabe"), QStringLiteral("KENNLI_DIREKT"),
                   &gDirektpanel);
    fensterEintrag(fenster, QStringLiteral("Kurvengenerator"), QStringLiteral("KENNLI_KURVEN"),
                   &gKurvenpanel);
    fensterEintrag(fenster, QStringLiteral("Kennlinienregler"), QStringLiteral("KENNLI_KENNLINIE"),
                   &gKennlinienpanel);

    QMenu* hilfe = leiste->addMenu(QStringLiteral("Hilfe"));
    hilfe->addAction(programm.direkthilfe());
    hilfe->addAction(pinbelegung_);
}

QToolBar* KennlinienPanel::baueWerkzeugleiste() {
    auto* leiste = new QToolBar(this);
    leiste->setObjectName(QStringLiteral("KENNLPNL_WERKZEUGLEISTE"));
    leiste->setIconSize(QSize(17, 17));
    leiste->addActions({neu_, laden_, speichern_});
    leiste->addSeparator();
    leiste->addActions({rueckgaengigAktion_, wiederherstellenAktion_});
    leiste->addSeparator();
    for (QAction* a : modusAktion_) leiste->addAction(a);
    leiste->addSeparator();
    leiste->addActions({zoomPlus_, zoomMinus_, zoomMark_, zoomVoll_});
    leiste->addSeparator();
    for (QAction* a : darstellungAktion_) leiste->addAction(a);
    leiste->addSeparator();
    QAction* hilfe = Programmaktionen::instance().direkthilfe();
    leiste->addAction(hilfe);
    if (auto* knopf = qobject_cast<QToolButton*>(leiste->widgetForAction(hilfe))) {
        knopf->setObjectName(name("DIREKTHILFE"));
        Direkthilfe::instance().addToggle(knopf);
    }
    return leiste;
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
    koordinaten->addWidget(yKoordinateText_);
    koordinaten->addWidget(yKoordinate_, 1);
    koordinaten->addSpacing(16);
    koordinaten->addWidget(xRasterText_);
    koordinaten->addWidget(xRaster_, 1);
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
    const auto befehl = [this](QAction* a, auto handler) {
        befehlVerbinden(a, &QAction::triggered, this, handler);
    };
    befehl(neu_, [this] { dateibefehl(&KennlinienBedienung::neu, true); });
    befehl(laden_, [this] { dateibefehl(&KennlinienBedienung::laden, true); });
    befehl(speichern_, [this] { speichern(false); });
    befehl(speichernUnter_, [this] { speichern(true); });
    befehl(import_, [this] { dateibefehl(&KennlinienBedienung::importieren, false); });
    befehl(export_, [this] { dateibefehl(&KennlinienBedienung::exportieren, false); });
    befehl(allesMark_, [this] { allesMarkieren(); });
    befehl(rueckgaengigAktion_, [this] { rueckgaengig(); });
    befehl(wiederherstellenAktion_, [this] { wiederherstellen(); });
    befehl(zoomPlus_, [this] { zoom(ZoomPlus(ansicht_.fenster)); });
    befehl(zoomMinus_, [this] { zoom(ZoomMinus(ansicht_.fenster, kennlinie::kRohMax)); });
    befehl(zoomMark_, [this] { zoomMarkierung(); });
    befehl(zoomVoll_, [this] { zoom(ZoomVoll(kennlinie::kRohMax)); });
    befehl(pinbelegung_, [this] { pinbelegung(); });
    // In direct-help mode an exclusive group has already moved its check mark: it goes back to
    // the mode and display the window keeps.
    for (std::size_t i = 0; i < modusAktion_.size(); ++i) {
        befehlVerbinden(
            modusAktion_[i], &QAction::triggered, this,
            [this, i] { modusGewaehlt(static_cast<Modus>(i)); },
            [this] { modusAktion_[static_cast<std::size_t>(modus_)]->setChecked(true); });
    }
    for (std::size_t i = 0; i < darstellungAktion_.size(); ++i) {
        befehlVerbinden(
            darstellungAktion_[i], &QAction::triggered, this,
            [this, i] { darstellungGewaehlt(kDarstellungen[i]); },
            [this] {
                darstellungAktion_[darstellungIndex(ansicht_.darstellung)]->setChecked(true);
            });
    }

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
