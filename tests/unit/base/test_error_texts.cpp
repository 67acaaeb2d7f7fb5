// Error texts and message boxes as the operator sees them.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "base/ORV_errorV3ibox.h"

namespace {

struct ShownBox {
    std::string title;
    std::string text;
};

class ErrorTexts : public ::testing::Test {
protected:
    void SetUp() override {
        plv7::setMessageBoxPresenter([this](const std::string& title, const std::string& text) {
            shown.push_back({title, text});
        });
    }
    void TearDown() override {
        plv7::setMessageBoxPresenter(nullptr);
        ORV_Fehlersprache(1);
    }
    std::vector<ShownBox> shown;
};

TEST_F(ErrorTexts, ClassSelectsTheGermanText) {
    EXPECT_STREQ(ORV_Fehlermeldung(-402010), "Fehlermeldung (NAK) vom Gerät erhalten");
    EXPECT_STREQ(ORV_Fehlermeldung(-122232), "Serielle Schnittstelle ist nicht geöffnet");
    EXPECT_STREQ(ORV_Fehlermeldung(-12), "Es ist kein Fehler aufgetreten");
    EXPECT_STREQ(ORV_Fehlermeldung(0), "Es ist kein Fehler aufgetreten");
    EXPECT_STREQ(ORV_Fehlermeldung(-9999), "Ein unbekannter Fehler ist aufgetreten");
    EXPECT_STREQ(ORV_Fehlermeldung(402010), "Ein unbekannter Fehler ist aufgetreten");
    EXPECT_STREQ(ORV_Fehlermeldung(INT_MIN), "Ein unbekannter Fehler ist aufgetreten");
    EXPECT_STREQ(ORV_Fehlermeldung(-1023001),
                 "Nicht genug Speicherplatz auf der PLV-7.\nReduzieren Sie die Anzahl der "
                 "Kurvenpunkte.");
    EXPECT_STREQ(ORV_Fehlermeldung(-6001), "");
}

TEST_F(ErrorTexts, EnglishOnlyForLanguageTwo) {
    EXPECT_EQ(*ORV_Fehlersprache(2), 2);
    EXPECT_STREQ(ORV_Fehlermeldung(-403012), "No answer from device");
    EXPECT_STREQ(ORV_Fehlermeldung(-1), "No error");
    EXPECT_STREQ(ORV_Fehlermeldung(-9999), "A unknown error occured");
    ORV_Fehlerpopup(-403012);
    ORV_Fehlersprache(3);
    EXPECT_STREQ(ORV_Fehlermeldung(-403012), "Keine Antwort vom Gerät");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Error #403012");
    EXPECT_EQ(shown[0].text, "No answer from device");
}

TEST_F(ErrorTexts, MessageBoxesShowTheUnsignedNumber) {
    ORV_Fehlerpopup(-402010);
    ORV_Fehlerpopup(-12);
    ORV_Fehlerpopup2(-801202, "Einstellungen");
    ORV_Fehlerpopup(INT_MIN);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].title, "Fehler #402010");
    EXPECT_EQ(shown[0].text, "Fehlermeldung (NAK) vom Gerät erhalten");
    EXPECT_EQ(shown[1].title, "Fehler #12");
    EXPECT_EQ(shown[1].text, "Es ist kein Fehler aufgetreten");
    EXPECT_EQ(shown[2].title, "Einstellungen #801202");
    EXPECT_EQ(shown[2].text, "Fehler beim lesen der INI-Datei");
    EXPECT_EQ(shown[3].title, "Fehler #2147483648");
}

TEST_F(ErrorTexts, ClassMinusSixShowsNoBox) {
    ORV_Fehlerpopup(-6001);
    ORV_Fehlerpopup(-6999);
    ORV_Fehlerpopup2(-6000, "Titel");
    EXPECT_TRUE(shown.empty());
    ORV_Fehlerpopup(-7000);
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(ErrorTexts, EveryDriverClassHasItsOwnText) {
    const std::string unknown = "Ein unbekannter Fehler ist aufgetreten";
    for (int errorClass : {100, 101, 103, 111, 112, 114, 122, 123, 124, 125, 202, 400,
                           401, 402, 403, 404, 405, 406, 500, 600, 894, 895, 896}) {
        EXPECT_NE(ORV_Fehlermeldung(-errorClass * 1000 - 1), unknown) << errorClass;
    }
}

TEST_F(ErrorTexts, TheTableRefusalsSayWhatWentWrongAndKeepTheirClass) {
    // The class text stays for every other code of the class.
    EXPECT_STREQ(ORV_Fehlermeldung(-312541),
                 "Aus Datei gelesene Daten haben nicht das erwartete Format");
    EXPECT_STREQ(ORV_Fehlermeldung(-312554), "Eine Zeile der Tabelle enthält nicht zwei Zahlen.");
    for (int code : {-308552, -304553, -312554, -312555, -312556, -312557, -312558, -1011559,
                     -510560, -312561}) {
        ORV_Fehlersprache(1);
        const std::string deutsch = ORV_Fehlermeldung(code);
        EXPECT_NE(deutsch.find("Tabelle"), std::string::npos) << code;
        ORV_Fehlersprache(2);
        EXPECT_NE(std::string(ORV_Fehlermeldung(code)), deutsch) << code;
    }
    ORV_Fehlersprache(1);
    ORV_Fehlerpopup(-312556);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Fehler #312556");
}

}  // namespace
