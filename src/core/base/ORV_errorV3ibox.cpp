#include "base/ORV_errorV3ibox.h"

#include "base/Fehlergrund.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

struct Message {
    int errorClass;
    const char* german;
    const char* english;
};

// One row per class the program produces. Classes without a row get the unknown-error text.
constexpr Message kMessages[] = {
    {0, "Es ist kein Fehler aufgetreten", "No error"},
    {-6, "", ""},
    {-100, "Fehler beim öffnen der seriellen Schnittstelle", "Error opening com-port"},
    {-101, "Fehler beim schreiben auf die serielle Schnittstelle", "Error writing to COM Port"},
    {-103, "Fehler beim schliesen der seriellen Schnittstelle", "Error closing com-port"},
    {-111, "Konnte kein Timeout für die serielle Schnittstelle setzten",
     "Unable to set com-port timeout"},
    {-112, "Fehler beim Leeren des Schreib- oder Leesepuffers der seriellen Schnittstelle",
     "Error flushing read- or writebuffer for com-port"},
    {-114,
     "Keine oder nicht alle Zeichen konnten auf die serielle Schnittstelle geschrieben werden",
     "Was not able to write any or all characters to a com-port"},
    {-122, "Serielle Schnittstelle ist nicht geöffnet", "COM-port not open"},
    {-123, "Fehler beim Leeren des Schreibpuffers der seriellen Schnittstelle",
     "Error flushing writebuffer of com-port"},
    {-124, "Fehler beim Leeren des Lesepuffers der seriellen Schnittstelle",
     "Error flushing readbuffer of com-port"},
    {-125, "Unzulässige Baudrate", "Invalid Baudrate"},
    {-202, "Fehler beim Formatieren der Werte", "Error formating values"},
    {-301, "Fehler beim Schreiben auf Datei", "Error writing to file"},
    {-303, "Die Datei hat die falsche Versionsnummer", "Wrong fileversion"},
    {-304, "Fehler beim Lesen der Datei", "Error reading from file"},
    {-308, "Fehler beim Öffnen der Datei", "Error opening file"},
    {-312, "Aus Datei gelesene Daten haben nicht das erwartete Format",
     "Data read from a File does not have the expected format"},
    {-317, "Fehler beim Aufrufen des Dateiauswahlfensters", "Error calling the fileselect window"},
    {-400, "Unzulässige Geräteadresse", "invalid deviceaddress"},
    {-401, "Unzulässiger Parameter", "invalid parameter"},
    {-402, "Fehlermeldung (NAK) vom Gerät erhalten", "Errormessage (NAK) received from device"},
    {-403, "Keine Antwort vom Gerät", "No answer from device"},
    {-404, "Fehlerhafte Antwort vom Gerät", "Wrong answer from device"},
    {-405, "Befehlsausführung momentan nicht möglich (CAN erhalten)",
     "Command not possible at the moment (CAN received)"},
    {-406, "Checksummenfehler bei der Übertragung", "Checksumm error at transmission"},
    {-500, "Parameter außerhalb der Grenzwerte", "Parameter out of limits"},
    {-510, "Ungültiger Wert.", "Value invalid."},
    {-600, "Speicherreservierung fehlgeschlagen", "Error allocating memory"},
    {-653, "Toolbar konnte nicht erstellt werden", "Could not create toolbar"},
    {-800, "Fehler beim schreiben in die INI-Datei", "Error writing to INI-File"},
    {-801, "Fehler beim lesen der INI-Datei", "Error reading from INI-File"},
    {-802, "INI-Datei nicht gefunden", "INI-File not found"},
    {-894, "Ungültige Startadresse.", "Invalid startingadress."},
    {-895, "Ungültige Speichergröße.", "Invalid memorysize."},
    {-896, "Ungültiger Speichertyp.", "Invalid memorytype."},
    {-897, "Checksummenfehler im EEPROM Speicher.", "Checksummerror in EEPROM memory."},
    {-1011, "Die Kurve besteht aus zu vielen Datenpunkten.",
     "The graph consists of to many datapoints."},
    {-1018, "Im PLV-7 sind keine Kurven gespeichert.", "There are no curves in PLV-7 memory."},
    {-1019, "Speicherinhalt fehlerhaft.", "memory content incorect."},
    {-1020, "Die Datei ist keine PLV-7 Kurvendatei.", "File is not a PLV-7 Curvefile."},
    {-1021, "Die Datei ist keine PLV-7 Konfigurationsdatei.",
     "File is not a PLV-7 Configurationfile."},
    {-1022, "Die Daten sind fehlerhaft und können nicht zur PLV-7 geschrieben werden.",
     "Data invalid. Can't write to PLV-7."},
    {-1023, "Nicht genug Speicherplatz auf der PLV-7.\nReduzieren Sie die Anzahl der Kurvenpunkte.",
     "Not enought memory in PLV-7.\nReduce amount of datapoints in curve."},
    {-1024, "Kurvennummer ungültig.", "Invalid curvenumber."},
    {-1025, "Die Datei ist keine PLV-7 Kennliniendatei.", "File is not a PLV-7 Curvefile."},
    {-1026, "Im PLV-7 sind keine Kennlinien gespeichert.", "There are no curves in PLV-7 memory."},
};

