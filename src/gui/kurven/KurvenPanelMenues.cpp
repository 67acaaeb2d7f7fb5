// The curve window's commands: one QAction each, shared by menu and tool bar, and what they do.
#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "base/ORV_errorV3ibox.h"
#include "common/Befehlstabelle.h"
#include "common/Editordialoge.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "konfig/KonfigUmrechnung.h"
#include "konfig/Konfiguration.h"
#include "kurven/KurvenAblage.h"
#include "kurven/KurvenBearbeitung.h"
#include "kurven/KurvenDialoge.h"
#include "kurven/KurvenErzeugenAktionen.h"
#include "kurven/KurvenPanel.h"
#include "kurven/Zeitbasis.h"
#include "shell/Fenster.h"
#include "shell/Programmaktionen.h"

namespace plv7::gui {

using namespace plv7::kurven;

namespace {

using Datei = KurvenAblage::Dateibefehl;

// The menus the table fills.
enum Menue { kDatei, kBearbeiten, kKurve, kHintergrund, kDarstellung, kMenueAnzahl };

// What an action does: its kind times 100 plus the file command, tool, curve, display mode
// or edit command it stands for.
constexpr int kDateibefehl = 0;
constexpr int kWerkzeug = 100;
constexpr int kBefehl = 200;
constexpr int kKurvenwahl = 300;
constexpr int kHintergrundwahl = 400;
constexpr int kDarstellungswahl = 500;

// The edit commands.
constexpr int kAusschneiden = 0;
constexpr int kKopieren = 1;
constexpr int kEinfuegen = 2;
constexpr int kLoeschen = 3;
constexpr int kAllesMarkieren = 4;
constexpr int kRueckgaengig = 5;
constexpr int kWiederherstellen = 6;
constexpr int kZoomPlus = 7;
constexpr int kZoomMinus = 8;
constexpr int kZoomMarkierung = 9;
constexpr int kZoomVoll = 10;

constexpr int datei(Datei d) {
    return kDateibefehl + static_cast<int>(d);
}
constexpr int werkzeug(KurvenPanel::Werkzeug w) {
    return kWerkzeug + static_cast<int>(w);
}

using W = KurvenPanel::Werkzeug;
using K = QKeySequence;
constexpr bool T = true;  // separator before / on the tool bar
constexpr bool F = false;

// Every command of the window in the order of its menus and its tool bar.
const Befehlszeile kBefehle[] = {
    {"DATEI_NEU", "Neu", "Neu", "new", nullptr, kDatei, F, T, datei(Datei::Neu), K::New},
    {"DATEI_LADEN", "Kurven laden", "Kurven Laden", "open", nullptr, kDatei, F, T,
     datei(Datei::Laden), K::Open},
    {"DATEI_ANHAENGEN", "Kurven anhängen", nullptr, nullptr, nullptr, kDatei, T, F,
     datei(Datei::Anhaengen)},
    {"DATEI_SPEICHERN", "Kurven speichern", "Kurven Speichern", "save", nullptr, kDatei, F, T,
     datei(Datei::Speichern), K::Save},
    {"DATEI_SPEICHERNUNTER", "Kurven speichern unter", nullptr, nullptr, nullptr, kDatei, F, F,
     datei(Datei::SpeichernUnter)},
    {"DATEI_IMPORT", "Kurven importieren", nullptr, nullptr, nullptr, kDatei, T, F,
     datei(Datei::Importieren)},
    {"DATEI_EXPORT", "Kurven exportieren", nullptr, nullptr, nullptr, kDatei, F, F,
     datei(Datei::Exportieren)},
    {"BEARBEITEN_MARKIEREN", "Markieren", nullptr, "mark", nullptr, kBearbeiten, T, T,
     werkzeug(W::Markieren)},
    {"BEARBEITEN_ZEICHNEN", "Punkt zeichnen", nullptr, "stift", nullptr, kBearbeiten, F, T,
     werkzeug(W::Zeichnen)},
    {"BEARBEITEN_VERSCHIEBEN", "Punkt verschieben", nullptr, "verschieben", nullptr, kBearbeiten, F,
     T, werkzeug(W::Verschieben)},
    {"BEARBEITEN_PUNKTKOORDINAT", "Punktkoordinaten ändern", "Punktkoordinaten zeigen/ändern",
     "punktinfo", nullptr, kBearbeiten, F, T, werkzeug(W::Punktkoordinaten)},
    {"BEARBEITEN_ZEITBASISZEIG", "Zeitbasis anzeigen", "Koordinaten und Zeitbasis anzeigen",
     "xyzeigen", nullptr, kBearbeiten, F, T, werkzeug(W::ZeitbasisZeigen)},
    {"BEARBEITEN_PUNKTLOESCHEN", "Punkt auflösen", nullptr, "punktdel", nullptr, kBearbeiten, F, T,
     werkzeug(W::PunktAufloesen)},
    {"BEARBEITEN_GERADETEILEN", "Gerade teilen", nullptr, "geradeteilen", nullptr, kBearbeiten, F,
     T, werkzeug(W::GeradeTeilen)},
    {"BEARBEITEN_ZEITBASIS", "Zeitbasis ändern", nullptr, "zeitbasis", nullptr, kBearbeiten, F, T,
     werkzeug(W::Zeitbasis)},
    {"BEARBEITEN_LAENGEAENDERN", "Geradenlänge ändern", nullptr, "geradenlaenge", nullptr,
     kBearbeiten, F, T, werkzeug(W::LaengeAendern)},
    {"BEARBEITEN_AUSSCHNEIDEN", "Ausschneiden", nullptr, "cut", nullptr, kBearbeiten, T, T,
     kBefehl + kAusschneiden, K::Cut},
    {"BEARBEITEN_KOPIEREN", "Kopieren", nullptr, "copy", nullptr, kBearbeiten, F, T,
     kBefehl + kKopieren, K::Copy},
    {"BEARBEITEN_EINFUEGEN", "Einfügen", nullptr, "paste", nullptr, kBearbeiten, F, T,
     kBefehl + kEinfuegen, K::Paste},
    {"BEARBEITEN_LOESCHEN", "Löschen", nullptr, "del", nullptr, kBearbeiten, F, T,
     kBefehl + kLoeschen, K::Delete},
    {"BEARBEITEN_ALLESMARKIEREN", "Alles Markieren", nullptr, nullptr, nullptr, kBearbeiten, F, F,
     kBefehl + kAllesMarkieren, K::SelectAll},
    {"BEARBEITEN_RUECKGAENGIG", "Rückgängig", nullptr, "undo", nullptr, kBearbeiten, T, T,
     kBefehl + kRueckgaengig, K::Undo},
    {"BEARBEITEN_WIEDERHERST", "Wiederherstellen", nullptr, "redo", nullptr, kBearbeiten, F, T,
     kBefehl + kWiederherstellen, K::UnknownKey, (Qt::CTRL | Qt::Key_Y).toCombined()},
    {"BEARBEITEN_ZOOMPLUS", "Zoom +", nullptr, "zoomplus", nullptr, kBearbeiten, T, T,
     kBefehl + kZoomPlus},
    {"BEARBEITEN_ZOOMMINUS", "Zoom -", nullptr, "zoomminus", nullptr, kBearbeiten, F, T,
     kBefehl + kZoomMinus},
    {"BEARBEITEN_ZOOMMARK", "Zoom Markierung", nullptr, "zoommark", nullptr, kBearbeiten, F, T,
     kBefehl + kZoomMarkierung},
    {"BEARBEITEN_ZOOMVOLL", "Zoom Gesammtkurve", nullptr, "zoomvoll", nullptr, kBearbeiten, F, T,
     kBefehl + kZoomVoll},
    {"BEARBEITEN_KURVE_K1", "Kurve 1", "Kurve 1 bearbeiten", "k1", nullptr, kKurve, T, T,
     kKurvenwahl + 0},
    {"BEARBEITEN_KURVE_K2", "Kurve 2", "Kurve 2 bearbeiten", "k2", nullptr, kKurve, F, T,
     kKurvenwahl + 1},
    {"BEARBEITEN_KURVE_K3", "Kurve 3", "Kurve 3 bearbeiten", "k3", nullptr, kKurve, F, T,
     kKurvenwahl + 2},
    {"BEARBEITEN_KURVE_K4", "Kurve 4", "Kurve 4 bearbeiten", "k4", nullptr, kKurve, F, T,
     kKurvenwahl + 3},
    {"BEARBEITEN_HINTERGRUND_K1", "Kurve 1", "Kurve 1 im Hintergrund zeigen", nullptr, "H1",
     kHintergrund, T, T, kHintergrundwahl + 0},
    {"BEARBEITEN_HINTERGRUND_K2", "Kurve 2", "Kurve 2 im Hintergrund zeigen", nullptr, "H2",
     kHintergrund, F, T, kHintergrundwahl + 1},
    {"BEARBEITEN_HINTERGRUND_K3", "Kurve 3", "Kurve 3 im Hintergrund zeigen", nullptr, "H3",
     kHintergrund, F, T, kHintergrundwahl + 2},
    {"BEARBEITEN_HINTERGRUND_K4", "Kurve 4", "Kurve 4 im Hintergrund zeigen", nullptr, "H4",
     kHintergrund, F, T, kHintergrundwahl + 3},
    {"ANSICHT_LINIENSTUFEN", "Linien + Stufen", nullptr, nullptr, "L+S", kDarstellung, T, T,
     kDarstellungswahl + static_cast<int>(Darstellung::LinienUndStufen)},
    {"ANSICHT_LINIEN", "Linien", nullptr, nullptr, "L", kDarstellung, F, T,
     kDarstellungswahl + static_cast<int>(Darstellung::Linien)},
    {"ANSICHT_STUFEN", "Stufen", nullptr, nullptr, "S", kDarstellung, F, T,
     kDarstellungswahl + static_cast<int>(Darstellung::Stufen)},
};

const QString kPinbelegung = QStringLiteral(
    "Pinbelegung für den Kurvengeneratorbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin "
    "3:    Ausgang Kurve 1\nPin 4:    GND\nPin 5:    Ausgang Kurve 2\nPin 6:    GND\nPin 7:    "
    "Ausgang Kurve 3\nPin 8:    GND\nPin 9:    Ausgang Kurve 4\nPin 10:  frei\nPin 11:  GND\nPin "
    "12:  frei\nPin 13:  GND\nPin 14:  Verlangsamen/Unterbrechen\nPin 15:  GND\nPin 16:  "
    "Start/Stopp-Signal");

}  // namespace

void KurvenPanel::baueAktionen() {
    befehle_ =
        befehleAnlegen(this, QStringLiteral("KURVEN_"), kBefehle, [this](QAction* a, int wirkung) {
            const int wert = wirkung % 100;
            const auto u = static_cast<std::size_t>(wert);
            switch (wirkung - wert) {
                case kDateibefehl:
                    befehlVerbinden(a, &QAction::triggered, this, [this, wert] {
                        ablage_.Menu_Kurven_Datei(static_cast<Datei>(wert));
                    });
                    break;
                case kWerkzeug:
                    werkzeuge_[u] = a;
                    // In direct-help mode a group has already moved its check mark; it goes back
                    // to what the window keeps.
                    befehlVerbinden(
                        a, &QAction::triggered, this,
                        [this, wert] { werkzeugGewaehlt(static_cast<Werkzeug>(wert)); },
                        [this] {
                            werkzeuge_[static_cast<std::size_t>(werkzeug_)]->setChecked(true);
                        });
                    break;
                case kBefehl:
                    if (wert == kRueckgaengig) rueckgaengig_ = a;
                    if (wert == kWiederherstellen) wiederherstellen_ = a;
                    befehlVerbinden(a, &QAction::triggered, this, [this, wert] { befehl(wert); });
                    break;
                case kKurvenwahl:
                    kurvenWahl_[u] = a;
                    befehlVerbinden(
                        a, &QAction::triggered, this, [this, wert] { kurveGewaehlt(wert); },
                        [this] {
                            kurvenWahl_[static_cast<std::size_t>(modell_.aktuelleKurve)]
                                ->setChecked(true);
                        });
                    break;
                case kHintergrundwahl:
                    hintergrund_[u] = a;
                    a->setCheckable(true);
                    befehlVerbinden(
                        a, &QAction::triggered, this, [this] { hintergrundGeaendert(); },
                        [a] { a->setChecked(!a->isChecked()); });
                    break;
                case kDarstellungswahl:
                    darstellung_[u - 1] = a;
                    befehlVerbinden(
                        a, &QAction::triggered, this,
                        [this, wert] { darstellungGewaehlt(static_cast<Darstellung>(wert)); },
                        [this] {
                            darstellung_[static_cast<std::size_t>(modell_.darstellung) - 1]
                                ->setChecked(true);
                        });
                    break;
                default:
                    break;
            }
        });
    befehlsgruppe(this, werkzeuge_, static_cast<std::size_t>(werkzeug_));
    befehlsgruppe(this, kurvenWahl_, static_cast<std::size_t>(modell_.aktuelleKurve));
    befehlsgruppe(this, darstellung_, static_cast<std::size_t>(modell_.darstellung) - 1);
}

void KurvenPanel::befehl(int befehl) {
    Kurvenmodell& m = modell_;
    switch (befehl) {
        case kAusschneiden:
            Ausschneiden(m);
            break;
        case kKopieren:
            Kopieren(m);
            return;
        case kEinfuegen:
            Einfuegen(m);
            break;
        case kLoeschen:
            Loeschen(m);
            break;
        case kAllesMarkieren:
            AllesMarkieren(m);
            graph_->markierungZeichnen(m.markierung);
            return;
        case kRueckgaengig:
            m.Rueckgaengig();
            break;
        case kWiederherstellen:
            m.Wiederherstellen();
            break;
        case kZoomPlus:
            m.fenster = ZoomPlus(m.fenster);
            break;
        case kZoomMinus:
            m.fenster = ZoomMinus(m.fenster, kFensterMaxBreite);
            break;
        case kZoomMarkierung:
            if (!ZoomMarkierung(m.fenster, m.markierung)) return;
            break;
        case kZoomVoll:
            m.GanzeKurveZeigen();
            break;
        default:
            return;
    }
    KurvenNeuZeichnen();
}

void KurvenPanel::baueMenuesUndWerkzeugleiste() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("KURVEN"));
    Programmaktionen& programm = Programmaktionen::instance();
    const auto menue = [](QMenu* m, const char* name) {
        m->setObjectName(QLatin1String(name));
        return m;
    };
    QMenu* datei = menue(leiste->addMenu(QStringLiteral("Datei")), "KURVEN_DATEI");
    QMenu* bearbeiten = menue(leiste->addMenu(QStringLiteral("Bearbeiten")), "KURVEN_BEARBEITEN");
    QMenu* ansicht = menue(leiste->addMenu(QStringLiteral("Ansicht")), "KURVEN_ANSICHT");
    QMenu* fenster = menue(leiste->addMenu(QStringLiteral("Fenster")), "KURVEN_FENSTER");
    QMenu* hilfe = menue(leiste->addMenu(QStringLiteral("Hilfe")), "KURVEN_HILFE");
    QMenu* kurve = new QMenu(QStringLiteral("Kurve bearbeiten"), bearbeiten);
    kurve->setObjectName(QStringLiteral("KURVEN_BEARBEITEN_KURVE"));
    QMenu* hintergrund = new QMenu(QStringLiteral("Im Hintergrund zeigen"), bearbeiten);
    hintergrund->setObjectName(QStringLiteral("KURVEN_BEARBEITEN_HINTERGRUND"));
    QMenu* darstellung =
        menue(ansicht->addMenu(QStringLiteral("Kurvendarstellung")), "KURVEN_ANSICHT_DARSTELLUNG");

    werkzeugleiste_ = new QToolBar(this);
    werkzeugleiste_->setObjectName(QStringLiteral("KURVENPNL_WERKZEUGLEISTE"));
    werkzeugleiste_->setIconSize(QSize(17, 17));
    werkzeugleiste_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Close-set buttons keep the last one, the '?', on the bar of a window 1100 pixels wide.
    werkzeugleiste_->layout()->setSpacing(1);
    content()->addWidget(werkzeugleiste_);

    QMenu* menues[kMenueAnzahl] = {datei, bearbeiten, kurve, hintergrund, darstellung};
    befehleEinordnen(kBefehle, befehle_, menues, werkzeugleiste_);
    // The hooks of the curve generation: after the file commands and after the zoom.
    datei->addAction(aufzeichnungUebernehmenAktion(*this));
    QAction* erzeugen = kurveErzeugenAktion(*this);
    bearbeiten->addAction(erzeugen);
    const QList<QAction*> knoepfe = werkzeugleiste_->actions();
    const auto* zoomVoll = findChild<QAction*>(QStringLiteral("KURVEN_BEARBEITEN_ZOOMVOLL"));
    werkzeugleiste_->insertAction(knoepfe.value(knoepfe.indexOf(zoomVoll) + 1), erzeugen);
    datei->addSeparator();
    datei->addAction(programm.beenden());
    bearbeiten->addSeparator();
    bearbeiten->addMenu(kurve);
    bearbeiten->addMenu(hintergrund);
    editorFenstermenue(fenster, QStringLiteral("KURVEN_FENSTER_"));
    hilfe->addAction(programm.direkthilfe());
    QAction* pins = hilfe->addAction(QStringLiteral("PLV-7 Pinbelegung"));
    pins->setObjectName(QStringLiteral("KURVEN_HILFE_PINS"));
    befehlVerbinden(pins, &QAction::triggered, this,
                    [] { dialoge().message(QStringLiteral("PLV-7 Pinbelegung"), kPinbelegung); });
    hilfe->addAction(programm.info());

    // The time base of new points stands between the tools and the edit commands.
    zeitbasis_ = new QComboBox(werkzeugleiste_);
    zeitbasis_->setObjectName(QStringLiteral("KURVEN_ZEITBASIS"));
    zeitbasis_->setToolTip(QStringLiteral("Zeitbasis"));
    for (int code = kErsteZeitbasis; code <= kLetzteZeitbasis; ++code) {
        zeitbasis_->addItem(QString::fromLatin1(ZeitbasisName(code).data()), code);
    }
    zeitbasis_->setFixedWidth(60);
    QAction* nachWerkzeugen =
        werkzeugleiste_->actions().value(werkzeugleiste_->actions().indexOf(werkzeuge_.back()) + 1);
    werkzeugleiste_->insertSeparator(werkzeugleiste_->insertWidget(nachWerkzeugen, zeitbasis_));
    werkzeugleiste_->addSeparator();
    Direkthilfe::instance().addToToolBar(werkzeugleiste_,
                                         QStringLiteral("KURVENPNL_WERKZEUG_DIREKTHILFE"));
}

