#include "konfig/KonfigPanel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "base/ORV_errorV3ibox.h"
#include "common/ConnectionPicture.h"
#include "common/Dateiwahl.h"
#include "common/Neuskalierung.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "ini/IniText.h"
#include "konfig/KonfigDatei.h"
#include "konfig/KonfigFelder.h"
#include "konfig/KonfigIni.h"
#include "konfig/KonfigIniStore.h"
#include "konfig/KonfigPanelTexte.h"
#include "konfig/KonfigUmrechnung.h"
#include "shell/Fenster.h"
#include "shell/Programmaktionen.h"

namespace plv7::gui {
namespace {

namespace t = konfig_texte;

constexpr int kSpannungStellen = 1;
constexpr int kWertStellen = 3;
// The three box variants, then room for a full-scale voltage that came from a file.
constexpr int kFremderBereich = 3;

QString bereichText(double vmax) {
    if (!VollausschlagGueltig(vmax)) return t::kUngueltig;
    return QStringLiteral("0 - %1 V").arg(QString::fromStdString(ini::formatDouble(vmax)));
}

// Fields the conversions cannot use get a pale red background and the reason as tool tip.
void feldMarkieren(QWidget* feld, const QString& grund) {
    QPalette palette = feld->parentWidget()->palette();
    if (!grund.isEmpty()) {
        palette.setColor(QPalette::Base, QColor(255, 205, 205));
        // A selection without an edit field shows its text on the button, not on Base.
        palette.setColor(QPalette::ButtonText, QColor(192, 0, 0));
    }
    feld->setPalette(palette);
    feld->setToolTip(grund);
}

}  // namespace

KonfigPanel::KonfigPanel(QWidget* parent) : Panel(QStringLiteral("KONFIGPNL"), t::kTitel, parent) {
    ausgaenge_.ausgang = true;
    eingaenge_.ausgang = false;
    baueMenues();

    content()->addWidget(kopfzeile());
    content()->addSpacing(6);
    content()->addWidget(baueRichtung(ausgaenge_));
    content()->addSpacing(6);
    content()->addWidget(baueRichtung(eingaenge_));
    // Outputs and inputs are two grids; equal first columns line their fields up.
    int breite = 0;
    for (QLabel* label : zeilenAnfaenge_) {
        label->ensurePolished();
        breite = std::max(breite, label->sizeHint().width());
    }
    for (QLabel* label : zeilenAnfaenge_) label->setMinimumWidth(breite);

    standardwerte_ = new QPushButton(t::kStandardwerte, this);
    standardwerte_->setObjectName(QStringLiteral("KONFIGPNL_STANDARDWERTE"));
    hauptfenster_ = new QPushButton(t::kZurueck, this);
    hauptfenster_->setObjectName(QStringLiteral("KONFIGPNL_HAUPTFENSTER"));
    hauptfenster_->setMinimumWidth(120);
    befehlVerbinden(standardwerte_, &QPushButton::clicked, this,
                    [this] { Konfigbuttons_Standardwerte(); });
    befehlVerbinden(hauptfenster_, &QPushButton::clicked, this,
                    [this] { Konfigbuttons_Hauptfenster(); });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(standardwerte_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(hauptfenster_);
    content()->addSpacing(8);
    content()->addLayout(knoepfe);
    content()->addStretch(1);

    hilfetexteEintragen();
    KonfigpanelAnzeigen();
    // Configurations taken over from curve and characteristic files show up here at once.
    setKonfigAnzeige([this] { KonfigpanelAnzeigen(); });
}

KonfigPanel::~KonfigPanel() {
    setKonfigAnzeige(nullptr);
}

QWidget* KonfigPanel::kopfzeile() {
    auto* zeile = new QWidget(this);
    auto* layout = new QHBoxLayout(zeile);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* titel = new QLabel(t::kTitel, zeile);
    QFont font = titel->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    titel->setFont(font);
    auto* hinweis = new QLabel(t::kHinweis, zeile);
    auto* links = new QVBoxLayout;
    links->addWidget(titel);
    links->addWidget(hinweis);
    layout->addLayout(links);
    layout->addStretch(1);
    layout->addWidget(new ConnectionPicture(QStringLiteral("KONFIGPNL_PICTURERING"), zeile), 0,
                      Qt::AlignTop);
    auto* hilfe = new QToolButton(zeile);
    hilfe->setObjectName(QStringLiteral("KONFIGPNL_DIREKTHILFE"));
    hilfe->setMinimumSize(32, 32);
    Direkthilfe::instance().addToggle(hilfe);
    layout->addWidget(hilfe, 0, Qt::AlignTop);
    return zeile;
}

QGroupBox* KonfigPanel::baueRichtung(Richtung& richtung) {
    const bool aus = richtung.ausgang;
    const QString art = aus ? QStringLiteral("OUT") : QStringLiteral("IN");
    auto* gruppe = new QGroupBox(aus ? t::kUeberschriftAusgaenge : t::kUeberschriftEingaenge, this);
    auto* grid = new QGridLayout(gruppe);
    grid->setHorizontalSpacing(8);

    richtung.bereich = new QComboBox(gruppe);
    richtung.bereich->setObjectName(aus ? QStringLiteral("KONFIGPNL_AUSGANGSBEREICH")
                                        : QStringLiteral("KONFIGPNL_EINGANGSBEREICH"));
    for (const double vmax : kBereiche) richtung.bereich->addItem(bereichText(vmax), vmax);
    connect(richtung.bereich, &QComboBox::activated, this,
            [this, &richtung] { bereichGewaehlt(richtung); });
    auto* bereichZeile = new QHBoxLayout;
    bereichZeile->setSpacing(10);
    bereichZeile->addWidget(new QLabel(aus ? t::kBereichAusgaenge : t::kBereichEingaenge, gruppe));
    bereichZeile->addWidget(richtung.bereich);
    bereichZeile->addStretch(1);
    grid->addLayout(bereichZeile, 0, 0, 1, 10);
    auto* einheitKopf = new QLabel(t::kEinheit, gruppe);
    grid->addWidget(einheitKopf, 1, 8);

    for (int k = 0; k < 4; ++k) {
        Kanal& kanal = richtung.kanaele[static_cast<std::size_t>(k)];
        const QString n = QString::number(k + 1);
        const int row = k + 2;
        auto name = [&](const QString& teil) { return QStringLiteral("KONFIGPNL_") + teil + n; };
        kanal.min = new Zahlenfeld(name(QStringLiteral("SPANNUNG_") + art + QStringLiteral("MIN")),
                                   kSpannungStellen, 0.1, gruppe);
        kanal.max = new Zahlenfeld(name(QStringLiteral("SPANNUNG_") + art + QStringLiteral("MAX")),
                                   kSpannungStellen, 0.1, gruppe);
        kanal.skalamin = new Zahlenfeld(name(QStringLiteral("SKALA") + art + QStringLiteral("MIN")),
                                        kWertStellen, 1.0, gruppe);
        kanal.skalamax = new Zahlenfeld(name(QStringLiteral("SKALA") + art + QStringLiteral("MAX")),
                                        kWertStellen, 1.0, gruppe);
        kanal.einheit = new EinheitFeld(name(QStringLiteral("EINHEIT") + art), gruppe);
        kanal.markierung = new QLabel(t::kUngueltig, gruppe);
        kanal.markierung->setObjectName(name(QStringLiteral("UNGUELTIG_") + art));
        kanal.markierung->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
        QSizePolicy policy = kanal.markierung->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        kanal.markierung->setSizePolicy(policy);

        const QString von = (aus ? t::kAusgangVon : t::kEingangVon).arg(k + 1);
        auto* anfang = new QLabel(von, gruppe);
        zeilenAnfaenge_.push_back(anfang);
        QWidget* zeile[] = {anfang,
                            kanal.min,
                            new QLabel(t::kBis, gruppe),
                            kanal.max,
                            new QLabel(t::kUmgerechnet, gruppe),
                            kanal.skalamin,
                            new QLabel(t::kBis, gruppe),
                            kanal.skalamax,
                            kanal.einheit,
                            kanal.markierung};
        for (int spalte = 0; spalte < 10; ++spalte) grid->addWidget(zeile[spalte], row, spalte);
        for (Zahlenfeld* feld : {kanal.min, kanal.max, kanal.skalamin, kanal.skalamax}) {
            // Nothing is written from here: the marks may follow the typing.
            feld->setKeyboardTracking(true);
            connect(feld, &Zahlenfeld::valueChanged, this, [this] { markierungenAktualisieren(); });
        }
    }
    grid->setColumnStretch(10, 1);
    return gruppe;
}

void KonfigPanel::baueMenues() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("KONFIG"));
    QMenu* datei = leiste->addMenu(t::kMenuDatei);
    datei->setObjectName(QStringLiteral("KONFIG_DATEI"));
    laden_ = datei->addAction(t::kMenuLaden);
    laden_->setObjectName(QStringLiteral("KONFIG_DATEI_LADEN"));
    speichern_ = datei->addAction(t::kMenuSpeichern);
    speichern_->setObjectName(QStringLiteral("KONFIG_DATEI_SPEICHERN"));
    datei->addSeparator();
    datei->addAction(Programmaktionen::instance().beenden());