// Codes whose refusal says more than its class: one row per code, looked up before the class.
struct CodeMessage {
    int code;
    const char* german;
    const char* english;
};

constexpr CodeMessage kCodeMessages[] = {
    // The characteristic from a table ("Tabelle importieren…", plv7ctl characteristic-table).
    {-308552, "Die Tabelle kann nicht geöffnet werden.", "Cannot open the table."},
    {-304553, "Fehler beim Lesen der Tabelle.", "Error reading the table."},
    {-312554, "Eine Zeile der Tabelle enthält nicht zwei Zahlen.",
     "A line of the table does not hold two numbers."},
    {-312555, "Die X-Werte der Tabelle steigen nicht.", "The table's X values do not rise."},
    {-312556, "Ein X-Wert der Tabelle liegt außerhalb des Bereichs von Eingang 2.",
     "An X value of the table lies outside the range of input 2."},
    {-312557, "Ein Y-Wert der Tabelle liegt außerhalb des Bereichs von Ausgang 1.",
     "A Y value of the table lies outside the range of output 1."},
    {-312558, "Die Tabelle enthält keine Zeile mit zwei Zahlen.",
     "The table holds no line of two numbers."},
    {-1011559, "Die Tabelle hat auch ausgedünnt zu viele Punkte für die PLV-7.",
     "Even thinned, the table has too many points for the PLV-7."},
    {-510560,
     "Die Tabelle kann nicht umgerechnet werden: die Skalierung von Eingang 2 oder Ausgang 1 "
     "ist ungültig.",
     "The table cannot be converted: the scaling of input 2 or output 1 is invalid."},
    {-312561, "Die Tabelle ist zu groß.", "The table is too large."},
};

constexpr Message kUnknown = {1, "Ein unbekannter Fehler ist aufgetreten",
                              "A unknown error occured"};

// Class whose message boxes are suppressed.
constexpr int kSilentClass = -6;
constexpr int kEnglish = 2;

int sgSprache = 1;
std::string sgText;
plv7::MessageBoxPresenter sgPresenter;

Message messageFor(int code) {
    for (const CodeMessage& m : kCodeMessages) {
        if (m.code == code) return {ORV_Fehlerklasse(code), m.german, m.english};
    }
    const int errorClass = ORV_Fehlerklasse(code);
    for (const Message& m : kMessages) {
        if (m.errorClass == errorClass) return m;
    }
    return kUnknown;
}

std::string absoluteNumber(int code) {
    // The absolute value as a long long, so the most negative int cannot overflow.
    return std::to_string(std::llabs(static_cast<long long>(code)));
}

void present(const std::string& title, const std::string& text) {
    if (sgPresenter) {
        sgPresenter(title, text);
    } else {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
}

}  // namespace

namespace {

// The class text, and on a paragraph of its own the reason the failure left.
std::string meldungMitGrund(int code) {
    std::string text = ORV_Fehlermeldung(code);
    if (const std::string grund = plv7::fehlergrund(code); !grund.empty()) text += "\n\n" + grund;
    return text;
}

}  // namespace

int ORV_Fehlerklasse(int code) {
    return code / 1000;
}

const char* ORV_Fehlermeldung(int code) {
    const Message m = messageFor(code);
    sgText = sgSprache == kEnglish ? m.english : m.german;
    return sgText.c_str();
}

void ORV_Fehlerpopup(int code) {
    if (ORV_Fehlerklasse(code) == kSilentClass) return;
    const std::string title = plv7::errorBoxTitle(code);
    present(title, meldungMitGrund(code));
}

void ORV_Fehlerpopup2(int code, const char* title) {
    if (ORV_Fehlerklasse(code) == kSilentClass) return;
    present(std::string(title ? title : "") + " #" + absoluteNumber(code), meldungMitGrund(code));
}

int* ORV_Fehlersprache(int language) {
    sgSprache = language;
    return &sgSprache;
}

namespace plv7 {

void setMessageBoxPresenter(MessageBoxPresenter presenter) {
    sgPresenter = std::move(presenter);
}

std::string errorBoxTitle(int code) {
    return (sgSprache == kEnglish ? "Error #" : "Fehler #") + absoluteNumber(code);
}

}  // namespace plv7
