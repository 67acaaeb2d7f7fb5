#include "kurven/AufzeichnungDialog.h"

#include <QComboBox>
#include <QLabel>

#include "base/NumberText.h"
#include "base/ORV_errorV3ibox.h"
#include "base/Windows1252.h"
#include "common/Zahlenfeld.h"
#include "hilfe/Dialoge.h"
#include "kurven/Dialogformular.h"
#include "kurven/Speicherabbild.h"
#include "kurven/Zeitbasis.h"

namespace plv7::gui {

using namespace plv7::kurven;

namespace {

// Units in the log and in the scaling are the files' Windows-1252 bytes.
QString ausDatei(std::string_view text) {
    return QString::fromStdString(cp1252::toUtf8(text));
}

QString ausgangEinheit(int kurve) {
    return ausDatei(EinheitText(gKonfig.outeinheit[static_cast<std::size_t>(kurve)]));
}

QComboBox* liste(QDialog* d, const char* name) {
    auto* l = new QComboBox(d);
    l->setObjectName(QStringLiteral("KAUFZEICHNUNGPNL_") + QLatin1String(name));
    return l;
}

}  // namespace

AufzeichnungDialog::AufzeichnungDialog(QWidget* parent, Aufzeichnung log, const QString& dateiname,
                                       const Kurvenmodell& modell)
    : QDialog(parent), log_(std::move(log)), modell_(modell) {
    Dialogformular formular(this, QStringLiteral("KAUFZEICHNUNGPNL"));
    setWindowTitle(QStringLiteral("Aufzeichnung übernehmen"));
    erfassung_ = liste(this, "ERFASSUNG");
    for (std::size_t i = 0; i < log_.erfassungen.size(); ++i) {
        const Erfassung& e = log_.erfassungen[i];
        const QString art = e.einzelbild ? QStringLiteral("Einzelbild") : QString();
        erfassung_->addItem(QStringLiteral("%1: %2 %3, %4 Messwerte %5")
                                .arg(i + 1)
                                .arg(QString::fromStdString(e.datum))
                                .arg(QString::fromStdString(e.uhrzeit))
                                .arg(e.zeilen.size())
                                .arg(art)
                                .trimmed());
    }
    erfassung_->setCurrentIndex(erfassung_->count() - 1);
    spalte_ = liste(this, "SPALTE");
    for (std::size_t s = 0; s < aufzeichnung::kSpalten; ++s)
        spalte_->addItem(ausDatei(SpaltenName(s)));
    kurve_ = liste(this, "KURVE");
    for (int k = 1; k <= kKurvenAnzahl; ++k) kurve_->addItem(QStringLiteral("Kurve %1").arg(k));
    kurve_->setCurrentIndex(modell.aktuelleKurve);
    zeitbasis_ = liste(this, "ZEITBASIS");
    zeitbasenEintragen(zeitbasis_);
    toleranz_ = new Zahlenfeld(QStringLiteral("KAUFZEICHNUNGPNL_TOLERANZ"), 1, 0.5, this);
    toleranz_->setRange(aufzeichnung::kToleranzMin, kWertMax);
    toleranz_->setValue(aufzeichnung::kToleranzStandard);
    ergebnisText_ = formular.ergebnis();

    formular.zeile(dateiname);
    formular.reihe(QStringLiteral("Datenerfassung"), erfassung_);
    formular.reihe(QStringLiteral("Spalte"), spalte_);
    formular.reihe(QStringLiteral("Übernehmen in"), kurve_);
    formular.reihe(QStringLiteral("Zeitbasis"), zeitbasis_);
    formular.reihe(QStringLiteral("Toleranz"), toleranz_, QStringLiteral("Codes"));
    formular.abschliessen();

    for (QComboBox* l : {erfassung_, spalte_, kurve_, zeitbasis_})
        connect(l, &QComboBox::currentIndexChanged, this, [this] { berechnen(); });
    connect(erfassung_, &QComboBox::currentIndexChanged, this, [this] { spaltenBeschriften(); });
    connect(toleranz_, &Zahlenfeld::valueChanged, this, [this] { berechnen(); });
    spaltenBeschriften();
    berechnen();
}

Uebernahmewahl AufzeichnungDialog::wahl() const {
    Uebernahmewahl w;
    w.erfassung = static_cast<std::size_t>(std::max(erfassung_->currentIndex(), 0));
    w.spalte = static_cast<std::size_t>(std::max(spalte_->currentIndex(), 0));
    w.kurve = std::max(kurve_->currentIndex(), 0);
    w.zeitbasis = zeitbasis_->currentData().toInt();
    w.toleranz = toleranz_->value();
    return w;
}

// Each column with the unit the chosen acquisition gives it.
void AufzeichnungDialog::spaltenBeschriften() {
    const auto i = static_cast<std::size_t>(std::max(erfassung_->currentIndex(), 0));
    if (i >= log_.erfassungen.size()) return;
    for (std::size_t s = 0; s < aufzeichnung::kSpalten; ++s) {
        spalte_->setItemText(static_cast<int>(s), QStringLiteral("%1 [%2]").arg(
                                                      ausDatei(SpaltenName(s)),
                                                      ausDatei(log_.erfassungen[i].einheiten[s])));
    }
}

void AufzeichnungDialog::berechnen() {
    ergebnis_ = AufzeichnungUebernehmen(log_, wahl(), gKonfig, modell_.kurven);
    const bool gut = ergebnis_.code == 0;
    ergebnisText_->setStyleSheet(gut ? QString() : QStringLiteral("color: #C00000;"));
    QString text =
        gut ? ergebnisZeile(ergebnis_.punkte.size(), ergebnis_.zeitbasis, ergebnis_.speicherbedarf)
            : QString::fromStdString(ergebnis_.meldung);
    if (ergebnis_.code == abbild::kPlatzReichtNicht)
        text += QLatin1Char('\n') + QString::fromStdString(VorschlagText(ergebnis_));
    ergebnisText_->setText(text);
}

bool AufzeichnungDialog::einheitenBestaetigt() {
    const Uebernahmewahl w = wahl();
    const Erfassung& e = log_.erfassungen[w.erfassung];
    if (!EinheitenVerschieden(e, w.spalte, gKonfig, w.kurve)) return true;
    const QString spalte = ausDatei(e.einheiten[w.spalte]);
    const QString text =
        QStringLiteral(
            "Die Spalte %1 ist in %2, der Ausgang %3 in %4.\nWerte trotzdem als %4 "
            "übernehmen?")
            .arg(ausDatei(SpaltenName(w.spalte)), spalte)
            .arg(w.kurve + 1)
            .arg(ausgangEinheit(w.kurve));
    return dialoge().question(windowTitle(), text,
                              {QStringLiteral("Übernehmen"), QStringLiteral("Abbrechen")}, 0,
                              1) == 0;
}

// The memory message, then the coarser time base or the tolerance that fits, as buttons that
// set the field; the dialog stays open for the operator to look and press OK again.
void AufzeichnungDialog::vorschlagAnbieten() {
    QStringList knoepfe;
    if (ergebnis_.vorschlagZeitbasis != 0)
        knoepfe << QStringLiteral("Zeitbasis ") +
                       ausDatei(ZeitbasisName(ergebnis_.vorschlagZeitbasis));
    if (ergebnis_.vorschlagToleranz > 0.0)
        knoepfe << QStringLiteral("Toleranz ") +
                       QString::fromStdString(formatFixed(ergebnis_.vorschlagToleranz, 1));
    QString text = QString::fromUtf8(abbild::kPlatzMeldung);
    if (knoepfe.isEmpty()) {
        dialoge().message(windowTitle(), text);
        return;
    }
    text += QStringLiteral("\n\n") + QString::fromStdString(VorschlagText(ergebnis_));
    knoepfe << QStringLiteral("Abbrechen");
    const int wahl = dialoge().question(windowTitle(), text, knoepfe, 0, int(knoepfe.size()) - 1);
    if (wahl == int(knoepfe.size()) - 1) return;
    if (ergebnis_.vorschlagZeitbasis != 0 && wahl == 0) {
        zeitbasis_->setCurrentIndex(zeitbasis_->findData(ergebnis_.vorschlagZeitbasis));
    } else {
        toleranz_->setValue(ergebnis_.vorschlagToleranz);
    }
}

void AufzeichnungDialog::accept() {
    berechnen();
    if (ergebnis_.code == abbild::kPlatzReichtNicht) {
        vorschlagAnbieten();
        return;
    }
    if (ergebnis_.code != 0) {
        dialoge().message(QString::fromStdString(errorBoxTitle(ergebnis_.code)),
                          QString::fromStdString(ergebnis_.meldung));
        return;
    }
    if (!einheitenBestaetigt()) return;
    QDialog::accept();
}

}  // namespace plv7::gui
