#pragma once

#include <QString>

// The configuration window's operator texts.
namespace plv7::gui::konfig_texte {

inline const QString kTitel = QStringLiteral("Skalierung");
inline const QString kUeberschriftAusgaenge = QStringLiteral("Skalierung der Ausgänge");
inline const QString kUeberschriftEingaenge = QStringLiteral("Skalierung der Eingänge");
inline const QString kHinweis = QStringLiteral(
    "Alle Angaben dienen dazu, die Ein-/Ausgänge\nder PLV-7 in andere Größen umzurechnen.");
inline const QString kBereichAusgaenge = QStringLiteral("PLV-7 Ausgänge");
inline const QString kBereichEingaenge = QStringLiteral("PLV-7 Eingänge");
inline const QString kAusgangVon = QStringLiteral("PLV-7 Ausgang %1 von");
inline const QString kEingangVon = QStringLiteral("PLV-7 Eingang %1 von");
inline const QString kBis = QStringLiteral("bis");
inline const QString kUmgerechnet = QStringLiteral("V wird umgerechnet in");
inline const QString kEinheit = QStringLiteral("(Einheit)");
inline const QString kStandardwerte = QStringLiteral("auf Standardwerte zurücksetzen");
inline const QString kZurueck = QStringLiteral("Zurück");

inline const QString kFrageTitel = QStringLiteral("Werte zurücksetzen");
inline const QString kFrageText =
    QStringLiteral("Wollen Sie alle Werte löschen und\nauf Standardwerte zurücksetzen?");
inline const QString kJa = QStringLiteral("Ja");
inline const QString kNein = QStringLiteral("Nein");

inline const QString kMenuDatei = QStringLiteral("Datei");
inline const QString kMenuLaden = QStringLiteral("Konfigurationsdatei laden");
inline const QString kMenuSpeichern = QStringLiteral("Konfigurationsdatei speichern");
inline const QString kDialogSpeichern = QStringLiteral("Konfiguration speichern");
inline const QString kDialogLaden = QStringLiteral("Konfiguration laden");
inline const QString kDateiMuster = QStringLiteral("*.plo");

// Marks of a channel or range the conversions cannot use.
inline const QString kGleicheSpannungen =
    QStringLiteral("Ungültige Skalierung: die beiden Spannungen sind gleich");
inline const QString kGleicheWerte =
    QStringLiteral("Ungültige Skalierung: die beiden Werte sind gleich");
inline const QString kKeineZahl =
    QStringLiteral("Ungültige Skalierung: ein Wert ist keine gültige Zahl");
inline const QString kUngueltig = QStringLiteral("ungültig");
inline const QString kBereichUngueltig =
    QStringLiteral("Ungültiger Spannungsbereich: die Umrechnung der Codes ist nicht möglich");

// Direct-help texts.
inline const QString kHilfeAusgangsbereich = QStringLiteral(
    "Die PLV-7 Box ist mit 0-10V oder 0-4V Ausgängen erhältlich\n(unterschiedliche Hardware). "
    "Welche Box benutzt wird, muß\nhier eingestellt werden.");
inline const QString kHilfeEingangsbereich = QStringLiteral(
    "Die PLV-7 Box ist mit 0-10V oder 0-4V Eingängen erhältlich\n(unterschiedliche Hardware). "
    "Welche Box benutzt wird, muß\nhier eingestellt werden.");
inline const QString kHilfeEinheitOut =
    QStringLiteral("Die Bezeichnung der Einheit für die Ausgangsgröße.");
inline const QString kHilfeEinheitIn =
    QStringLiteral("Die Bezeichnung der Einheit für die Eingangsgröße.");
inline const QString kHilfeZahlenOut = QStringLiteral(
    "Die Spannungen der Ausgänge der PLV-7 können innerhalb von \nPLV7-Steuerung in andere "
    "physikalische Größen umgerechnet \nwerden. Das ist nützlich, wenn mit der PLV-7 ein anderes "
    "Gerät \ngesteuert wird.\nBeispiel:\nWenn an Ausgang 1 ein 0-60 Volt Netzgerät angeschlossen "
    "ist, das \neine Steuerspannung von 0-5 Volt erwartet, so muß für Ausgang 1 \nfolgendes "
    "eingestellt werden:\n'Ausgang 1 von 0.0 bis 5.0 V wird umgerechnet in 0.000 bis 60.000 V'");
inline const QString kHilfeZahlenIn = QStringLiteral(
    "Die Spannungen der Eingänge der PLV-7 können innerhalb von \nPLV7-Steuerung in andere "
    "physikalische Größen umgerechnet \nwerden. Das ist nützlich, wenn mit der PLV-7 z.B. ein "
    "Sensor \nabgefragt wird.\nBeispiel:\nWenn an Eingang 1 ein 0-1000 mBar Drucksensor "
    "angeschlossen ist, \nder eine Ausgangsspannung von 1-6 Volt liefert, so muß für Eingang 1 "
    "\nfolgendes eingestellt werden:\n'Eingang 1 von 1.0 bis 6.0 V wird umgerechnet in 0.000 bis "
    "1000.000 mBar'");
inline const QString kHilfeStandardwerte =
    QStringLiteral("Setzt alle Eingabefelder auf die Standardwerte\n( 0 bis 10V ) zurück.");
inline const QString kHilfeZurueck = QStringLiteral("Zurück zum Hauptfenster.");

}  // namespace plv7::gui::konfig_texte
