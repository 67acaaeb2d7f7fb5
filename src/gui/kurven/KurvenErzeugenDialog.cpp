#include "kurven/KurvenErzeugenDialog.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "base/ORV_errorV3ibox.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Dialoge.h"
#include "konfig/KonfigUmrechnung.h"
#include "kurven/Dialogformular.h"
#include "kurven/Speicherabbild.h"

namespace plv7::gui {

using namespace plv7::kurven;

namespace {

constexpr Kurvenform kFormen[] = {Kurvenform::Sinus, Kurvenform::Dreieck, Kurvenform::Rechteck,
                                  Kurvenform::Saegezahn};

Zahlenfeld* feld(QDialog* d, const char* name, int stellen, double schritt, double min,
                 double max) {
    auto* f =
        new Zahlenfeld(QStringLiteral("KERZEUGENPNL_") + QLatin1String(name), stellen, schritt, d);
    f->setRange(min, max);
    return f;
}

}  // namespace

KurvenErzeugenDialog::KurvenErzeugenDialog(QWidget* parent) : QDialog(parent) {
    Dialogformular formular(this, QStringLiteral("KERZEUGENPNL"));
    setWindowTitle(QStringLiteral("Kurve erzeugen"));
    form_ = new QComboBox(this);
    form_->setObjectName(QStringLiteral("KERZEUGENPNL_FORM"));
    for (const Kurvenform f : kFormen) {
        const std::string_view name = KurvenformName(f);
        form_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    amplitude_ = feld(this, "AMPLITUDE", 3, 0.1, 0.0, 1e9);
    offset_ = feld(this, "OFFSET", 3, 0.1, -1e9, 1e9);
    periode_ = feld(this, "PERIODE", 3, 0.1, 0.001, 1e7);
    perioden_ = feld(this, "PERIODEN", 0, 1, 1, 1e6);
    perioden_->setGanzzahlig(true);
    phase_ = feld(this, "PHASE", 1, 15, -360, 360);
    tastgrad_ = feld(this, "TASTGRAD", 1, 5, 0, 100);
    periode_->setValue(2.0);
    perioden_->setValue(10);
    tastgrad_->setValue(50);
    zeitbasis_ = new QComboBox(this);
    zeitbasis_->setObjectName(QStringLiteral("KERZEUGENPNL_ZEITBASIS"));
    zeitbasenEintragen(zeitbasis_);
    amplitudeEinheit_ = new QLabel(this);
    offsetEinheit_ = new QLabel(this);
    ergebnisText_ = formular.ergebnis();

    formular.reihe(QStringLiteral("Kurvenform"), form_);
    formular.reihe(QStringLiteral("Amplitude"), amplitude_, amplitudeEinheit_);
    formular.reihe(QStringLiteral("Offset"), offset_, offsetEinheit_);
    formular.reihe(QStringLiteral("Periode"), periode_, QStringLiteral("s"));
    formular.reihe(QStringLiteral("Anzahl Perioden"), perioden_);
    formular.reihe(QStringLiteral("Phase"), phase_, QStringLiteral("°"));
    formular.reihe(QStringLiteral("Tastverhältnis"), tastgrad_, QStringLiteral("%"));
    formular.reihe(QStringLiteral("Zeitbasis"), zeitbasis_);
    formular.abschliessen();

    for (Zahlenfeld* f : {amplitude_, offset_, periode_, perioden_, phase_, tastgrad_})
        connect(f, &Zahlenfeld::valueChanged, this, [this] { berechnen(); });
    connect(form_, &QComboBox::currentIndexChanged, this, [this] { berechnen(); });
    connect(zeitbasis_, &QComboBox::currentIndexChanged, this, [this] { berechnen(); });
}

void KurvenErzeugenDialog::vorbereiten(const Kurvenmodell& modell) {
    modell_ = &modell;
    const int c = modell.aktuelleKurve;
    const QString text =
        QString::fromStdString(EinheitAlsUtf8(gKonfig.outeinheit[static_cast<std::size_t>(c)]));
    amplitudeEinheit_->setText(text);
    offsetEinheit_->setText(text);
    if (!vorbelegt_) {
        // The first time: around the middle of the output's range, a fifth of it high.
        const double unten = ::AusgangCodeInEinheit(c, 0.0);
        const double oben = ::AusgangCodeInEinheit(c, double{kWertMax});
        offset_->setValue((unten + oben) / 2.0);
        amplitude_->setValue(std::fabs(oben - unten) / 5.0);
        vorbelegt_ = true;
    }
    berechnen();
}

Funktionsparameter KurvenErzeugenDialog::parameter() const {
    Funktionsparameter p;
    p.form = kFormen[std::clamp(form_->currentIndex(), 0, 3)];
    p.amplitude = amplitude_->value();
    p.offset = offset_->value();
    p.periode = periode_->value();
    p.perioden = perioden_->ganzzahl();
    p.phase = phase_->value();
    p.tastgrad = tastgrad_->value();
    return p;
}

int KurvenErzeugenDialog::zeitbasis() const {
    return zeitbasis_->currentData().toInt();
}

void KurvenErzeugenDialog::berechnen() {
    tastgrad_->setEnabled(form_->currentIndex() == 2);
    if (!modell_) return;
    ergebnis_ =
        KurveErzeugen(parameter(), gKonfig, modell_->kurven, modell_->aktuelleKurve, zeitbasis());
    const bool gut = ergebnis_.code == 0;
    ergebnisText_->setStyleSheet(gut ? QString() : QStringLiteral("color: #C00000;"));
    ergebnisText_->setText(
        gut ? ergebnisZeile(ergebnis_.punkte.size(), ergebnis_.zeitbasis, ergebnis_.speicherbedarf)
            : QString::fromStdString(ergebnis_.meldung));
}

void KurvenErzeugenDialog::accept() {
    berechnen();
    if (ergebnis_.code == 0) {
        QDialog::accept();
        return;
    }
    const QString titel = ergebnis_.code == abbild::kPlatzReichtNicht
                              ? windowTitle()
                              : QString::fromStdString(errorBoxTitle(ergebnis_.code));
    dialoge().message(titel, QString::fromStdString(ergebnis_.meldung));
}

}  // namespace plv7::gui