    // Menu_Konfig_Datei: file results other than 0 go to the error pop-up.
    befehlVerbinden(laden_, &QAction::triggered, this, [this] {
        if (const int code = KonfigurationLaden(); code != 0) ORV_Fehlerpopup(code);
    });
    befehlVerbinden(speichern_, &QAction::triggered, this, [this] {
        if (const int code = KonfigurationSpeichern(); code != 0) ORV_Fehlerpopup(code);
    });
}

void KonfigPanel::hilfetexteEintragen() {
    Direkthilfe& hilfe = Direkthilfe::instance();
    hilfe.addText(QStringLiteral("KONFIGPNL_AUSGANGSBEREICH"), t::kHilfeAusgangsbereich);
    hilfe.addText(QStringLiteral("KONFIGPNL_EINGANGSBEREICH"), t::kHilfeEingangsbereich);
    hilfe.addText(QStringLiteral("KONFIGPNL_STANDARDWERTE"), t::kHilfeStandardwerte);
    hilfe.addText(QStringLiteral("KONFIGPNL_HAUPTFENSTER"), t::kHilfeZurueck);
    for (const Richtung* richtung : {&ausgaenge_, &eingaenge_}) {
        const QString& zahlen = richtung->ausgang ? t::kHilfeZahlenOut : t::kHilfeZahlenIn;
        const QString& einheit = richtung->ausgang ? t::kHilfeEinheitOut : t::kHilfeEinheitIn;
        for (const Kanal& kanal : richtung->kanaele) {
            for (Zahlenfeld* feld : {kanal.min, kanal.max, kanal.skalamin, kanal.skalamax}) {
                hilfe.addText(feld->objectName(), zahlen);
            }
            hilfe.addText(kanal.einheit->objectName(), einheit);
        }
    }
}

