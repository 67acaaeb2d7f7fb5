#include "com/ComPanel.h"
#include "hilfe/Direkthilfe.h"

namespace plv7::gui {
namespace {

constexpr const char* kScanLampText =
    "Das Ergebnis des letzten 'Scann' Befehls für\ndie Geräteadresse 1 bis 8:\ngrau: Kein Gerät "
    "gefunden.\ngrün: PLV-7 gefunden.\nrot: Gerät hat geantwortet, ist aber keine PLV-7.";
constexpr const char* kErrorFieldsText =
    "Zeigt an, ob bei der Datenübertragung zur PLV-7 ein\nFehler aufgetreten ist. Die "
    "Fehleranzeige besteht aus\nFehler-LED, Fehlertext, und Fehlernummer.";
constexpr const char* kStatusLampsText =
    "Eine verkleinerte Darstellung der LED's 'PLV-7 Status'\nund 'PLV-7 Fehler' aus dem Fenster "
    "'COM-Einstellung'.";
constexpr const char* kPictureText =
    "Öffnet bzw. trennt die serielle Verbindung zur PLV-7.\nCOM-Port Nummer und Geräteadresse "
    "müssen im\nFenster 'COM-Einstellung' eingestellt werden.";
constexpr const char* kStartText = "Sendet den Start-Befehl zur PLV-7.";
constexpr const char* kStoppText = "Sendet den Stopp-Befehl zur PLV-7.";
constexpr const char* kBaudMenuText = "Stellt die Baudrate an der PLV-7 um.";

void add(const QString& name, const char* text) {
    Direkthilfe::instance().addText(name, QString::fromUtf8(text));
}

}  // namespace

void ComHilfetexteEintragen() {
    add(QStringLiteral("COMPNL_ZURUECK"), "Zurück zum Hauptfenster.");
    add(QStringLiteral("COMPNL_PORT"),
        "Die Serielle Schnittstelle, an die die PLV-7\nangeschlossen ist.");
    add(QStringLiteral("COMPNL_GERAET"),
        "Das Gerät, für das der COM-Port steht: die serielle\nSchnittstelle des PCs oder ein "
        "USB-Adapter.\nEin Adapter mit Seriennummer wird auch nach dem\nUmstecken wiedergefunden.");
    add(QStringLiteral("COMPNL_BAUDRATE"), "Stellt die Baudrate der Seriellen\nSchnittstelle in.");
    add(QStringLiteral("COMPNL_ADRESSE"),
        "Die Geräteadresse des angeschlossenen\nPLV-7 Geräts (ist normalerweise 1).");
    add(QStringLiteral("COMPNL_IDLESEN"), "Ließt die Gerätekennung von der PLV-7.");
    add(QStringLiteral("COMPNL_SCANN"),
        "Durchsucht die geöffnete serielle Schnittstelle\nnach PLV-7 Geräten. Das Ergebnis wird "
        "mit den LED's\n1 bis 8 dargestellt.");
    for (int led = 1; led <= 8; ++led) add(QStringLiteral("COMPNL_LED%1").arg(led), kScanLampText);
    add(QStringLiteral("COMPNL_IDSTRING"),
        "Die Gerätekennung, mit der die PLV-7 auf\nden 'ID-lesen' Befehl geantwortet hat\n(enthält "
        "Gerätekennung und Versionsnummer).");

    for (const char* panel : {"COMPNL", "DIREKTPNL", "KURVENPNL", "KENNLPNL"}) {
        for (const char* field : {"_FEHLERLED", "_FEHLERSTRING", "_FEHLERNR"}) {
            add(QLatin1String(panel) + QLatin1String(field), kErrorFieldsText);
        }
    }
    for (const char* panel : {"MAINPANEL", "KURVENPNL", "KENNLPNL"}) {
        for (int bit = 0; bit < 4; ++bit) {
            add(QLatin1String(panel) + QStringLiteral("_LED_STATUS%1").arg(bit), kStatusLampsText);
        }
        for (int bit = 0; bit < 5; ++bit) {
            add(QLatin1String(panel) + QStringLiteral("_LED_FEHLER%1").arg(bit), kStatusLampsText);
        }
    }
    for (const char* panel :
         {"MAINPANEL", "COMPNL", "KONFIGPNL", "DIREKTPNL", "KURVENPNL", "KENNLPNL"}) {
        add(QLatin1String(panel) + QLatin1String("_PICTURERING"), kPictureText);
    }
    for (const char* panel : {"KURVENPNL", "KENNLPNL"}) {
        add(QLatin1String(panel) + QLatin1String("_START"), kStartText);
        add(QLatin1String(panel) + QLatin1String("_STOPP"), kStoppText);
    }
    for (long baud : {9600L, 19200L, 38400L, 57600L, 115200L}) {
        add(QStringLiteral("BAUD%1").arg(baud), kBaudMenuText);
    }
}

}  // namespace plv7::gui
