// The characteristic editor's computations: grids, appending, moving, the coordinates dialog,
// deleting, splitting, the nearest point, the marking, the digitised steps and the undo ring.
#include <gtest/gtest.h>

#include "kennlinien/KennlinienEditor.h"
#include "konfig/KonfigUmrechnung.h"

using namespace plv7;
namespace ke = plv7::kennlinien_editor;

namespace {

// A characteristic through the given (X, y) points; X strictly rising from 0.
Kennlinie durch(std::vector<std::pair<int, int>> punkte) {
    Kennlinie k;
    k.punkte.clear();
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const int laenge = i + 1 < punkte.size() ? punkte[i + 1].first - punkte[i].first : 0;
        k.punkte.push_back({punkte[i].second, laenge, 0});
    }
    return k;
}

std::vector<std::pair<int, int>> punkteVon(const Kennlinie& k) {
    std::vector<std::pair<int, int>> p;
    for (std::size_t i = 0; i < k.punkte.size(); ++i)
        p.emplace_back(static_cast<int>(KennlinienPosition(k, i)), k.punkte[i].y);
    return p;
}

struct Zaehler {
    int aufrufe = 0;
    VorAenderung vor() {
        return [this] { ++aufrufe; };
    }
};

const KennlinienRaster kOhne{};
const KennlinienRaster kX10{10.0, 0.0, 0.0};

}  // namespace

TEST(KennlinienRaster, SnappingAndGridLines) {
    const KennlinienRaster y100{0.0, 100.0, 5.0};
    EXPECT_EQ(RasterX(kX10, 93.0), 90);
    EXPECT_EQ(RasterX(kX10, 95.0), 100);
    EXPECT_EQ(RasterX(kX10, 4099.0), 4095);  // limited after snapping
    EXPECT_EQ(RasterX(kOhne, -3.0), 0);
    EXPECT_EQ(RasterX(kOhne, 12.5), 13);
    EXPECT_EQ(RasterY(y100, 160.0), 205);  // lines at 5 + k * 100
    EXPECT_EQ(RasterY(y100, 4094.0), 4095);
    EXPECT_EQ(NaechsteRasterlinie(kX10, 95.0), 100);
    EXPECT_EQ(NaechsteRasterlinie(kX10, 100.0), 110);
    EXPECT_EQ(NaechsteRasterlinie(kOhne, 95.0), 95);
    EXPECT_EQ(LetzteRasterlinie(kX10, 100.0), 90);
    EXPECT_EQ(LetzteRasterlinie(kX10, 101.0), 100);
    EXPECT_EQ(LetzteRasterlinie(kOhne, 101.0), 101);
}

TEST(KennlinienRaster, UnusableStepsMeanNoGrid) {
    Konfiguration konfig;
    KonfigurationStandardwerte(konfig);
    // Both user values of input 2 equal: the step converts to no raw step at all.
    konfig.inskalamin[1] = konfig.inskalamax[1] = 3.0;
    konfig.outskalamin[0] = konfig.outskalamax[0] = 3.0;
    const KennlinienRaster raster = KennlinienRasterAus(konfig, 1.0, 1.0);
    EXPECT_EQ(raster.x, 0.0);
    EXPECT_EQ(raster.y, 0.0);
    EXPECT_EQ(RasterX(raster, 12.4), 12);
    // Under the default scaling 1 V of input 2 is 409.5 codes.
    KonfigurationStandardwerte(konfig);
    const KennlinienRaster standard = KennlinienRasterAus(konfig, 1.0, 0.0);
    EXPECT_DOUBLE_EQ(standard.x, 409.5);
    EXPECT_EQ(standard.y, 0.0);
}

