// Building the curve window: graphs, side column, footer and dialogs.
#include <qcustomplot.h>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "com/ComPort.h"
#include "common/Anzeigefelder.h"
#include "common/ConnectionPicture.h"
#include "common/Editordialoge.h"
#include "common/ErrorIndicator.h"
#include "common/Neuskalierung.h"
#include "common/StatusLamps.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Direkthilfe.h"
#include "konfig/KonfigUmrechnung.h"
#include "kurven/KurvenAblage.h"
#include "kurven/KurvenDialoge.h"
#include "kurven/KurvenPanel.h"
#include "kurven/Zeitbasis.h"
#include "shell/Fenster.h"

namespace plv7::gui {

using namespace plv7::kurven;

namespace {

QString name(const char* control) {
    return QStringLiteral("KURVENPNL_") + QLatin1String(control);
}

QComboBox* zeitbasisListe(QWidget* parent, const QString& objectName) {
    auto* ring = new QComboBox(parent);
    ring->setObjectName(objectName);
    for (int code = kErsteZeitbasis; code <= kLetzteZeitbasis; ++code) {
        ring->addItem(QString::fromLatin1(ZeitbasisName(code).data()), code);
    }
    return ring;
}

}  // namespace

KurvenPanel::KurvenPanel(QWidget* parent)
    : Panel(QStringLiteral("KURVENPNL"), QStringLiteral("Kurvengenerator"), parent),
      ablage_(modell_, this) {
    setLocale(QLocale::c());
    ablage_.setAnzeigen([this] { modellZeigen(); });
    NeuskalierungAnmelden(this, [this] {
        Kurvenpanel_SkaliereYAchse();
        KurvenNeuZeichnen();
    });

    baueAktionen();
    baueMenuesUndWerkzeugleiste();
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(baueGrafik(), 1);
    mitte->addWidget(baueSeitenleiste());
    content()->addLayout(mitte, 1);
    content()->addWidget(baueFusszeile());

    punktdialog_ = new Kurvenpunktdialog(this);
    geradendialog_ = new Geradendialog(this);
    kommentardialog_ = new Kommentardialog(this, kurven::kKommentarMax);
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{punktdialog_, geradendialog_, kommentardialog_}) {
        dialog->setWindowFlag(Qt::Dialog);
        dialog->setWindowModality(Qt::ApplicationModal);
    }
    connect(punktdialog_, &QDialog::accepted, this, [this] { punktdialogUebernehmen(); });
    connect(punktdialog_, &QDialog::rejected, this, [this] { graph_->vorschauEntfernen(); });
    connect(geradendialog_, &QDialog::accepted, this, [this] { geradendialogUebernehmen(); });
    connect(geradendialog_, &QDialog::rejected, this, [this] { KurvenNeuZeichnen(); });
    connect(kommentardialog_, &QDialog::accepted, this, [this] {
        const std::string neu = kommentardialog_->kommentar().toStdString();
        if (neu != modell().aktuell().kommentar) {
            modell().aktuell().kommentar = neu;
            modell().geaendert = true;
        }
        kommentarvorschauZeigen();
    });
    hilfetexteEintragen();
}

KurvenPanel::~KurvenPanel() = default;

QWidget* KurvenPanel::baueGrafik() {
    auto* spalte = new QWidget(this);
    auto* layout = new QVBoxLayout(spalte);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    grafik_ = new QCustomPlot(spalte);
    grafik_->setObjectName(name("GRAPH"));
    grafik_->setMinimumSize(400, 300);
    grafikKlein_ = new QCustomPlot(this);
    grafikKlein_->setObjectName(name("GRAPHKLEIN"));
    grafikKlein_->setFixedHeight(90);
    graph_ = std::make_unique<KurvenGraph>(grafik_, grafikKlein_);
    grafik_->installEventFilter(this);
    rollbalken_ = new QScrollBar(Qt::Horizontal, spalte);
    rollbalken_->setObjectName(name("SCROLLBAR"));
    rollbalken_->setRange(0, 100);
    layout->addWidget(grafik_, 1);
    layout->addWidget(rollbalken_);

    connect(grafik_, &QCustomPlot::mousePress, this, [this](QMouseEvent* e) {
        if (e->button() != Qt::LeftButton || gHilfeAktiv) return;
        gedrueckt_ = true;
        Graph_Callback(e->position(), false);
    });
    connect(grafik_, &QCustomPlot::mouseMove, this, [this](QMouseEvent* e) {
        if (gedrueckt_) Graph_Callback(e->position(), false);
    });
    connect(grafik_, &QCustomPlot::mouseRelease, this, [this](QMouseEvent* e) {
        if (!gedrueckt_ || e->button() != Qt::LeftButton) return;
        gedrueckt_ = false;
        Graph_Callback(e->position(), true);
    });
    connect(rollbalken_, &QScrollBar::valueChanged, this, [this] {
        if (!rollbalken_->isSliderDown()) rollbalkenGezogen();
    });
    connect(rollbalken_, &QScrollBar::sliderReleased, this, [this] { rollbalkenGezogen(); });
    return spalte;
}

