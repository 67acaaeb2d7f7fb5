// The curve window's commands: one QAction each, shared by menu and tool bar, and what they do.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "base/ORV_errorV3ibox.h"
#include "common/Editordialoge.h"
#include "common/Ressourcen.h"
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

struct Werkzeugeintrag {
    const char* objekt;
    const char* text;
    const char* tooltip;
    const char* bild;
};
const Werkzeugeintrag kWerkzeuge[KurvenPanel::kWerkzeugAnzahl] = {
    {"MARKIEREN", "Markieren", "Markieren", "mark"},
    {"ZEICHNEN", "Punkt zeichnen", "Punkt zeichnen", "stift"},
    {"VERSCHIEBEN", "Punkt verschieben", "Punkt verschieben", "verschieben"},
    {"PUNKTKOORDINAT", "Punktkoordinaten ändern", "Punktkoordinaten zeigen/ändern", "punktinfo"},
    {"ZEITBASISZEIG", "Zeitbasis anzeigen", "Koordinaten und Zeitbasis anzeigen", "xyzeigen"},
    {"PUNKTLOESCHEN", "Punkt auflösen", "Punkt auflösen", "punktdel"},
    {"GERADETEILEN", "Gerade teilen", "Gerade teilen", "geradeteilen"},
    {"ZEITBASIS", "Zeitbasis ändern", "Zeitbasis ändern", "zeitbasis"},
    {"LAENGEAENDERN", "Geradenlänge ändern", "Geradenlänge ändern", "geradenlaenge"},
};

const QString kPinbelegung = QStringLiteral(
    "Pinbelegung für den Kurvengeneratorbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin "
    "3:    Ausgang Kurve 1\nPin 4:    GND\nPin 5:    Ausgang Kurve 2\nPin 6:    GND\nPin 7:    "
    "Ausgang Kurve 3\nPin 8:    GND\nPin 9:    Ausgang Kurve 4\nPin 10:  frei\nPin 11:  GND\nPin "
    "12:  frei\nPin 13:  GND\nPin 14:  Verlangsamen/Unterbrechen\nPin 15:  GND\nPin 16:  "
    "Start/Stopp-Signal");

QActionGroup* gruppe(QObject* parent, const QList<QAction*>& aktionen, int an) {
    auto* g = new QActionGroup(parent);
    g->setExclusive(true);
    for (int i = 0; i < aktionen.size(); ++i) {
        aktionen[i]->setCheckable(true);
        aktionen[i]->setChecked(i == an);
        g->addAction(aktionen[i]);
    }
    return g;
}

}  // namespace

QAction* KurvenPanel::aktion(const QString& text, const char* objekt, const char* bild) {
    auto* a = new QAction(text, this);
    a->setObjectName(QStringLiteral("KURVEN_") + QLatin1String(objekt));
    if (bild) {
        const QString pfad = ressourcenDatei(QStringLiteral("buttons/%1.png").arg(bild));
        // Without its image a tool-bar button shows its text.
        if (!pfad.isEmpty()) a->setIcon(QIcon(pfad));
    }
    return a;
}