int KonfigPanel::ReadIniKonfigpanel(const IniStore& store) {
    // A settings file without the section (one written by hand or for the demo) holds no
    // scaling at all: start from the defaults, units "V" included, as without any file.
    // Within the section, a missing unit stays empty.
    if (store.hasSection(kKonfigSektion)) {
        KonfigAusIniLesen(store, gKonfig);
    } else {
        KonfigurationStandardwerte();
    }
    KonfigpanelAnzeigen();
    return 0;
}

int KonfigPanel::WriteIniKonfigpanel(IniStore& store) {
    // What stands in the window at the end of the program is what is kept.
    KonfigpanelLesen();
    KonfigInIniSchreiben(gKonfig, store);
    return 0;
}

void KonfigPanel::KonfigpanelAnzeigen() {
    const Konfiguration& konfig = gKonfig;
    auto zeigen = [](Richtung& richtung, double vmax, const auto& min, const auto& max,
                     const auto& skalamin, const auto& skalamax, const auto& einheit) {
        for (std::size_t k = 0; k < 4; ++k) {
            Kanal& kanal = richtung.kanaele[k];
            kanal.min->setValue(min[k]);
            kanal.max->setValue(max[k]);
            kanal.skalamin->setValue(skalamin[k]);
            kanal.skalamax->setValue(skalamax[k]);
            kanal.einheit->setText(EinheitAlsText(einheit[k]));
        }
        return vmax;
    };
    bereichZeigen(ausgaenge_.bereich,
                  zeigen(ausgaenge_, konfig.voutmax, konfig.outmin, konfig.outmax,
                         konfig.outskalamin, konfig.outskalamax, konfig.outeinheit));
    bereichZeigen(eingaenge_.bereich,
                  zeigen(eingaenge_, konfig.vinmax, konfig.inmin, konfig.inmax, konfig.inskalamin,
                         konfig.inskalamax, konfig.ineinheit));
    bereichGewaehlt(ausgaenge_);
    bereichGewaehlt(eingaenge_);
    markierungenAktualisieren();
}

Konfiguration KonfigPanel::fensterWerte() const {
    Konfiguration konfig = gKonfig;
    auto lesen = [](const Richtung& richtung, double& vmax, auto& min, auto& max, auto& skalamin,
                    auto& skalamax, auto& einheit) {
        vmax = richtung.bereich->currentData().toDouble();
        for (std::size_t k = 0; k < 4; ++k) {
            const Kanal& kanal = richtung.kanaele[k];
            min[k] = kanal.min->value();
            max[k] = kanal.max->value();
            skalamin[k] = kanal.skalamin->value();
            skalamax[k] = kanal.skalamax->value();
            EinheitAusText(einheit[k], kanal.einheit->text());
        }
    };
    lesen(ausgaenge_, konfig.voutmax, konfig.outmin, konfig.outmax, konfig.outskalamin,
          konfig.outskalamax, konfig.outeinheit);
    lesen(eingaenge_, konfig.vinmax, konfig.inmin, konfig.inmax, konfig.inskalamin,
          konfig.inskalamax, konfig.ineinheit);
    return konfig;
}

