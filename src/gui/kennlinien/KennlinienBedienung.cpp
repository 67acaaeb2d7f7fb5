#include "kennlinien/KennlinienBedienung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <memory>

#include "base/ORV_errorV3ibox.h"
#include "com/ComPort.h"
#include "common/ErrorIndicator.h"
#include "hilfe/Dialoge.h"
#include "kennlinien/KennlinienDatei.h"
#include "kennlinien/KennlinienText.h"
#include "kennlinien/KennlinienUebertragung.h"

namespace plv7::gui {
namespace {

using Result = Dialoge::FileAnswer::Result;

std::filesystem::path dateiPfad(const QString& pfad) {
    return std::filesystem::path(QFile::encodeName(pfad).toStdString());
}

QString dateiname(const std::filesystem::path& pfad) {
    return QFile::decodeName(QByteArray::fromStdString(pfad.filename().string()));
}

Dialoge::FileAnswer dateiWaehlen(const char* titel, const char* muster, bool speichern) {
    return dialoge().file(
        {QString::fromUtf8(titel), QLatin1String(muster), speichern, QDir::currentPath()});
}

// The modal progress dialog of a transfer; without a cancel button.
class Fortschrittsdialog : public Fortschritt {
public:
    explicit Fortschrittsdialog(QWidget* fenster) : fenster_(fenster) {}