void KurvenPanel::werkzeugGewaehlt(Werkzeug werkzeug) {
    werkzeug_ = werkzeug;
    neueVerschiebung_ = true;
    modell().markierung.neu = true;
    if (werkzeug != Werkzeug::Markieren) modell().markierung = {};
    KurvenNeuZeichnen();
}

void KurvenPanel::kurveGewaehlt(int kurve) {
    modell().aktuelleKurve = kurve;
    const auto& e = modell().einstellungen[static_cast<std::size_t>(kurve)];
    steuerelementeSchreiben_ = true;
    yRaster_->setValue(e.yRaster);
    steuerelementeSchreiben_ = false;
    kommentarvorschauZeigen();
    Kurvenpanel_SkaliereYAchse();
    KurvenNeuZeichnen();
}

void KurvenPanel::hintergrundGeaendert() {
    KurvenNeuZeichnen();
}

void KurvenPanel::darstellungGewaehlt(Darstellung darstellung) {
    modell().darstellung = darstellung;
    KurvenNeuZeichnen();
}

void KurvenPanel::rollbalkenAktualisieren() {
    const Rollbalken r = RollbalkenStand(modell().fenster, Kurvendauer(modell().aktuell().punkte));
    // The bar runs over what the thumb leaves free, so the thumb shows the visible share.
    const QSignalBlocker sperre(rollbalken_);
    rollbalken_->setRange(0, 100 - r.groesse);
    rollbalken_->setPageStep(r.groesse);
    rollbalken_->setValue(r.position * (100 - r.groesse) / 100);
}