void KonfigPanel::KonfigpanelLesen() {
    gKonfig = fensterWerte();
}

void KonfigPanel::bereichZeigen(QComboBox* bereich, double vmax) {
    for (int i = 0; i < kFremderBereich; ++i) {
        if (bereich->itemData(i).toDouble() == vmax) {
            bereich->setCurrentIndex(i);
            if (bereich->count() > kFremderBereich) bereich->removeItem(kFremderBereich);
            return;
        }
    }
    // A full-scale voltage of another variant (from a file) is kept as an item of its own.
    if (bereich->count() == kFremderBereich) bereich->addItem(QString());
    bereich->setItemText(kFremderBereich, bereichText(vmax));
    bereich->setItemData(kFremderBereich, vmax);
    bereich->setCurrentIndex(kFremderBereich);
}

void KonfigPanel::bereichGewaehlt(Richtung& richtung) {
    const double vmax = richtung.bereich->currentData().toDouble();
    const bool gueltig = VollausschlagGueltig(vmax);
    feldMarkieren(richtung.bereich, gueltig ? QString() : t::kBereichUngueltig);
    // The voltage fields accept what the box can put out or read in: 0 to full scale.
    const double obergrenze = gueltig ? std::abs(vmax) : kBereiche[2];
    for (Kanal& kanal : richtung.kanaele) {
        kanal.min->setRange(0.0, obergrenze);
        kanal.max->setRange(0.0, obergrenze);
    }
}

void KonfigPanel::markierungenAktualisieren() {
    const Konfiguration werte = fensterWerte();
    for (const Richtung* richtung : {&ausgaenge_, &eingaenge_}) {
        for (int k = 0; k < 4; ++k) {
            const Kanal& kanal = richtung->kanaele[static_cast<std::size_t>(k)];
            const bool gueltig = richtung->ausgang ? AusgangSkalierungGueltig(werte, k)
                                                   : EingangSkalierungGueltig(werte, k);
            QString spannungen;
            QString skala;
            if (!gueltig) {
                const double min = kanal.min->value();
                const double max = kanal.max->value();
                const double skalamin = kanal.skalamin->value();
                const double skalamax = kanal.skalamax->value();
                const bool zahlen = std::isfinite(min) && std::isfinite(max) &&
                                    std::isfinite(skalamin) && std::isfinite(skalamax);
                if (!zahlen) {
                    if (!std::isfinite(min) || !std::isfinite(max)) spannungen = t::kKeineZahl;
                    if (!std::isfinite(skalamin) || !std::isfinite(skalamax)) skala = t::kKeineZahl;
                } else if (min == max) {
                    spannungen = t::kGleicheSpannungen;
                } else {
                    skala = t::kGleicheWerte;
                }
            }
            feldMarkieren(kanal.min, spannungen);
            feldMarkieren(kanal.max, spannungen);
            feldMarkieren(kanal.skalamin, skala);
            feldMarkieren(kanal.skalamax, skala);
            kanal.markierung->setVisible(!gueltig);
            kanal.markierung->setToolTip(spannungen.isEmpty() ? skala : spannungen);
        }
    }
}

void KonfigPanel::Konfigbuttons_Standardwerte() {
    const int antwort = dialoge().question(t::kFrageTitel, t::kFrageText, {t::kJa, t::kNein}, 0, 1);
    if (antwort != 0) return;
    KonfigurationStandardwerte();
    KonfigpanelAnzeigen();
}

void KonfigPanel::Konfigbuttons_Hauptfenster() {
    KonfigpanelLesen();
    AbhaengigeFensterNeuSkalieren();
    ZeigeChildpanel(gDirektpanel);
}

int KonfigPanel::KonfigurationSpeichern() {
    const auto wahl =
        dateiWaehlen({t::kDialogSpeichern, t::kDateiMuster, true, QDir::currentPath()},
                     konfig_datei::kFehlerSpeichernOeffnen);
    if (!wahl.pfad) return wahl.code;
    KonfigpanelLesen();
    return KonfigDateiSpeichern(*wahl.pfad, gKonfig);
}

int KonfigPanel::KonfigurationLaden() {
    const auto wahl = dateiWaehlen({t::kDialogLaden, t::kDateiMuster, false, QDir::currentPath()},
                                   konfig_datei::kFehlerLadenOeffnen);
    if (!wahl.pfad) return wahl.code;
    if (const int code = KonfigDateiLaden(*wahl.pfad, gKonfig); code != 0) return code;
    KonfigpanelAnzeigen();
    return 0;
}

}  // namespace plv7::gui
