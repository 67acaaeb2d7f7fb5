// The configuration window: fields, take-over, reset, files, marks, settings and direct help.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>
#include <clocale>
#include <cmath>
#include <limits>

#include "GuiTestSupport.h"
#include "common/Neuskalierung.h"
#include "common/Zahlenfeld.h"
#include "common/Zeichenhinweis.h"
#include "common/Zeigerinstrument.h"
#include "hilfe/Direkthilfe.h"
#include "konfig/KonfigDatei.h"
#include "konfig/KonfigFelder.h"
#include "konfig/KonfigPanelTexte.h"
#include "konfig/Konfiguration.h"
#include "shell/Panel.h"

using namespace plv7::gui;
using namespace plv7::gui::test;
namespace t = plv7::gui::konfig_texte;
using FileAnswer = Dialoge::FileAnswer;

namespace {

Konfiguration standard() {
    Konfiguration k;
    KonfigurationStandardwerte(k);
    return k;
}

// The program on the configuration window.
struct KonfigFixture : ProgramFixture {
    explicit KonfigFixture(bool mitEinstellungen = true) {
        if (mitEinstellungen) writeConnectedSettings();
        starten();
    }
    explicit KonfigFixture(const plv7::IniStore& einstellungen) {
        writeSettings(einstellungen);
        starten();
    }
    void starten() {
        start();
        ZeigeChildpanel(gKonfigpanel);
    }
    Zahlenfeld* zahl(const QString& name) const { return find<Zahlenfeld>("KONFIGPNL_" + name); }
    EinheitFeld* einheit(const QString& name) const {
        return find<EinheitFeld>("KONFIGPNL_EINHEIT" + name);
    }
    QComboBox* bereich(const QString& name) const { return find<QComboBox>("KONFIGPNL_" + name); }
    QLabel* markierung(const QString& name) const {
        return find<QLabel>("KONFIGPNL_UNGUELTIG_" + name);
    }
    void klick(const QString& name) const {
        QTest::mouseClick(find<QWidget>("KONFIGPNL_" + name), Qt::LeftButton);
    }
    QAction* aktion(const QString& name) const {
        QAction* eigene = menuAktion(gKonfigpanel, "KONFIG_DATEI_" + name);
        return eigene ? eigene : menuAktion(gKonfigpanel, name);
    }
    QString datei(const QString& name) const { return folder.filePath(name); }
};

// Types text over the field's content and confirms it with Enter.
void eingeben(QWidget* feld, const QString& text) {
    if (auto* zahl = qobject_cast<QAbstractSpinBox*>(feld)) zahl->selectAll();
    if (auto* zeile = qobject_cast<QLineEdit*>(feld)) zeile->selectAll();
    // Key by key with its text, as a keyboard would send characters beyond Latin-1.
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(feld, Qt::Key_Return);
}

QString zahlText(const Zahlenfeld* feld) {
    return feld->findChild<QLineEdit*>()->text();
}

QByteArray dateiInhalt(const QString& pfad) {
    QFile file(pfad);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void schreibeDatei(const QString& pfad, const QByteArray& bytes) {
    QFile file(pfad);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Every text the window shows.
QStringList sichtbareTexte(QWidget* fenster) {
    QStringList texte;
    for (const QLineEdit* e : fenster->findChildren<QLineEdit*>()) texte << e->text();
    for (const QLabel* l : fenster->findChildren<QLabel*>()) texte << l->text() << l->toolTip();
    for (const QComboBox* c : fenster->findChildren<QComboBox*>()) texte << c->currentText();
    return texte;
}

bool zeigtKeineUnzahl(QWidget* fenster) {
    for (const QString& text : sichtbareTexte(fenster)) {
        if (text.contains("nan", Qt::CaseInsensitive) || text.contains("inf", Qt::CaseInsensitive))
            return false;
    }
    return true;
}

}  // namespace

class TestKonfigPanel : public QObject {
    Q_OBJECT

private slots:
    void init() { KonfigurationStandardwerte(); }
    void cleanup() { Direkthilfe::instance().reset(); }

    void fieldsShowTheStoredRecord() {
        plv7::IniStore store;
        store.putInt("com", "port", 1);
        store.putDouble("konfig", "vinmax", 4.095);
        store.putDouble("konfig", "outmin2", 1.26);
        store.putDouble("konfig", "outskalamax0", 60);
        store.putDouble("konfig", "inskalamin3", -0.0004);
        store.putString("konfig", "ineinheit3", "mBar");
        KonfigFixture fixture(store);
        KonfigFixture* f = &fixture;
        QCOMPARE(f->bereich("EINGANGSBEREICH")->currentText(), QStringLiteral("0 - 4.095 V"));
        QCOMPARE(f->bereich("AUSGANGSBEREICH")->currentText(), QStringLiteral("0 - 10 V"));
        // One decimal for volts, three for user values; the value behind stays exact.
        QCOMPARE(zahlText(f->zahl("SPANNUNG_OUTMIN3")), QStringLiteral("1.3"));
        QCOMPARE(f->zahl("SPANNUNG_OUTMIN3")->value(), 1.26);
        QCOMPARE(zahlText(f->zahl("SKALAOUTMAX1")), QStringLiteral("60.000"));
        QCOMPARE(zahlText(f->zahl("SKALAINMIN4")), QStringLiteral("0.000"));
        QCOMPARE(f->einheit("IN4")->text(), QStringLiteral("mBar"));
        QCOMPARE(f->einheit("IN3")->text(), QString());  // a missing unit item stays empty
        QCOMPARE(zahlText(f->zahl("SPANNUNG_INMAX2")), QStringLiteral("10.0"));
        // Leaving without an edit gives back exactly what was read.
        const Konfiguration vorher = gKonfig;
        f->klick("HAUPTFENSTER");
        QCOMPARE(KonfigurationenVergleichen(gKonfig, vorher), 1);
        QCOMPARE(gKonfig.outmin[2], 1.26);
    }

    void aStartWithoutSettingsBeginsWithTheDefaults() {
        gKonfig.voutmax = 0;
        gKonfig.outmax[1] = 0;
        KonfigFixture fixture(false);
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler #801202"));
        QCOMPARE(KonfigurationenVergleichen(gKonfig, standard()), 1);
        QCOMPARE(zahlText(fixture.zahl("SPANNUNG_OUTMAX2")), QStringLiteral("10.0"));
        QCOMPARE(fixture.einheit("OUT1")->text(), QStringLiteral("V"));
        QVERIFY(fixture.markierung("OUT2")->isHidden());
    }

    void aSettingsFileWithoutScalingBeginsWithTheDefaults() {
        gKonfig.inmax[3] = 0;
        KonfigFixture fixture;  // section "com" only
        QCOMPARE(fixture.dialogs->count("message"), 0);
        QCOMPARE(KonfigurationenVergleichen(gKonfig, standard()), 1);
        QCOMPARE(fixture.einheit("IN4")->text(), QStringLiteral("V"));
    }

    void zurueckTakesTheValuesOverRescalesAndShowsTheDirectWindow() {
        KonfigFixture fixture;
        int skaliert = 0;
        Konfiguration gesehen;
        QObject besitzer;
        NeuskalierungAnmelden(&besitzer, [&] {
            ++skaliert;
            gesehen = gKonfig;
        });
        {
            QObject verschwunden;
            NeuskalierungAnmelden(&verschwunden, [] { QFAIL("rescaled a destroyed window"); });
        }
        eingeben(fixture.zahl("SPANNUNG_INMIN1"), "1");
        eingeben(fixture.zahl("SPANNUNG_INMAX1"), "6,0");  // a comma is a decimal point, too
        eingeben(fixture.zahl("SKALAINMAX1"), "1000.5");
        eingeben(fixture.einheit("IN1"), "mBar");
        fixture.bereich("AUSGANGSBEREICH")->setCurrentIndex(1);
        emit fixture.bereich("AUSGANGSBEREICH")->activated(1);
        // Editing alone changes nothing outside the window.
        QCOMPARE(KonfigurationenVergleichen(gKonfig, standard()), 1);
        QCOMPARE(skaliert, 0);

        fixture.klick("HAUPTFENSTER");
        QCOMPARE(gKonfig.inmin[0], 1.0);
        QCOMPARE(gKonfig.inmax[0], 6.0);
        QCOMPARE(gKonfig.inskalamax[0], 1000.5);
        QCOMPARE(plv7::EinheitText(gKonfig.ineinheit[0]), std::string_view("mBar"));
        QCOMPARE(gKonfig.voutmax, 5.0);
        QCOMPARE(gKonfig.vinmax, 10.0);
        QCOMPARE(skaliert, 1);
        QCOMPARE(KonfigurationenVergleichen(gesehen, gKonfig), 1);  // rescaled after take-over
        QCOMPARE(gMainpanel->childpanel(), gDirektpanel);
        QCOMPARE(fixture.dialogs->count("message"), 0);
        // The direct window now labels input 1 with the new unit and range.
        auto* meter =
            gMainpanel->findChild<Zeigerinstrument*>(QStringLiteral("DIREKTPNL_EINGANG1"));
        QVERIFY(meter);
        QCOMPARE(meter->einheit(), QStringLiteral("mBar"));
    }

    void voltageFieldsAcceptZeroToFullScale() {
        KonfigFixture fixture;
        // The whole typed number is taken and held to the range: 12 gives 10, never 1.
        Zahlenfeld* max = fixture.zahl("SPANNUNG_OUTMAX1");
        eingeben(max, "12");
        QCOMPARE(max->value(), 10.0);
        eingeben(max, "3");
        eingeben(max, "10");
        QCOMPARE(max->value(), 10.0);
        eingeben(fixture.zahl("SPANNUNG_OUTMIN1"), "-1");
        QCOMPARE(fixture.zahl("SPANNUNG_OUTMIN1")->value(), 0.0);
        // A smaller box: its range bounds what can be typed, values already there stay.
        QComboBox* bereich = fixture.bereich("AUSGANGSBEREICH");
        bereich->setCurrentIndex(0);
        emit bereich->activated(0);
        QCOMPARE(max->value(), 10.0);
        QCOMPARE(zahlText(max), QStringLiteral("10.0"));
        eingeben(max, "4.5");
        QCOMPARE(max->value(), 4.095);
        eingeben(max, "2");
        eingeben(max, "4.095");
        QCOMPARE(max->value(), 4.095);
        QCOMPARE(zahlText(max), QStringLiteral("4.1"));
        // Stepping stops at full scale; user values have no limits.
        max->stepBy(5);
        QCOMPARE(max->value(), 4.095);
        eingeben(fixture.zahl("SKALAOUTMIN1"), "-250000");
        QCOMPARE(fixture.zahl("SKALAOUTMIN1")->value(), -250000.0);
        // The input range is independent of the output range.
        QCOMPARE(fixture.bereich("EINGANGSBEREICH")->currentText(), QStringLiteral("0 - 10 V"));
        eingeben(fixture.zahl("SPANNUNG_INMAX1"), "8");
        QCOMPARE(fixture.zahl("SPANNUNG_INMAX1")->value(), 8.0);
    }

    void unitTextsAreEightCharactersOfTheWindowsCodePage() {
        KonfigFixture fixture;
        EinheitFeld* feld = fixture.einheit("OUT2");
        eingeben(feld, QStringLiteral("µV€\u2126abcdefgh"));
        QCOMPARE(feld->text(), QStringLiteral("µV€abcde"));  // the Ω is refused with a hint
        QCOMPARE(QToolTip::text(), zeichenHinweisText(QStringLiteral("\u2126")));
        QApplication::clipboard()->setText(QStringLiteral("k€g\tx"));
        feld->clear();
        feld->paste();
        QCOMPARE(feld->text(), QStringLiteral("k€gx"));
        QApplication::clipboard()->setText(QStringLiteral("k→g"));
        feld->paste();
        QCOMPARE(feld->text(), QStringLiteral("k€gx"));
        QCOMPARE(QToolTip::text(), zeichenHinweisText(QStringLiteral("→")));
        eingeben(feld, QStringLiteral("µV‰"));
        fixture.klick("HAUPTFENSTER");
        // The record holds the unit as the code page's single bytes.
        QCOMPARE(plv7::EinheitText(gKonfig.outeinheit[1]), std::string_view("\xB5V\x89"));
        QCOMPARE(fixture.einheit("OUT2")->text(), QStringLiteral("µV‰"));
        QCOMPARE(zeichenHinweisText(QStringLiteral("→")),
                 QStringLiteral("Das Zeichen „→“ kann nicht gespeichert werden:\n"
                                "Die Dateien kennen nur den Windows-Zeichensatz."));
    }

    void resetAsksAndOnlyYesRestoresTheDefaults() {
        KonfigFixture fixture;
        eingeben(fixture.zahl("SKALAOUTMAX3"), "60");
        fixture.klick("HAUPTFENSTER");
        ZeigeChildpanel(gKonfigpanel);
        eingeben(fixture.zahl("SPANNUNG_INMIN2"), "2");
        const Konfiguration vorher = gKonfig;

        fixture.dialogs->questionAnswers = {1};  // "Nein"
        fixture.klick("STANDARDWERTE");
        QCOMPARE(fixture.dialogs->lastTitle("question"), QStringLiteral("Werte zurücksetzen"));
        QCOMPARE(fixture.dialogs->lastText("question"),
                 QStringLiteral("Wollen Sie alle Werte löschen und\nauf Standardwerte "
                                "zurücksetzen?"));
        QCOMPARE(KonfigurationenVergleichen(gKonfig, vorher), 1);
        QCOMPARE(fixture.zahl("SPANNUNG_INMIN2")->value(), 2.0);

        fixture.dialogs->questionAnswers = {0};  // "Ja"
        fixture.klick("STANDARDWERTE");
        QCOMPARE(KonfigurationenVergleichen(gKonfig, standard()), 1);
        QCOMPARE(fixture.zahl("SPANNUNG_INMIN2")->value(), 0.0);
        QCOMPARE(zahlText(fixture.zahl("SKALAOUTMAX3")), QStringLiteral("10.000"));
        QCOMPARE(gMainpanel->childpanel(), gKonfigpanel);
    }

    void cancelledFileDialogsChangeNothing() {
        KonfigFixture fixture;
        eingeben(fixture.zahl("SKALAINMAX2"), "77");
        fixture.aktion("SPEICHERN")->trigger();
        QCOMPARE(fixture.dialogs->lastTitle("file"), QStringLiteral("Konfiguration speichern"));
        QCOMPARE(fixture.dialogs->lastText("file"), QStringLiteral("*.plo"));
        fixture.aktion("LADEN")->trigger();
        QCOMPARE(fixture.dialogs->lastTitle("file"), QStringLiteral("Konfiguration laden"));
        QCOMPARE(fixture.dialogs->count("message"), 0);
        QCOMPARE(KonfigurationenVergleichen(gKonfig, standard()), 1);
        QCOMPARE(fixture.zahl("SKALAINMAX2")->value(), 77.0);
    }

    void savingTakesTheWindowOverAndWritesTheFile() {
        KonfigFixture fixture;
        int skaliert = 0;
        QObject besitzer;
        NeuskalierungAnmelden(&besitzer, [&] { ++skaliert; });
        eingeben(fixture.zahl("SKALAINMAX2"), "77");
        const QString pfad = fixture.datei("a.plo");
        fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
        fixture.aktion("SPEICHERN")->trigger();
        QCOMPARE(fixture.dialogs->count("message"), 0);
        QCOMPARE(gKonfig.inskalamax[1], 77.0);
        QCOMPARE(skaliert, 0);  // other windows follow only at "Zurück"
        Konfiguration gelesen = standard();
        QCOMPARE(plv7::KonfigDateiLaden(pfad.toStdString(), gelesen), 0);
        QCOMPARE(KonfigurationenVergleichen(gelesen, gKonfig), 1);

        // A folder that does not exist: the open error, and the record holds the window.
        fixture.dialogs->fileAnswers = {{FileAnswer::Result::Chosen, fixture.datei("x/b.plo")}};
        fixture.aktion("SPEICHERN")->trigger();
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler #308261"));
        QCOMPARE(fixture.dialogs->lastText("message"),
                 QStringLiteral("Fehler beim Öffnen der Datei"));
    }

    void loadingShowsTheFileAndRefusesBrokenOnes() {
        KonfigFixture fixture;
        Konfiguration inDatei = standard();
        inDatei.voutmax = 4.095;
        inDatei.outskalamax[0] = 60;
        plv7::EinheitSetzen(inDatei.ineinheit[3], "mBar abs");
        const QString gut = fixture.datei("gut.plo");
        QCOMPARE(plv7::KonfigDateiSpeichern(gut.toStdString(), inDatei), 0);
        QByteArray bytes = dateiInhalt(gut);

        eingeben(fixture.zahl("SPANNUNG_INMIN1"), "3");
        const struct {
            QByteArray inhalt;
            const char* titel;
            const char* text;
        } kaputt[] = {
            {bytes.left(391), "Fehler #304264", "Fehler beim Lesen der Datei"},
            {QByteArray(bytes).replace(0, 4, "PLV7"), "Fehler #1021265",
             "Die Datei ist keine PLV-7 Konfigurationsdatei."},
            {QByteArray(bytes).replace(32, 1, "\x01"), "Fehler #303266",
             "Die Datei hat die falsche Versionsnummer"},
        };
        for (const auto& fall : kaputt) {
            const QString pfad = fixture.datei("kaputt.plo");
            schreibeDatei(pfad, fall.inhalt);
            fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
            fixture.aktion("LADEN")->trigger();
            QCOMPARE(fixture.dialogs->lastTitle("message"), QString::fromUtf8(fall.titel));
            QCOMPARE(fixture.dialogs->lastText("message"), QString::fromUtf8(fall.text));
            QCOMPARE(KonfigurationenVergleichen(gKonfig, standard()), 1);
            QCOMPARE(fixture.zahl("SPANNUNG_INMIN1")->value(), 3.0);
        }
        fixture.dialogs->fileAnswers = {{FileAnswer::Result::Chosen, fixture.datei("fehlt.plo")}};
        fixture.aktion("LADEN")->trigger();
        QCOMPARE(fixture.dialogs->lastTitle("message"), QStringLiteral("Fehler #308263"));

        const int meldungen = fixture.dialogs->count("message");
        fixture.dialogs->fileAnswers = {{FileAnswer::Result::Chosen, gut}};
        fixture.aktion("LADEN")->trigger();
        QCOMPARE(fixture.dialogs->count("message"), meldungen);
        QCOMPARE(KonfigurationenVergleichen(gKonfig, inDatei), 1);
        QCOMPARE(fixture.bereich("AUSGANGSBEREICH")->currentText(), QStringLiteral("0 - 4.095 V"));
        QCOMPARE(zahlText(fixture.zahl("SKALAOUTMAX1")), QStringLiteral("60.000"));
        QCOMPARE(fixture.zahl("SPANNUNG_INMIN1")->value(), 0.0);
        QCOMPARE(fixture.einheit("IN4")->text(), QStringLiteral("mBar abs"));
    }

    void equalEndsAreMarkedInvalidAndNothingShowsNaN() {
        KonfigFixture fixture;
        eingeben(fixture.zahl("SPANNUNG_OUTMIN1"), "5");
        eingeben(fixture.zahl("SPANNUNG_OUTMAX1"), "5");
        QVERIFY(!fixture.markierung("OUT1")->isHidden());
        QCOMPARE(fixture.markierung("OUT1")->toolTip(), t::kGleicheSpannungen);
        QCOMPARE(fixture.zahl("SPANNUNG_OUTMAX1")->toolTip(), t::kGleicheSpannungen);
        QCOMPARE(fixture.zahl("SKALAOUTMAX1")->toolTip(), QString());
        eingeben(fixture.zahl("SKALAINMIN3"), "10");
        QCOMPARE(fixture.markierung("IN3")->toolTip(), t::kGleicheWerte);
        QCOMPARE(fixture.zahl("SKALAINMAX3")->toolTip(), t::kGleicheWerte);
        QVERIFY(fixture.markierung("OUT2")->isHidden());
        // The record takes them as they are.
        fixture.klick("HAUPTFENSTER");
        QCOMPARE(gKonfig.outmin[0], 5.0);
        QCOMPARE(gKonfig.inskalamin[2], 10.0);
        ZeigeChildpanel(gKonfigpanel);
        QVERIFY(!fixture.markierung("OUT1")->isHidden());
        // Mended, the mark goes.
        eingeben(fixture.zahl("SPANNUNG_OUTMIN1"), "0");
        QVERIFY(fixture.markierung("OUT1")->isHidden());
        QCOMPARE(fixture.zahl("SPANNUNG_OUTMAX1")->toolTip(), QString());

        // A file may carry numbers that are not finite: empty fields, marked, never "nan".
        Konfiguration seltsam = standard();
        seltsam.inmin[1] = std::numeric_limits<double>::quiet_NaN();
        seltsam.outskalamax[3] = std::numeric_limits<double>::infinity();
        seltsam.vinmax = std::numeric_limits<double>::quiet_NaN();
        seltsam.voutmax = 7.5;
        const QString pfad = fixture.datei("seltsam.plo");
        QCOMPARE(plv7::KonfigDateiSpeichern(pfad.toStdString(), seltsam), 0);
        fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
        fixture.aktion("LADEN")->trigger();
        QCOMPARE(zahlText(fixture.zahl("SPANNUNG_INMIN2")), QString());
        QCOMPARE(fixture.markierung("IN2")->toolTip(), t::kKeineZahl);
        QCOMPARE(fixture.markierung("OUT4")->toolTip(), t::kKeineZahl);
        QCOMPARE(fixture.bereich("EINGANGSBEREICH")->currentText(), t::kUngueltig);
        QCOMPARE(fixture.bereich("EINGANGSBEREICH")->toolTip(), t::kBereichUngueltig);
        QCOMPARE(fixture.bereich("AUSGANGSBEREICH")->currentText(), QStringLiteral("0 - 7.5 V"));
        QVERIFY(zeigtKeineUnzahl(gKonfigpanel));
        // Leaving keeps what the file held; a box variant chosen again replaces it.
        fixture.klick("HAUPTFENSTER");
        QCOMPARE(gKonfig.voutmax, 7.5);
        QVERIFY(std::isnan(gKonfig.inmin[1]));
        ZeigeChildpanel(gKonfigpanel);
        KonfigurationSetzen(standard());
        QCOMPARE(fixture.bereich("AUSGANGSBEREICH")->count(), 3);
        QVERIFY(fixture.markierung("IN2")->isHidden());
    }

    void adoptedConfigurationsShowAtOnceWithoutRescaling() {
        KonfigFixture fixture;
        int skaliert = 0;
        QObject besitzer;
        NeuskalierungAnmelden(&besitzer, [&] { ++skaliert; });
        Konfiguration neu = standard();
        neu.inskalamax[2] = 250;
        KonfigurationSetzen(neu);
        QCOMPARE(zahlText(fixture.zahl("SKALAINMAX3")), QStringLiteral("250.000"));
        QCOMPARE(skaliert, 0);
    }

    void settingsSurviveTheEndAndANewStart() {
        KonfigFixture fixture;
        eingeben(fixture.einheit("OUT1"), "mBar abs");
        eingeben(fixture.einheit("IN2"), QStringLiteral("µA"));
        eingeben(fixture.zahl("SKALAOUTMIN4"), "-12.345");
        fixture.bereich("EINGANGSBEREICH")->setCurrentIndex(0);
        // Never taken over with "Zurück": the end of the program keeps it all the same.
        fixture.finish();
        const QByteArray ini = dateiInhalt(fixture.iniPath());
        QVERIFY(ini.contains("outeinheit0 = \"mBar abs\"\r\n"));
        QVERIFY(
            ini.contains("ineinheit1 = \"\xB5"
                         "A\"\r\n"));
        QVERIFY(ini.contains("outskalamin3 = -12.345\r\n"));
        QVERIFY(ini.contains("vinmax = 4.095\r\n"));
        const Konfiguration amEnde = gKonfig;

        fixture.program.reset();
        KonfigurationStandardwerte();
        fixture.start();
        QCOMPARE(KonfigurationenVergleichen(gKonfig, amEnde), 1);
        ZeigeChildpanel(gKonfigpanel);
        QCOMPARE(fixture.einheit("OUT1")->text(), QStringLiteral("mBar abs"));
        QCOMPARE(fixture.einheit("IN2")->text(), QStringLiteral("µA"));
        QCOMPARE(fixture.bereich("EINGANGSBEREICH")->currentText(), QStringLiteral("0 - 4.095 V"));
    }

    void filesKeepTheirDotsUnderAGermanLocale() {
        const std::string vorher = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) QSKIP("no German locale on this machine");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            KonfigFixture fixture;
            eingeben(fixture.zahl("SPANNUNG_OUTMAX1"), "2,5");
            eingeben(fixture.zahl("SKALAOUTMAX1"), "0.125");
            QCOMPARE(zahlText(fixture.zahl("SPANNUNG_OUTMAX1")), QStringLiteral("2.5"));
            const QString pfad = fixture.datei("de.plo");
            fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
            fixture.aktion("SPEICHERN")->trigger();
            fixture.finish();
            const QByteArray ini = dateiInhalt(fixture.iniPath());
            QVERIFY(ini.contains("outmax0 = 2.5\r\n"));
            QVERIFY(ini.contains("outskalamax0 = 0.125\r\n"));
            fixture.program.reset();
            KonfigurationStandardwerte();
            fixture.start();
            QCOMPARE(gKonfig.outmax[0], 2.5);
            QCOMPARE(gKonfig.outskalamax[0], 0.125);
            KonfigurationStandardwerte();
            fixture.dialogs->fileAnswers = {gewaehlt(pfad)};
            fixture.aktion("LADEN")->trigger();
            QCOMPARE(gKonfig.outmax[0], 2.5);
        }
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, vorher.c_str());
    }

    void directHelpShowsTextsAndBlocksActions() {
        KonfigFixture fixture;
        QTest::mouseClick(fixture.find<QToolButton>("KONFIGPNL_DIREKTHILFE"), Qt::LeftButton);
        QVERIFY(gHilfeAktiv);
        QCOMPARE(fixture.dialogs->lastText("help"), kHelpModeOnText);

        const struct {
            const char* name;
            QString text;
        } faelle[] = {
            {"STANDARDWERTE", t::kHilfeStandardwerte},
            {"HAUPTFENSTER", t::kHilfeZurueck},
            {"AUSGANGSBEREICH", t::kHilfeAusgangsbereich},
            {"EINGANGSBEREICH", t::kHilfeEingangsbereich},
            {"SPANNUNG_OUTMIN1", t::kHilfeZahlenOut},
            {"SKALAOUTMAX4", t::kHilfeZahlenOut},
            {"SPANNUNG_INMAX2", t::kHilfeZahlenIn},
            {"SKALAINMIN3", t::kHilfeZahlenIn},
            {"EINHEITOUT3", t::kHilfeEinheitOut},
            {"EINHEITIN1", t::kHilfeEinheitIn},
        };
        for (const auto& fall : faelle) {
            fixture.klick(QLatin1String(fall.name));
            QCOMPARE(fixture.dialogs->lastText("help"), fall.text);
        }
        // Nothing acted: no question, no window change, no file dialog, no typing.
        QCOMPARE(fixture.dialogs->count("question"), 0);
        QCOMPARE(gMainpanel->childpanel(), gKonfigpanel);
        fixture.aktion("LADEN")->trigger();
        fixture.aktion("BEENDEN")->trigger();
        QCOMPARE(fixture.dialogs->count("file"), 0);
        QVERIFY(!gMainpanel->ended());
        QTest::keyClicks(fixture.zahl("SKALAOUTMIN1"), "5");
        QCOMPARE(fixture.zahl("SKALAOUTMIN1")->value(), 0.0);

        QTest::mouseClick(fixture.find<QToolButton>("KONFIGPNL_DIREKTHILFE"), Qt::LeftButton);
        QVERIFY(!gHilfeAktiv);
        fixture.klick("HAUPTFENSTER");
        QCOMPARE(gMainpanel->childpanel(), gDirektpanel);
    }

    void numberTextsStayReadable() {
        QCOMPARE(Zahlenfeld::anzeigeText(-0.04, 1), QStringLiteral("0.0"));
        QCOMPARE(Zahlenfeld::anzeigeText(-0.06, 1), QStringLiteral("-0.1"));
        QCOMPARE(Zahlenfeld::anzeigeText(1e300, 3), QStringLiteral("1e+300"));
        QCOMPARE(Zahlenfeld::anzeigeText(std::numeric_limits<double>::quiet_NaN(), 3), QString());
        QCOMPARE(Zahlenfeld::eingabeWert(" 2,5 "), 2.5);
        QCOMPARE(Zahlenfeld::eingabeWert("1e3"), 1000.0);
        QCOMPARE(Zahlenfeld::eingabeWert("1.000,5"), std::nullopt);
        QCOMPARE(Zahlenfeld::eingabeWert("inf"), std::nullopt);
    }

    void beendenEndsTheProgram() {
        KonfigFixture fixture;
        fixture.aktion("BEENDEN")->trigger();
        QVERIFY(gMainpanel->ended());
    }

    void screenshot() {
        const QByteArray ziel = qgetenv("PLV7_SCREENSHOTS");
        if (ziel.isEmpty()) QSKIP("PLV7_SCREENSHOTS names no folder");
        KonfigFixture fixture;
        eingeben(fixture.zahl("SPANNUNG_INMIN1"), "1");
        eingeben(fixture.zahl("SPANNUNG_INMAX1"), "6");
        eingeben(fixture.zahl("SKALAINMAX1"), "1000");
        eingeben(fixture.einheit("IN1"), "mBar");
        eingeben(fixture.zahl("SPANNUNG_OUTMIN2"), "10");
        QTest::qWait(50);
        gMainpanel->grab().save(QString::fromLocal8Bit(ziel) + "/konfigpanel.png");
    }
};

QTEST_MAIN(TestKonfigPanel)
#include "tst_konfigpanel.moc"