QWidget* KurvenPanel::baueSeitenleiste() {
    auto* spalte = new QWidget(this);
    spalte->setFixedWidth(270);
    auto* layout = new QVBoxLayout(spalte);
    layout->setContentsMargins(6, 0, 0, 0);
    layout->setSpacing(6);
    // The window sits inside the main window without a title bar of its own: its title,
    // which names the curves' file, stands here.
    titel_ = new QLabel(spalte);
    titel_->setObjectName(name("TITEL"));
    QFont fett = titel_->font();
    fett.setBold(true);
    titel_->setFont(fett);
    layout->addWidget(titel_);
    layout->addWidget(grafikKlein_);

    auto* kommentar = new QGroupBox(QStringLiteral("Kommentar"), spalte);
    auto* kl = new QHBoxLayout(kommentar);
    kl->setContentsMargins(6, 2, 6, 4);
    kommentarvorschau_ = anzeigefeld(kommentar, name("KOMMENTARVORSCHAU"), 120);
    kommentarvorschau_->setAlignment(Qt::AlignLeft);
    auto* kommentarKnopf = new QPushButton(QStringLiteral("…"), kommentar);
    kommentarKnopf->setObjectName(name("KOMMENTAR"));
    kommentarKnopf->setFixedWidth(32);
    befehlVerbinden(kommentarKnopf, &QPushButton::clicked, this, [this] { kommentarBearbeiten(); });
    kl->addWidget(kommentarvorschau_, 1);
    kl->addWidget(kommentarKnopf);
    layout->addWidget(kommentar);

    auto* werte = new QGroupBox(QStringLiteral("Kurve"), spalte);
    auto* g = new QGridLayout(werte);
    g->setContentsMargins(6, 2, 6, 4);
    g->setVerticalSpacing(3);
    speicherbedarf_ = anzeigefeld(werte, name("SPEICHERBEDARF"), 70);
    zyklen_ = new Zahlenfeld(name("ZYKLEN"), 0, 1, werte);
    zyklen_->setGanzzahlig(true);
    zyklen_->setRange(0, kLaengeMax);
    ruhezustand_ = new Zahlenfeld(name("RUHEZUSTAND"), 3, 0.1, werte);
    ruhezustand_->setRange(-1e12, 1e12);
    ruhezustandText_ = new QLabel(QStringLiteral("Ruhezustand [V]"), werte);
    yRaster_ = new Zahlenfeld(name("YRASTER"), 3, 0.1, werte);
    yRaster_->setRange(0, 1e12);
    yZoomMax_ = new Zahlenfeld(name("YZOOMMAX"), 3, 0.1, werte);
    yZoomMax_->setRange(-1e12, 1e12);
    yZoomMin_ = new Zahlenfeld(name("YZOOMMIN"), 3, 0.1, werte);
    yZoomMin_->setRange(-1e12, 1e12);
    int zeile = 0;
    const auto reihe = [&](QWidget* text, QWidget* feld) {
        g->addWidget(text, zeile, 0);
        g->addWidget(feld, zeile++, 1);
    };
    reihe(new QLabel(QStringLiteral("Speicherbedarf [%]"), werte), speicherbedarf_);
    reihe(new QLabel(QStringLiteral("Anzahl Zyklen\n(0 = fortlaufend)"), werte), zyklen_);
    reihe(ruhezustandText_, ruhezustand_);
    reihe(new QLabel(QStringLiteral("Y-Raster"), werte), yRaster_);
    reihe(new QLabel(QStringLiteral("Y-Zoom max"), werte), yZoomMax_);
    reihe(new QLabel(QStringLiteral("Y-Zoom min"), werte), yZoomMin_);
    g->setColumnStretch(1, 1);
    layout->addWidget(werte);

    auto* position = new QGroupBox(QStringLiteral("Position"), spalte);
    auto* p = new QGridLayout(position);
    p->setContentsMargins(6, 2, 6, 4);
    p->setHorizontalSpacing(3);
    const char* felder[] = {"XSTUNDEN", "XMINUTEN", "XSEKUNDEN", "XMILISEKUNDEN"};
    const char* einheiten[] = {"h", "min", "s", "ms"};
    for (int i = 0; i < 4; ++i) {
        auto* feld = anzeigefeld(position, name(felder[i]), 36);
        zeitfelder_[static_cast<std::size_t>(i)] = feld;
        p->addWidget(new QLabel(QLatin1String(einheiten[i]), position), 0, i, Qt::AlignCenter);
        p->addWidget(feld, 1, i);
    }
    wertanzeige_ = anzeigefeld(position, name("YWERT"), 60);
    zeitbasisIndikator_ = zeitbasisListe(position, name("ZEITBASISINDICATOR"));
    zeitbasisIndikator_->setAttribute(Qt::WA_TransparentForMouseEvents);
    zeitbasisIndikator_->setFocusPolicy(Qt::NoFocus);
    p->addWidget(new QLabel(QStringLiteral("Wert"), position), 2, 0);
    p->addWidget(wertanzeige_, 2, 1, 1, 2);
    p->addWidget(zeitbasisIndikator_, 2, 3);
    layout->addWidget(position);

    auto* box = new QGroupBox(QStringLiteral("PLV-7"), spalte);
    auto* b = new QGridLayout(box);
    b->setContentsMargins(6, 2, 6, 4);
    const auto knopf = [box](const char* objekt, const QString& text) {
        auto* k = new QPushButton(text, box);
        k->setObjectName(name(objekt));
        return k;
    };
    auto* schreiben = knopf("SCHREIBEN", QStringLiteral("zur PLV-7 schreiben"));
    auto* lesen = knopf("LESEN", QStringLiteral("von PLV-7 lesen"));
    auto* start = knopf("START", QStringLiteral("Start"));
    auto* stopp = knopf("STOPP", QStringLiteral("Stopp"));
    befehlVerbinden(schreiben, &QPushButton::clicked, this,
                    [this] { ablage_.KurveSenden_Callback(true); });
    befehlVerbinden(lesen, &QPushButton::clicked, this,
                    [this] { ablage_.KurveSenden_Callback(false); });
    befehlVerbinden(start, &QPushButton::clicked, this, [] { Start_Callback(); });
    befehlVerbinden(stopp, &QPushButton::clicked, this, [] { Stopp_Callback(); });
    b->addWidget(schreiben, 0, 0, 1, 2);
    b->addWidget(lesen, 1, 0, 1, 2);
    b->addWidget(start, 2, 0);
    b->addWidget(stopp, 2, 1);
    layout->addWidget(box);
    layout->addStretch(1);

    const auto commit = [this](Zahlenfeld* feld, auto handler) {
        connect(feld, &Zahlenfeld::valueChanged, this, [this, handler] {
            if (!steuerelementeSchreiben_) handler();
        });
    };
    // Cycles and rest value are committed together: the rest value depends on the cycles.
    const auto zyklenUndRuhezustand = [this] {
        const std::int32_t ruhe =
            modell().ZyklenUndRuhezustandSetzen(zyklen_->ganzzahl(), ruhezustand_->value());
        steuerelementeSchreiben_ = true;
        ruhezustand_->setValue(::AusgangCodeInEinheit(modell().aktuelleKurve, ruhe));
        steuerelementeSchreiben_ = false;
    };
    commit(zyklen_, zyklenUndRuhezustand);
    commit(ruhezustand_, zyklenUndRuhezustand);
    commit(yRaster_, [this] {
        modell().einstellungen[static_cast<std::size_t>(modell().aktuelleKurve)].yRaster =
            yRaster_->value();
    });
    commit(yZoomMin_, [this] { yZoomUebernehmen(); });
    commit(yZoomMax_, [this] { yZoomUebernehmen(); });
    return spalte;
}

QWidget* KurvenPanel::baueFusszeile() {
    auto* zeile = new QWidget(this);
    auto* layout = new QHBoxLayout(zeile);
    layout->setContentsMargins(0, 4, 0, 0);
    auto* zurueck = new QPushButton(QStringLiteral("zurück zum Hauptfenster"), zeile);
    zurueck->setObjectName(name("HAUPTFENSTER"));
    befehlVerbinden(zurueck, &QPushButton::clicked, this, [] { ZeigeChildpanel(nullptr); });
    auto* hilfe = new QToolButton(zeile);
    hilfe->setObjectName(name("DIREKTHILFE"));
    hilfe->setMinimumSize(32, 32);
    Direkthilfe::instance().addToggle(hilfe);
    layout->addWidget(zurueck);
    layout->addWidget(new ErrorIndicator(QStringLiteral("KURVENPNL"), zeile), 1);
    layout->addWidget(new StatusLamps(QStringLiteral("KURVENPNL"), zeile));
    layout->addWidget(new ConnectionPicture(name("PICTURERING"), zeile));
    layout->addWidget(hilfe);
    return zeile;
}

}  // namespace plv7::gui