void KurvenPanel::baueAktionen() {
    const auto datei = [this](const QString& text, const char* objekt, Datei befehl,
                              QKeySequence taste, const char* bild = nullptr) {
        QAction* a = aktion(text, objekt, bild);
        a->setShortcut(taste);
        befehlVerbinden(a, &QAction::triggered, this,
                        [befehl] { kurvenAblage().Menu_Kurven_Datei(befehl); });
        dateiAktionen_.append(a);
    };
    datei(QStringLiteral("Neu"), "DATEI_NEU", Datei::Neu, QKeySequence::New, "new");
    datei(QStringLiteral("Kurven laden"), "DATEI_LADEN", Datei::Laden, QKeySequence::Open, "open");
    datei(QStringLiteral("Kurven anhängen"), "DATEI_ANHAENGEN", Datei::Anhaengen, {});
    datei(QStringLiteral("Kurven speichern"), "DATEI_SPEICHERN", Datei::Speichern,
          QKeySequence::Save, "save");
    datei(QStringLiteral("Kurven speichern unter"), "DATEI_SPEICHERNUNTER", Datei::SpeichernUnter,
          {});
    datei(QStringLiteral("Kurven importieren"), "DATEI_IMPORT", Datei::Importieren, {});
    datei(QStringLiteral("Kurven exportieren"), "DATEI_EXPORT", Datei::Exportieren, {});
    dateiAktionen_[0]->setToolTip(QStringLiteral("Neu"));
    dateiAktionen_[1]->setToolTip(QStringLiteral("Kurven Laden"));
    dateiAktionen_[3]->setToolTip(QStringLiteral("Kurven Speichern"));

    QList<QAction*> werkzeuge;
    for (int i = 0; i < kWerkzeugAnzahl; ++i) {
        const Werkzeugeintrag& w = kWerkzeuge[i];
        QAction* a = aktion(QString::fromUtf8(w.text),
                            (std::string("BEARBEITEN_") + w.objekt).c_str(), w.bild);
        a->setToolTip(QString::fromUtf8(w.tooltip));
        werkzeuge_[static_cast<std::size_t>(i)] = a;
        werkzeuge.append(a);
        // In direct-help mode a group has already moved its check mark; it goes back to what
        // the window keeps.
        befehlVerbinden(
            a, &QAction::triggered, this,
            [this, i] { Menu_Kurven_Bearbeiten_Toggle(static_cast<Werkzeug>(i)); },
            [this] { werkzeuge_[static_cast<std::size_t>(werkzeug_)]->setChecked(true); });
    }
    gruppe(this, werkzeuge, static_cast<int>(werkzeug_));

    const auto befehl = [this](const QString& text, const char* objekt, const char* bild,
                               QKeySequence taste, auto handler) {
        QAction* a = aktion(text, objekt, bild);
        a->setShortcut(taste);
        befehlVerbinden(a, &QAction::triggered, this, handler);
        befehle_.append(a);
        return a;
    };
    befehl(QStringLiteral("Ausschneiden"), "BEARBEITEN_AUSSCHNEIDEN", "cut", QKeySequence::Cut,
           [this] { nachBearbeitung(Ausschneiden(modell())); });
    befehl(QStringLiteral("Kopieren"), "BEARBEITEN_KOPIEREN", "copy", QKeySequence::Copy,
           [this] { Kopieren(modell()); });
    befehl(QStringLiteral("Einfügen"), "BEARBEITEN_EINFUEGEN", "paste", QKeySequence::Paste,
           [this] { nachBearbeitung(Einfuegen(modell())); });
    befehl(QStringLiteral("Löschen"), "BEARBEITEN_LOESCHEN", "del", QKeySequence::Delete,
           [this] { nachBearbeitung(Loeschen(modell())); });
    befehl(QStringLiteral("Alles Markieren"), "BEARBEITEN_ALLESMARKIEREN", nullptr,
           QKeySequence::SelectAll, [this] {
               AllesMarkieren(modell());
               graph_->markierungZeichnen(modell().markierung);
           });
    rueckgaengig_ = befehl(QStringLiteral("Rückgängig"), "BEARBEITEN_RUECKGAENGIG", "undo",
                           QKeySequence::Undo, [this] {
                               modell().Rueckgaengig();
                               KurvenNeuZeichnen();
                           });
    wiederherstellen_ = befehl(QStringLiteral("Wiederherstellen"), "BEARBEITEN_WIEDERHERST", "redo",
                               QKeySequence(Qt::CTRL | Qt::Key_Y), [this] {
                                   modell().Wiederherstellen();
                                   KurvenNeuZeichnen();
                               });
    befehl(QStringLiteral("Zoom +"), "BEARBEITEN_ZOOMPLUS", "zoomplus", {},
           [this] { zoomen(ZoomPlus(modell().fenster)); });
    befehl(QStringLiteral("Zoom -"), "BEARBEITEN_ZOOMMINUS", "zoomminus", {},
           [this] { zoomen(ZoomMinus(modell().fenster, kFensterMaxBreite)); });
    befehl(QStringLiteral("Zoom Markierung"), "BEARBEITEN_ZOOMMARK", "zoommark", {}, [this] {
        if (ZoomMarkierung(modell().fenster, modell().markierung)) zoomen(modell().fenster);
    });
    befehl(QStringLiteral("Zoom Gesammtkurve"), "BEARBEITEN_ZOOMVOLL", "zoomvoll", {}, [this] {
        modell().GanzeKurveZeigen();
        zoomen(modell().fenster);
    });

    QList<QAction*> kurven;
    for (int k = 0; k < kKurvenAnzahl; ++k) {
        const QString nr = QString::number(k + 1);
        QAction* a = aktion(QStringLiteral("Kurve ") + nr,
                            ("BEARBEITEN_KURVE_K" + std::to_string(k + 1)).c_str(),
                            ("k" + std::to_string(k + 1)).c_str());
        a->setToolTip(QStringLiteral("Kurve %1 bearbeiten").arg(nr));
        kurvenWahl_[static_cast<std::size_t>(k)] = a;
        kurven.append(a);
        befehlVerbinden(
            a, &QAction::triggered, this, [this, k] { Menu_Kurven_Bearbeiten_Toggle2(k); },
            [this] {
                kurvenWahl_[static_cast<std::size_t>(modell().aktuelleKurve)]->setChecked(true);
            });

        QAction* h = aktion(QStringLiteral("Kurve ") + nr,
                            ("BEARBEITEN_HINTERGRUND_K" + std::to_string(k + 1)).c_str());
        h->setCheckable(true);
        h->setIconText(QStringLiteral("H") + nr);
        h->setToolTip(QStringLiteral("Kurve %1 im Hintergrund zeigen").arg(nr));
        hintergrund_[static_cast<std::size_t>(k)] = h;
        befehlVerbinden(
            h, &QAction::triggered, this, [this, k] { Menu_Kurven_Bearbeiten_Toggle3(k); },
            [h] { h->setChecked(!h->isChecked()); });
    }
    gruppe(this, kurven, modell().aktuelleKurve);

    const char* darstellungen[] = {"ANSICHT_LINIEN", "ANSICHT_STUFEN", "ANSICHT_LINIENSTUFEN"};
    const char* texte[] = {"Linien", "Stufen", "Linien + Stufen"};
    const char* kurz[] = {"L", "S", "L+S"};
    QList<QAction*> modi;
    for (int i = 0; i < 3; ++i) {
        QAction* a = aktion(QString::fromUtf8(texte[i]), darstellungen[i]);
        a->setIconText(QLatin1String(kurz[i]));
        darstellung_[static_cast<std::size_t>(i)] = a;
        modi.append(a);
        befehlVerbinden(
            a, &QAction::triggered, this,
            [this, i] { Menu_Kurven_Ansicht_ToggleDarstellung(static_cast<Darstellung>(i + 1)); },
            [this] {
                darstellung_[static_cast<std::size_t>(modell().darstellung) - 1]->setChecked(true);
            });
    }
    gruppe(this, modi, static_cast<int>(modell().darstellung) - 1);
}