TEST(KennlinienEditor, AppendingAPoint) {
    struct Fall {
        const char* name;
        std::vector<std::pair<int, int>> vorher;
        KennlinienRaster raster;
        double x;
        std::vector<std::pair<int, int>> nachher;
    };
    const std::vector<Fall> faelle = {
        {"at X 100", {{0, 4095}}, kOhne, 100.0, {{0, 4095}, {100, 50}}},
        {"at X 0 goes one unit right", {{0, 4095}}, kOhne, 0.0, {{0, 4095}, {1, 50}}},
        {"left of the last point goes to the next grid line",
         {{0, 0}, {95, 10}},
         kX10,
         93.0,
         {{0, 0}, {95, 10}, {100, 50}}},
        {"up to 4095", {{0, 0}, {4000, 10}}, kOhne, 4095.0, {{0, 0}, {4000, 10}, {4095, 50}}},
        {"past 4095 adds nothing", {{0, 0}, {4095, 10}}, kOhne, 5000.0, {{0, 0}, {4095, 10}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kennlinie k = durch(f.vorher);
        Zaehler z;
        const Bearbeitung b = PunktAnhaengen(k, f.raster, f.x, 50.2, z.vor());
        EXPECT_EQ(punkteVon(k), f.nachher);
        EXPECT_EQ(b.geaendert, f.nachher != f.vorher);
        EXPECT_EQ(z.aufrufe, b.geaendert ? 1 : 0);
        EXPECT_TRUE(b.fehler.empty());
        if (b.geaendert) {
            EXPECT_EQ(k.punkte.back().laenge, 1);
        }
    }
}

TEST(KennlinienEditor, MoveTargetsStayBetweenNeighbours) {
    const Kennlinie k = durch({{0, 0}, {100, 500}, {200, 1000}});
    const Kennlinie eng = durch({{0, 0}, {101, 500}, {102, 600}, {104, 1000}});
    struct Fall {
        const char* name;
        const Kennlinie& kennlinie;
        std::size_t punkt;
        KennlinienRaster raster;
        double x;
        Rohpunkt ziel;
    };
    const std::vector<Fall> faelle = {
        {"free", k, 1, kOhne, 150.0, {150, 700}},
        {"onto the next point", k, 1, kOhne, 250.0, {199, 700}},
        {"onto the previous point", k, 1, kOhne, -5.0, {1, 700}},
        {"last point up to 4095 only", k, 2, kOhne, 5000.0, {4095, 700}},
        {"last point not onto its neighbour", k, 2, kOhne, 20.0, {101, 700}},
        {"first point stays at 0", k, 0, kOhne, 70.0, {0, 700}},
        {"grid line before the next point", k, 1, kX10, 260.0, {190, 700}},
        {"no grid line between the neighbours keeps X", eng, 2, kX10, 103.0, {102, 700}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(VerschiebeZiel(f.kennlinie, f.punkt, f.raster, f.x, 700.3), f.ziel);
    }
}

TEST(KennlinienEditor, MovingAPointKeepsTheOtherPositions) {
    Kennlinie k = durch({{0, 0}, {100, 500}, {200, 1000}});
    Zaehler z;
    EXPECT_TRUE(PunktVerschieben(k, 1, {150, 700}, z.vor()).geaendert);
    EXPECT_EQ(punkteVon(k), (std::vector<std::pair<int, int>>{{0, 0}, {150, 700}, {200, 1000}}));
    // A target onto a neighbour (not one VerschiebeZiel gives) is refused unchanged.
    const Bearbeitung b = PunktVerschieben(k, 1, {200, 0}, z.vor());
    EXPECT_EQ(b.fehler, ke::kUnvorhergesehen);
    EXPECT_EQ(z.aufrufe, 1);
    // The last point moves right alone; the first only changes Y.
    EXPECT_TRUE(PunktVerschieben(k, 2, {4095, 1}, z.vor()).geaendert);
    EXPECT_TRUE(PunktVerschieben(k, 0, {0, 9}, z.vor()).geaendert);
    EXPECT_EQ(punkteVon(k), (std::vector<std::pair<int, int>>{{0, 9}, {150, 700}, {4095, 1}}));
}

TEST(KennlinienEditor, CoordinatesDialogChecks) {
    const Kennlinie vorlage = durch({{0, 0}, {100, 500}, {200, 1000}});
    struct Fall {
        std::size_t punkt;
        std::int64_t x, y;
        const char* fehler;  // nullptr: accepted
    };
    const std::vector<Fall> faelle = {
        {0, 5, 0, ke::kErsterPunktX}, {2, 4096, 1000, ke::kXUeberMaximum},
        {1, 0, 500, ke::kXZuKlein},   {1, 200, 500, ke::kXZuGross},
        {1, 100, -1, ke::kYZuKlein},  {1, 100, 4096, ke::kYZuGross},
        {2, 4095, 1000, nullptr},     {1, 199, 4095, nullptr},
        {1, 100, 500, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.punkt << " " << f.x << " " << f.y);
        Kennlinie k = vorlage;
        Zaehler z;
        const Bearbeitung b = PunktkoordinatenSetzen(k, f.punkt, f.x, f.y, z.vor());
        EXPECT_EQ(b.fehler, f.fehler ? f.fehler : "");
        if (f.fehler || (f.x == 100 && f.y == 500)) {
            EXPECT_EQ(punkteVon(k), punkteVon(vorlage));
            EXPECT_EQ(z.aufrufe, 0);
        } else {
            EXPECT_EQ(KennlinienPosition(k, f.punkt), f.x);
            EXPECT_EQ(k.punkte[f.punkt].y, f.y);
            EXPECT_EQ(KennlinienGesamtlaenge(k), f.punkt == 2 ? f.x : 200);
        }
    }
    // An absurd typed value is refused, never wrapped into range.
    Kennlinie k = vorlage;
    EXPECT_EQ(PunktkoordinatenSetzen(k, 1, EingabeAlsRohwert(1e300), 500, [] {}).fehler,
              ke::kXUeberMaximum);
    EXPECT_EQ(PunktkoordinatenSetzen(k, 1, EingabeAlsRohwert(-1e300), 500, [] {}).fehler,
              ke::kXZuKlein);
    EXPECT_EQ(EingabeAlsRohwert(99.5), 100);
}

TEST(KennlinienEditor, DeletingPoints) {
    Zaehler z;
    Kennlinie einer;
    EXPECT_EQ(PunktLoeschen(einer, 0, z.vor()).fehler, ke::kLetzterPunkt);
    EXPECT_EQ(z.aufrufe, 0);
    Kennlinie k = durch({{0, 0}, {100, 500}, {200, 1000}, {300, 7}});
    PunktLoeschen(k, 1, z.vor());  // the neighbours stay where they are
    EXPECT_EQ(punkteVon(k), (std::vector<std::pair<int, int>>{{0, 0}, {200, 1000}, {300, 7}}));
    PunktLoeschen(k, 2, z.vor());
    EXPECT_EQ(k.punkte.back().laenge, 1);
    PunktLoeschen(k, 0, z.vor());  // the rest shifts to X 0
    EXPECT_EQ(punkteVon(k), (std::vector<std::pair<int, int>>{{0, 1000}}));
    EXPECT_EQ(z.aufrufe, 3);
}

TEST(KennlinienEditor, SplittingLines) {
    Zaehler z;
    Kennlinie k = durch({{0, 0}, {10, 1000}, {11, 0}});
    EXPECT_TRUE(GeradeTeilen(k, 3.2, z.vor()).geaendert);
    EXPECT_EQ(punkteVon(k),
              (std::vector<std::pair<int, int>>{{0, 0}, {3, 300}, {10, 1000}, {11, 0}}));
    EXPECT_EQ(GeradeTeilen(k, 10.5, z.vor()).fehler, ke::kNichtTeilbar);
    EXPECT_FALSE(GeradeTeilen(k, 500.0, z.vor()).geaendert);  // the completion piece
    Kennlinie rand = durch({{0, 0}, {10, 1000}});
    GeradeTeilen(rand, -4.0, z.vor());  // held inside the line
    EXPECT_EQ(punkteVon(rand), (std::vector<std::pair<int, int>>{{0, 0}, {1, 100}, {10, 1000}}));
    EXPECT_EQ(z.aufrufe, 2);
}

TEST(KennlinienEditor, NearestPointOnScreen) {
    const Kennlinie k = durch({{0, 0}, {100, 4095}, {200, 0}});
    // The full width in 400 px: 100 units are 10 px; Y 4095 units are 300 px.
    const Bildmass mass{4095.0, 409.5, 300.0};
    EXPECT_EQ(NaechsterPunkt(k, 60.0, 4000.0, mass), 1u);
    EXPECT_EQ(NaechsterPunkt(k, 150.0, 2047.5, mass), 1u);  // equal distance: lower index
    EXPECT_EQ(NaechsterPunkt(k, 190.0, 100.0, mass), 2u);
    // Zoomed to 200 units over the same pixels, X distances weigh twenty times more.
    EXPECT_EQ(NaechsterPunkt(k, 20.0, 2400.0, mass), 1u);
    EXPECT_EQ(NaechsterPunkt(k, 20.0, 2400.0, {200.0, 409.5, 300.0}), 0u);
}

TEST(KennlinienEditor, DigitisedSteps) {
    std::vector<double> xs, ys;
    DigitaleStufen(0.0, 0.0, 4.0, 10.0, xs, ys);
    EXPECT_EQ(xs, (std::vector<double>{0, 1, 2, 3, 4, 4}));
    EXPECT_EQ(ys, (std::vector<double>{0, 0, 3, 5, 8, 10}));
    // Only the part inside a window, starting from the step before it.
    xs.clear();
    ys.clear();
    DigitaleStufen(0.0, 0.0, 4.0, 10.0, xs, ys, 2.5, 3.0);
    EXPECT_EQ(xs, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(ys, (std::vector<double>{0, 3, 5}));
    // A line millions of units long (a corrupt file) costs only the window.
    xs.clear();
    DigitaleStufen(0.0, 0.0, 1e9, 4095.0, xs, ys, 1000.0, 1100.0);
    EXPECT_LT(xs.size(), 110u);
}