void KurvenPanel::rollbalkenGezogen() {
    if (gHilfeAktiv) return;
    const int frei = rollbalken_->maximum();
    const int prozent = frei > 0 ? rollbalken_->value() * 100 / frei : 0;
    modell().fenster = Gerollt(modell().fenster, Kurvendauer(modell().aktuell().punkte), prozent);
    KurvenNeuZeichnen();
}

void KurvenPanel::yZoomUebernehmen() {
    if (!WertebereichSetzen(modell(), yZoomMin_->value(), yZoomMax_->value())) {
        Kurvenpanel_SkaliereYAchse();  // back to the stored range
        return;
    }
    Kurvenpanel_SkaliereYAchse();
    KurvenNeuZeichnen();
}

void KurvenPanel::kommentarBearbeiten() {
    kommentardialog_->setzen(QStringLiteral("Kommentar - Kurve %1").arg(modell().aktuelleKurve + 1),
                             QString::fromStdString(modell().aktuell().kommentar));
    kommentardialog_->open();
}

void KurvenPanel::kommentarvorschauZeigen() {
    kommentarvorschau_->setText(QString::fromStdString(modell().aktuell().kommentar).left(30));
}

void KurvenPanel::undoDimmen() {
    rueckgaengig_->setEnabled(modell().RueckgaengigMoeglich());
    wiederherstellen_->setEnabled(modell().WiederherstellenMoeglich());
}

}  // namespace plv7::gui