void KurvenPanel::baueMenues() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("KURVEN"));
    Programmaktionen& programm = Programmaktionen::instance();

    QMenu* datei = leiste->addMenu(QStringLiteral("Datei"));
    datei->setObjectName(QStringLiteral("KURVEN_DATEI"));
    for (int i = 0; i < dateiAktionen_.size(); ++i) {
        if (i == 2 || i == 5) datei->addSeparator();
        datei->addAction(dateiAktionen_[i]);
    }
    datei->addAction(aufzeichnungUebernehmenAktion(*this));
    datei->addSeparator();
    datei->addAction(programm.beenden());

    QMenu* bearbeiten = leiste->addMenu(QStringLiteral("Bearbeiten"));
    bearbeiten->setObjectName(QStringLiteral("KURVEN_BEARBEITEN"));
    for (QAction* a : werkzeuge_) bearbeiten->addAction(a);
    bearbeiten->addSeparator();
    for (int i = 0; i < befehle_.size(); ++i) {
        if (i == 5 || i == 7) bearbeiten->addSeparator();
        bearbeiten->addAction(befehle_[i]);
    }
    bearbeiten->addAction(kurveErzeugenAktion(*this));
    bearbeiten->addSeparator();
    QMenu* kurve = bearbeiten->addMenu(QStringLiteral("Kurve bearbeiten"));
    kurve->setObjectName(QStringLiteral("KURVEN_BEARBEITEN_KURVE"));
    for (QAction* a : kurvenWahl_) kurve->addAction(a);
    QMenu* hintergrund = bearbeiten->addMenu(QStringLiteral("Im Hintergrund zeigen"));
    hintergrund->setObjectName(QStringLiteral("KURVEN_BEARBEITEN_HINTERGRUND"));
    for (QAction* a : hintergrund_) hintergrund->addAction(a);

    QMenu* ansicht = leiste->addMenu(QStringLiteral("Ansicht"));
    ansicht->setObjectName(QStringLiteral("KURVEN_ANSICHT"));
    QMenu* darstellung = ansicht->addMenu(QStringLiteral("Kurvendarstellung"));
    darstellung->setObjectName(QStringLiteral("KURVEN_ANSICHT_DARSTELLUNG"));
    for (int i : {2, 0, 1}) darstellung->addAction(darstellung_[static_cast<std::size_t>(i)]);

    QMenu* fenster = leiste->addMenu(QStringLiteral("Fenster"));
    fenster->setObjectName(QStringLiteral("KURVEN_FENSTER"));
    static Panel* const kHauptfenster = nullptr;
    fensterEintrag(fenster, QStringLiteral("Hauptfenster"), QStringLiteral("KURVEN_FENSTER_HAUPT"),
                   &kHauptfenster);
    fensterEintrag(fenster, QStringLiteral("COM-Einstellung"), QStringLiteral("KURVEN_FENSTER_COM"),
                   &gCompanel);
    fensterEintrag(fenster, QStringLiteral("Konfiguration"),
                   QStringLiteral("KURVEN_FENSTER_KONFIG"), &gKonfigpanel);
    fensterEintrag(fenster, QStringLiteral("Direkte Ein-/Ausgabe"),
                   QStringLiteral("KURVEN_FENSTER_DIREKT"), &gDirektpanel);
    fensterEintrag(fenster, QStringLiteral("Kurvengenerator"),
                   QStringLiteral("KURVEN_FENSTER_KURVEN"), &gKurvenpanel);
    fensterEintrag(fenster, QStringLiteral("Kennlinienregler"),
                   QStringLiteral("KURVEN_FENSTER_KENNLINIE"), &gKennlinienpanel);

    QMenu* hilfe = leiste->addMenu(QStringLiteral("Hilfe"));
    hilfe->setObjectName(QStringLiteral("KURVEN_HILFE"));
    hilfe->addAction(programm.direkthilfe());
    QAction* pins = hilfe->addAction(QStringLiteral("PLV-7 Pinbelegung"));
    pins->setObjectName(QStringLiteral("KURVEN_HILFE_PINS"));
    befehlVerbinden(pins, &QAction::triggered, this,
                    [] { dialoge().message(QStringLiteral("PLV-7 Pinbelegung"), kPinbelegung); });
    hilfe->addAction(programm.info());
}

