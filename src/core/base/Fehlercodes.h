#pragma once

// Every code the program's own modules report, in one list: the thousands are the error
// class (its text comes from ORV_errorV3ibox), the last three digits number the place that
// reports it, once across the program. A new place takes a number no line here has.

// ini/SettingsTags
namespace plv7::settings {
// Codes of the settings file: it cannot be read at start-up, or not written at the end.
inline constexpr int kEinstellungenLesenFehler = -801202;
inline constexpr int kEinstellungenSchreibenFehler = -800203;
}  // namespace plv7::settings

// Commands a window refuses because no serial port is open
namespace plv7 {
inline constexpr int kIdLesenOhnePort = -122232;
inline constexpr int kScanOhnePort = -122233;
inline constexpr int kStartOhnePort = -122234;
inline constexpr int kStoppOhnePort = -122235;
inline constexpr int kAusgangOhnePort = -122303;
}  // namespace plv7

// konfig/KonfigDatei
namespace plv7::konfig_datei {
inline constexpr int kFehlerSpeichernOeffnen = -308261;
inline constexpr int kFehlerSpeichernSchreiben = -301262;
inline constexpr int kFehlerLadenOeffnen = -308263;
inline constexpr int kFehlerLadenLesen = -304264;
inline constexpr int kFehlerKeineKonfigDatei = -1021265;
inline constexpr int kFehlerFalscheVersion = -303266;
}  // namespace plv7::konfig_datei

// direkt/Abtastpipeline
namespace plv7::direkt {
inline constexpr int kFehlerAnfrageOhnePort = -122315;
inline constexpr int kFehlerEmpfangOhnePort = -122301;
}  // namespace plv7::direkt

// direkt/Protokoll
namespace plv7::direkt {
// Codes of the text-file log. The file dialog's failure is the window's.
inline constexpr int kFehlerDateiauswahl = -317305;
inline constexpr int kFehlerOeffnen = -308306;
inline constexpr int kFehlerStartzeile = -301307;
inline constexpr int kFehlerEingangsbereiche = -301308;
inline constexpr int kFehlerAusgangsbereiche = -301309;
inline constexpr int kFehlerSpaltenkopf = -301310;
inline constexpr int kFehlerZeitspalten = -301311;
inline constexpr int kFehlerEingangsspalten = -301312;
inline constexpr int kFehlerAusgangsspalten = -301313;
inline constexpr int kFehlerText = -301314;
}  // namespace plv7::direkt

// kurven/KurvenUebertragung
namespace plv7::kurven::uebertragung {
inline constexpr int kFehlerKeinPortLesen = -122418;
inline constexpr int kFehlerKeinPortSenden = -122419;
inline constexpr int kFehlerKeinPortBlock = -122420;
inline constexpr int kFehlerKeineKurven = -1018404;
inline constexpr int kFehlerKeineKurvenBlock = -1018421;
}  // namespace plv7::kurven::uebertragung

// kurven/Speicherabbild
namespace plv7::kurven::abbild {
// Sending: a point, cycle count or rest value that the image cannot carry as it is.
inline constexpr int kFehlerDatenUngueltig = -1022422;

inline constexpr int kFehlerPruefsumme = -897407;
inline constexpr int kFehlerStartUngueltig = -1019408;
inline constexpr int kFehlerEndeUngueltig = -1019409;
inline constexpr int kFehlerSatzUnvollstaendig = -1019411;
inline constexpr int kFehlerZeitbasis = -1019412;
inline constexpr int kFehlerSatzart = -1019413;
inline constexpr int kFehlerFolgewertFehlt = -1019415;
}  // namespace plv7::kurven::abbild

// kurven/KurvenDatei
namespace plv7::kurven::kurven_datei {
inline constexpr int kFehlerSpeichernOeffnen = -308422;
inline constexpr int kFehlerSpeichernSchreiben = -301423;
inline constexpr int kFehlerLadenOeffnen = -308425;
inline constexpr int kFehlerKopfKurz = -304426;
inline constexpr int kFehlerKeineKurvendatei = -1020427;
inline constexpr int kFehlerFalscheVersion = -303428;
inline constexpr int kFehlerPunktanzahl = -600429;
}  // namespace plv7::kurven::kurven_datei

// kurven/KurvenText
namespace plv7::kurven::kurven_text {
inline constexpr int kFehlerExportOeffnen = -308431;
inline constexpr int kFehlerExportSchreiben = -301432;
inline constexpr int kFehlerImportOeffnen = -308435;
inline constexpr int kFehlerImportLesen = -304436;
inline constexpr int kFehlerWerte = -312437;
inline constexpr int kFehlerKurvennummer = -312438;
inline constexpr int kFehlerNichtZusammenhaengend = -312439;
inline constexpr int kFehlerZeitbasis = -312441;
inline constexpr int kFehlerWertBereich = -312442;
inline constexpr int kFehlerStartNichtNull = -312443;
inline constexpr int kFehlerZeitNichtFortlaufend = -312444;
inline constexpr int kFehlerAbschnittZuLang = -312445;
inline constexpr int kFehlerZeitbasisRaster = -312446;
inline constexpr int kFehlerAbschnittNull = -312447;
inline constexpr int kFehlerKeineDaten = -312448;
}  // namespace plv7::kurven::kurven_text