    void oeffnen(std::string_view titel) override {
        const QString text = QString::fromUtf8(titel.data(), static_cast<qsizetype>(titel.size()));
        dialog_ = std::make_unique<QProgressDialog>(text, QString(), 0, 100, fenster_);
        dialog_->setObjectName(QStringLiteral("FORTSCHRITT"));
        dialog_->setWindowTitle(text);
        dialog_->setCancelButton(nullptr);
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setValue(0);
        dialog_->show();
        QCoreApplication::processEvents();
    }
    void setzen(int prozent) override {
        // A modal dialog paints itself and the window behind it on every new value.
        if (dialog_) dialog_->setValue(prozent);
    }
    void schliessen() override { dialog_.reset(); }

private:
    QWidget* fenster_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace

KennlinienBedienung::KennlinienBedienung(KennlinienZustand& zustand, QWidget* fenster)
    : zustand_(zustand), fenster_(fenster) {}

QString KennlinienBedienung::titel() const {
    return QString::fromStdString(KennlinienTitel(zustand_.pfad));
}

int KennlinienBedienung::AbbruchWeilKennlinieNichtGespeichert() {
    if (!zustand_.geaendert) return 0;
    enum { kJa, kNein, kAbbrechen };
    const QString name =
        zustand_.pfad.empty() ? QStringLiteral("Kennlinienregler") : dateiname(zustand_.pfad);
    const int antwort = dialoge().question(
        QStringLiteral("Warnung"),
        QStringLiteral("Möchten Sie die Änderungen in %1 speichern?").arg(name),
        {QStringLiteral("Ja"), QStringLiteral("Nein"), QStringLiteral("Abbrechen")}, kAbbrechen,
        kAbbrechen);
    if (antwort == kNein) return 0;
    if (antwort != kJa) return 1;
    // A cancelled save dialog goes on without saving, as the operator chose "Ja" only to
    // be asked where.
    if (const int code = speichern(false); code != 0) {
        ORV_Fehlerpopup(code);
        return 1;
    }
    return 0;
}

int KennlinienBedienung::neu() {
    if (AbbruchWeilKennlinieNichtGespeichert() != 0) return 0;
    KennlinieNeu(zustand_, gKonfig);
    return 0;
}

int KennlinienBedienung::laden() {
    if (AbbruchWeilKennlinieNichtGespeichert() != 0) return 0;
    const auto antwort = dateiWaehlen("Kennlinie laden", "*.ple", false);
    if (antwort.result == Result::Cancelled) return 0;
    if (antwort.result == Result::Failed) return kennlinien_datei::kFehlerLadenOeffnen;
    const auto pfad = dateiPfad(antwort.path);
    KennlinienDateiInhalt datei;
    if (const int code = KennlinieLaden(pfad, zustand_, gKonfig, datei); code != 0) return code;
    if (datei.unvollstaendig) {
        dialoge().message(QStringLiteral("Kennlinie laden"),
                          QString::fromStdString(KennlinienDateiUnvollstaendigText(pfad)));
    }
    if (KonfigurationenVergleichen(datei.konfig, gKonfig) == 0) {
        enum { kLaden, kNichtLaden };
        const int wahl = dialoge().question(
            QStringLiteral("Konfiguration laden?"),
            QStringLiteral("Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\n"
                           "Kennlinie unterscheidet sich von der aktuellen Konfiguration.\n"
                           "Soll die Konfiguration zusammen mit der Kennlinie geladen werden\n"
                           "oder soll die aktuelle Konfiguration behalten werden?"),
            {QStringLiteral("laden"), QStringLiteral("nicht laden")}, kLaden, kNichtLaden);
        if (wahl == kLaden) KonfigurationSetzen(datei.konfig);
    }
    return 0;
}

int KennlinienBedienung::speichern(bool dialogErzwingen) {
    std::filesystem::path pfad = zustand_.pfad;
    if (dialogErzwingen || pfad.empty()) {
        const auto antwort = dateiWaehlen("Kennlinie speichern", "*.ple", true);
        if (antwort.result == Result::Cancelled) return 0;
        if (antwort.result == Result::Failed) return kennlinien_datei::kFehlerSpeichernOeffnen;
        pfad = dateiPfad(antwort.path);
    }
    return KennlinieSpeichern(pfad, zustand_, gKonfig);
}

int KennlinienBedienung::importieren() {
    const auto antwort = dateiWaehlen("Kennlinie importieren", "*.txt", false);
    if (antwort.result == Result::Cancelled) return 0;
    if (antwort.result == Result::Failed) return kennlinien_text::kFehlerImportOeffnen;
    std::vector<Kennlinienpunkt> punkte;
    std::string meldung;
    if (const int code = KennlinieImportieren(dateiPfad(antwort.path), punkte, meldung)) {
        if (!meldung.empty()) {
            dialoge().message(QString::fromUtf8(kennlinien_text::kMeldungstitel.data()),
                              QString::fromStdString(meldung));
        }
        return code;
    }
    punkteUebernehmen(std::move(punkte));
    return 0;
}

void KennlinienBedienung::punkteUebernehmen(std::vector<Kennlinienpunkt> punkte) {
    if (vorAenderung_) vorAenderung_();
    zustand_.geaendert = true;
    zustand_.kennlinie.punkte = std::move(punkte);
}

int KennlinienBedienung::exportieren() {
    const auto antwort = dateiWaehlen("Kennlinie exportieren", "*.txt", true);
    if (antwort.result == Result::Cancelled) return 0;
    if (antwort.result == Result::Failed) return kennlinien_text::kFehlerExportOeffnen;
    return KennlinieExportieren(dateiPfad(antwort.path), zustand_.kennlinie);
}

namespace {

KennlinienGeraet geraet(Fortschritt* fortschritt) {
    KennlinienGeraet g;
    g.port = OffenerComPort();
    g.adresse = ComAdresse();
    g.fehlerAnzeigen = ComFehlerSetzen;
    g.fortschritt = fortschritt;
    return g;
}

}  // namespace

int KennlinienBedienung::schreiben(int kurvenNr) {
    const ComLeitungBelegt belegt;
    Fortschrittsdialog dialog(fenster_);
    return KennlinieSchreiben(geraet(&dialog), zustand_, kurvenNr, gKonfig);
}

int KennlinienBedienung::lesen(int kurvenNr) {
    const ComLeitungBelegt belegt;
    Fortschrittsdialog dialog(fenster_);
    const int code = KennlinieLesen(geraet(&dialog), kurvenNr, zustand_, gKonfig);
    zustand_.pfad.clear();
    return code;
}

void KennlinienBedienung::auswaehlen(int kurvenNr) {
    KennlinieAuswaehlen(geraet(nullptr), kurvenNr);
}

}  // namespace plv7::gui