void KurvenPanel::baueWerkzeugleiste() {
    werkzeugleiste_ = new QToolBar(this);
    werkzeugleiste_->setObjectName(QStringLiteral("KURVENPNL_WERKZEUGLEISTE"));
    werkzeugleiste_->setIconSize(QSize(17, 17));
    werkzeugleiste_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    content()->addWidget(werkzeugleiste_);
    werkzeugleiste_->addAction(dateiAktionen_[0]);
    werkzeugleiste_->addAction(dateiAktionen_[1]);
    werkzeugleiste_->addAction(dateiAktionen_[3]);
    werkzeugleiste_->addSeparator();
    for (QAction* a : werkzeuge_) werkzeugleiste_->addAction(a);
    werkzeugleiste_->addSeparator();
    zeitbasis_ = new QComboBox(werkzeugleiste_);
    zeitbasis_->setObjectName(QStringLiteral("KURVEN_ZEITBASIS"));
    zeitbasis_->setToolTip(QStringLiteral("Zeitbasis"));
    for (int code = 1; code <= 6; ++code) {
        zeitbasis_->addItem(QString::fromLatin1(ZeitbasisName(code).data()), code);
    }
    zeitbasis_->setFixedWidth(68);
    werkzeugleiste_->addWidget(zeitbasis_);
    werkzeugleiste_->addSeparator();
    for (int i = 0; i < befehle_.size(); ++i) {
        if (i == 4) continue;  // "Alles Markieren" has no button
        if (i == 5 || i == 7) werkzeugleiste_->addSeparator();
        werkzeugleiste_->addAction(befehle_[i]);
    }
    werkzeugleiste_->addAction(kurveErzeugenAktion(*this));
    werkzeugleiste_->addSeparator();
    for (QAction* a : kurvenWahl_) werkzeugleiste_->addAction(a);
    werkzeugleiste_->addSeparator();
    for (QAction* a : hintergrund_) werkzeugleiste_->addAction(a);
    werkzeugleiste_->addSeparator();
    for (int i : {2, 0, 1}) werkzeugleiste_->addAction(darstellung_[static_cast<std::size_t>(i)]);
    werkzeugleiste_->addSeparator();
    werkzeugleiste_->addAction(Programmaktionen::instance().direkthilfe());
}

