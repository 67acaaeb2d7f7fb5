#include "kennlinien/KennlinienBedienung.h"

#include <QDir>
#include <QFile>
#include <memory>

#include "base/ORV_errorV3ibox.h"
#include "com/ComPort.h"
#include "common/Aenderungsfrage.h"
#include "common/Dateiwahl.h"
#include "common/ErrorIndicator.h"
#include "common/Fortschrittsdialog.h"
#include "hilfe/Dialoge.h"
#include "kennlinien/KennlinienDatei.h"
#include "kennlinien/KennlinienText.h"
#include "kennlinien/KennlinienUebertragung.h"

namespace plv7::gui {

using namespace kennlinien;
namespace {

QString dateiname(const std::filesystem::path& pfad) {
    return QFile::decodeName(QByteArray::fromStdString(pfad.filename().string()));
}

Dateiwahl waehlen(const char* titel, const char* muster, bool speichern, int fehlercode) {
    return dateiWaehlen(
        {QString::fromUtf8(titel), QLatin1String(muster), speichern, QDir::currentPath()},
        fehlercode);
}

}  // namespace

KennlinienBedienung::KennlinienBedienung(KennlinienZustand& zustand, QWidget* fenster)
    : zustand_(zustand), fenster_(fenster) {}

QString KennlinienBedienung::titel() const {
    return QString::fromStdString(KennlinienTitel(zustand_.pfad));
}

int KennlinienBedienung::AbbruchWeilKennlinieNichtGespeichert() {
    const QString name =
        zustand_.pfad.empty() ? QStringLiteral("Kennlinienregler") : dateiname(zustand_.pfad);
    return abbruchWeilNichtGespeichert(zustand_.geaendert, name, [this](bool& abgebrochen) {
        return speichern(false, abgebrochen);
    });
}

int KennlinienBedienung::neu() {
    if (AbbruchWeilKennlinieNichtGespeichert() != 0) return 0;
    KennlinieNeu(zustand_, gKonfig);
    return 0;
}

int KennlinienBedienung::laden() {
    if (AbbruchWeilKennlinieNichtGespeichert() != 0) return 0;
    const auto wahl =
        waehlen("Kennlinie laden", "*.ple", false, kennlinien_datei::kFehlerLadenOeffnen);
    if (!wahl.pfad) return wahl.code;
    const auto& pfad = *wahl.pfad;
    KennlinienDateiInhalt datei;
    if (const int code = KennlinieLaden(pfad, zustand_, gKonfig, datei); code != 0) return code;
    if (datei.unvollstaendig) {
        dialoge().message(QStringLiteral("Kennlinie laden"),
                          QString::fromStdString(KennlinienDateiUnvollstaendigText(pfad)));
    }
    gespeicherteKonfigurationAnbieten(
        datei.konfig,
        QStringLiteral("Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\n"
                       "Kennlinie unterscheidet sich von der aktuellen Konfiguration.\n"
                       "Soll die Konfiguration zusammen mit der Kennlinie geladen werden\n"
                       "oder soll die aktuelle Konfiguration behalten werden?"));
    return 0;
}

int KennlinienBedienung::speichern(bool dialogErzwingen) {
    bool abgebrochen = false;
    return speichern(dialogErzwingen, abgebrochen);
}

int KennlinienBedienung::speichern(bool dialogErzwingen, bool& abgebrochen) {
    abgebrochen = false;
    std::filesystem::path pfad = zustand_.pfad;
    if (dialogErzwingen || pfad.empty()) {
        const auto wahl = waehlen("Kennlinie speichern", "*.ple", true,
                                  kennlinien_datei::kFehlerSpeichernOeffnen);
        abgebrochen = wahl.abgebrochen();
        if (!wahl.pfad) return wahl.code;
        pfad = *wahl.pfad;
    }
    return KennlinieSpeichern(pfad, zustand_, gKonfig);
}

int KennlinienBedienung::importieren() {
    const auto wahl =
        waehlen("Kennlinie importieren", "*.txt", false, kennlinien_text::kFehlerImportOeffnen);
    if (!wahl.pfad) return wahl.code;
    std::vector<Kennlinienpunkt> punkte;
    std::string meldung;
    if (const int code = KennlinieImportieren(*wahl.pfad, punkte, meldung)) {
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
    const auto wahl =
        waehlen("Kennlinie exportieren", "*.txt", true, kennlinien_text::kFehlerExportOeffnen);
    if (!wahl.pfad) return wahl.code;
    return KennlinieExportieren(*wahl.pfad, zustand_.kennlinie);
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
    Fortschrittsdialog dialog(fenster_);
    return KennlinieSchreiben(geraet(&dialog), zustand_, kurvenNr, gKonfig);
}

int KennlinienBedienung::lesen(int kurvenNr) {
    Fortschrittsdialog dialog(fenster_);
    const int code = KennlinieLesen(geraet(&dialog), kurvenNr, zustand_, gKonfig);
    zustand_.pfad.clear();
    return code;
}

void KennlinienBedienung::auswaehlen(int kurvenNr) {
    KennlinieAuswaehlen(geraet(nullptr), kurvenNr);
}

}  // namespace plv7::gui