// kurven/Kurvenfunktion
namespace plv7::kurven::kurvenfunktion {
// A parameter the function cannot have (period, periods, duty cycle, amplitude, tolerance).
inline constexpr int kFehlerParameter = -401450;
// Values the output channel cannot give.
inline constexpr int kFehlerBereich = -500451;
// The period is shorter than four ticks of every time base that was asked for.
inline constexpr int kFehlerPeriodeZuKurz = -401452;
}  // namespace plv7::kurven::kurvenfunktion

// kurven/Aufzeichnung
namespace plv7::kurven::aufzeichnung {
inline constexpr int kFehlerOeffnen = -308453;
inline constexpr int kFehlerLesen = -304454;
// A line that is not what the log writer writes there; the message names the line.
inline constexpr int kFehlerZeile = -312455;
// No acquisition in the file, or none with samples where samples are needed.
inline constexpr int kFehlerKeineDaten = -312456;
}  // namespace plv7::kurven::aufzeichnung

// kennlinien/Kennlinienblock
namespace plv7::kennlinien::kennlinien_block {
inline constexpr int kFehlerZuVielePunkte = -1023504;
inline constexpr int kFehlerXUngueltig = -1022505;
inline constexpr int kFehlerYUngueltig = -1022506;
inline constexpr int kFehlerAnzahl = -1011507;
inline constexpr int kFehlerBlockZuLang = -1019530;
inline constexpr int kFehlerErstesX = -1019532;
inline constexpr int kFehlerXNichtSteigend = -1019533;
}  // namespace plv7::kennlinien::kennlinien_block

// kennlinien/KennlinienUebertragung
namespace plv7::kennlinien::kennlinien_uebertragung {
inline constexpr int kFehlerKurvenNrSchreiben = -1024508;
inline constexpr int kFehlerKeinPortInit = -122509;
inline constexpr int kFehlerKeinPortModus = -122511;
inline constexpr int kFehlerKeinPortSchreiben = -122512;
inline constexpr int kFehlerKurvenNrLesen = -1024513;
inline constexpr int kFehlerKeineKennlinien = -1026514;
inline constexpr int kFehlerPruefsumme = -897517;
inline constexpr int kFehlerAusgang2 = -1019518;
inline constexpr int kFehlerKeinPortLesen = -122528;
inline constexpr int kFehlerKeineKennlinienMehr = -1026529;
inline constexpr int kFehlerKeinPortAuswahl = -122550;
}  // namespace plv7::kennlinien::kennlinien_uebertragung

// kennlinien/KennlinienDatei
namespace plv7::kennlinien::kennlinien_datei {
inline constexpr int kFehlerSpeichernOeffnen = -308519;
inline constexpr int kFehlerSpeichernKopf = -301520;
inline constexpr int kFehlerLadenOeffnen = -308522;
inline constexpr int kFehlerLadenLesen = -304523;
inline constexpr int kFehlerKeineKennliniendatei = -1025524;
inline constexpr int kFehlerFalscheVersion = -303525;
inline constexpr int kFehlerPunktespeicher = -600526;
// Points that no characteristic can have (an output outside 0..4095, a line shorter than one
// unit): the file is corrupt, and loading it would hand the editor and the box a
// characteristic they cannot work with.
inline constexpr int kFehlerPunkteUngueltig = -312551;
}  // namespace plv7::kennlinien::kennlinien_datei

// kennlinien/KennlinienText
namespace plv7::kennlinien::kennlinien_text {
inline constexpr int kFehlerExportOeffnen = -308535;
inline constexpr int kFehlerExportSchreiben = -301536;
inline constexpr int kFehlerImportOeffnen = -308539;
inline constexpr int kFehlerImportLesen = -304540;
inline constexpr int kFehlerWerte = -312541;
inline constexpr int kFehlerYBereich = -312543;
inline constexpr int kFehlerXBereich = -312544;
inline constexpr int kFehlerNichtBeiNull = -312545;
inline constexpr int kFehlerNichtFortlaufend = -312546;
inline constexpr int kFehlerAbstandNull = -312547;
inline constexpr int kFehlerKeineDaten = -312548;
}  // namespace plv7::kennlinien::kennlinien_text

// kennlinien/KennlinienTabelle
namespace plv7::kennlinien::tabelle {
inline constexpr int kFehlerOeffnen = -308552;
inline constexpr int kFehlerLesen = -304553;
inline constexpr int kFehlerZeile = -312554;
inline constexpr int kFehlerXNichtSteigend = -312555;
inline constexpr int kFehlerXBereich = -312556;
inline constexpr int kFehlerYBereich = -312557;
inline constexpr int kFehlerKeineDaten = -312558;
inline constexpr int kFehlerZuVielePunkte = -1011559;
inline constexpr int kFehlerSkalierung = -510560;
inline constexpr int kFehlerZuGross = -312561;
}  // namespace plv7::kennlinien::tabelle