void KurvenPanel::Menu_Kurven_Bearbeiten_Toggle(Werkzeug werkzeug) {
    werkzeug_ = werkzeug;
    neueVerschiebung_ = true;
    modell().markierung.neu = true;
    if (werkzeug != Werkzeug::Markieren) modell().markierung = {};
    KurvenNeuZeichnen();
}

void KurvenPanel::Menu_Kurven_Bearbeiten_Toggle2(int kurve) {
    modell().aktuelleKurve = kurve;
    const auto& e = modell().einstellungen[static_cast<std::size_t>(kurve)];
    steuerelementeSchreiben_ = true;
    yRaster_->setValue(e.yRaster);
    steuerelementeSchreiben_ = false;
    kommentarvorschauZeigen();
    Kurvenpanel_SkaliereYAchse();
    KurvenNeuZeichnen();
}

void KurvenPanel::Menu_Kurven_Bearbeiten_Toggle3(int) {
    KurvenNeuZeichnen();
}

void KurvenPanel::Menu_Kurven_Ansicht_ToggleDarstellung(Darstellung darstellung) {
    modell().darstellung = darstellung;
    KurvenNeuZeichnen();
}

void KurvenPanel::nachBearbeitung(bool) {
    KurvenNeuZeichnen();
}

void KurvenPanel::zoomen(const Zeitfenster& fenster) {
    modell().fenster = fenster;
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

void KurvenPanel::Scrollbar_Callback() {
    if (gHilfeAktiv) return;
    const int frei = rollbalken_->maximum();
    const int prozent = frei > 0 ? rollbalken_->value() * 100 / frei : 0;
    modell().fenster = Gerollt(modell().fenster, Kurvendauer(modell().aktuell().punkte), prozent);
    KurvenNeuZeichnen();
}

void KurvenPanel::YZoomKurven_Callback() {
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
