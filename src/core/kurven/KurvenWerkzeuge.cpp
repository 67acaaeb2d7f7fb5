#include "kurven/KurvenWerkzeuge.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "konfig/KonfigUmrechnung.h"
#include "kurven/Zeitbasis.h"

namespace plv7::kurven {

namespace {

constexpr double kLaengeMaxD = kLaengeMax;
constexpr double kWertMaxD = kWertMax;

const char* const kGeradeZuLang = "Gerade zu lang!\nWählen Sie eine größere Zeiteinheit.";
const char* const kResultierendZuLang = "Resultierende Gerade ist zu lang!";
const char* const kUnvorhergesehen = "Unvorhergesehene Operation.";
const char* const kErsterPunkt = "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.";
const char* const kNichtImRaster =
    "Die angegebene Zeitkoordinate paßt nicht ins Zeitraster \n(Der Punkt muß ins Zeitraster der "
    "vorherigen und der folgenden Gerade passen).";
const char* const kZeitZuKlein =
    "Die angegebene Zeitkoordinate ist zu klein \n(Der Punkt kann nicht auf eine Zeit kleiner "
    "oder gleich der \ndes vorherigen Punktes verschoben werden).";
const char* const kZeitZuGross =
    "Die angegebene Zeitkoordinate ist zu groß \n(Der Punkt kann nicht auf eine Zeit größer oder "
    "gleich der \ndes nächsten Punktes verschoben werden).";
const char* const kVerschiebenZuLang =
    "Das verschieben des Punktes hätte eine zu lange Gerade zur Folge. \nWählen Sie für die "
    "angrenzenden Geraden eine größere Zeitbasis.";
const char* const kYZuKlein = "Y-Wert zu klein.";
const char* const kYZuGross = "Y-Wert zu groß.";
const char* const kLetzterPunkt = "Letzter Punkt kann nicht gelöscht werden";
const char* const kUngleicheZeitbasen =
    "Punkt kann nicht gelöscht werden, da die beiden angrenzenden \nGeraden unterschiedliche "
    "Zeitbasen haben. \nWandeln Sie die Zeitbasis von einer der Geraden in die der anderen um.";
const char* const kAufloesenZuLang =
    "Punkt kann nicht gelöscht werden, da die resultierende \nGerade zu lang währe. \nWandeln Sie "
    "die Geraden in eine größere Zeitbasis um.";
const char* const kNichtTeilbar =
    "Gerade kann nicht geteilt werden, da sie eine Länge \n von nur einer Zeiteinheit hat.";
const char* const kZeitbasisTeilt =
    "Die Länge der Gerade läßt sich nicht durch die \nneue Zeitbasis teilen.";
const char* const kZeitbasisZuLang =
    "Zeitbasis kann nicht umgewandelt werden. \nDie entstehende Gerade wäre zu lang.";
const char* const kLaengeTeilbar = "Die Länge der Geraden muß durch ihre Zeitbasis teilbar sein.";
const char* const kLaengeZuGross =
    "Die neue Länge der Geraden ist zu groß. \nWählen Sie eine größere Zeitbasis.";
const char* const kLaengeZuKlein = "Die neue Länge der Geraden ist zu klein.";

double tickVon(const Kurvenpunkt& p) {
    return static_cast<double>(ZeitbasisTick(p.zeitbasis));
}

std::int32_t wertAus(double y) {
    return static_cast<std::int32_t>(std::clamp(y, 0.0, kWertMaxD));
}

// Records the undo step only when the points really change.
void uebernehmen(Kurvenmodell& modell, std::vector<Kurvenpunkt> neu) {
    if (neu == modell.aktuell().punkte) return;
    modell.BearbeitungsschrittSichern();
    modell.aktuell().punkte = std::move(neu);
}

}  // namespace

std::int32_t RasterY(int kurve, double raster, double y) {
    if (raster != 0.0 && std::isfinite(raster)) {
        const double basis = ::AusgangEinheitInCode(kurve, 0.0);
        const double schritt = ::AusgangEinheitInCode(kurve, raster) - basis;
        if (schritt != 0.0 && std::isfinite(schritt) && std::isfinite(basis)) {
            y = std::floor((y - basis) / schritt + 0.5) * schritt + basis;
        }
    }
    if (!std::isfinite(y)) y = 0.0;
    return static_cast<std::int32_t>(std::floor(std::clamp(y, 0.0, kWertMaxD) + 0.5));
}

std::size_t NaechsterPunkt(const std::vector<Kurvenpunkt>& punkte, double x, double y,
                           const Zeitfenster& fenster, double breite, double hoehe) {
    const double fensterbreite = static_cast<double>(fenster.max - fenster.min + 1);
    std::size_t bester = 0;
    double besterAbstand = INFINITY;
    std::int64_t start = 0;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const double dx = std::fabs(std::trunc(x - static_cast<double>(start))) / fensterbreite;
        const double dy = std::fabs(std::trunc(y - punkte[i].wert)) / kWertMaxD;
        const double abstand = std::hypot(dx * breite, dy * hoehe);
        if (abstand < besterAbstand) {
            besterAbstand = abstand;
            bester = i;
        }
        start += std::int64_t{punkte[i].laenge} * ZeitbasisTick(punkte[i].zeitbasis);
    }
    return bester;
}

Punktlage ZeichnenVorschau(const std::vector<Kurvenpunkt>& punkte, int zeitbasis, double x,
                           std::int32_t y) {
    const double start = static_cast<double>(PunktStartzeit(punkte, punkte.size() - 1));
    const double tick = static_cast<double>(ZeitbasisTick(zeitbasis));
    const double ticks = std::max(1.0, std::floor((x - start) / tick + 0.5));
    return {start + tick * ticks, static_cast<double>(y)};
}

std::string PunktAnhaengen(Kurvenmodell& modell, int zeitbasis, double x, std::int32_t y) {
    const auto& punkte = modell.aktuell().punkte;
    const double start = static_cast<double>(PunktStartzeit(punkte, punkte.size() - 1));
    const double tick = static_cast<double>(ZeitbasisTick(zeitbasis));
    const double ticks = (std::floor(x + 0.5) - start) / tick;
    if (ticks > kLaengeMaxD) return kGeradeZuLang;
    auto neu = punkte;
    neu.back().laenge = static_cast<std::int32_t>(std::max(1.0, std::trunc(ticks + 0.5)));
    neu.back().zeitbasis = static_cast<std::uint8_t>(zeitbasis);
    neu.push_back({wertAus(y), 1, static_cast<std::uint8_t>(zeitbasis)});
    uebernehmen(modell, std::move(neu));
    return {};
}

double VerschiebenX(const std::vector<Kurvenpunkt>& punkte, std::size_t i, double x) {
    if (i == 0 || i >= punkte.size()) return 0.0;
    const std::size_t letzter = punkte.size() - 1;
    const std::size_t p = i - 1;
    const std::size_t n = std::min(i + 1, letzter);
    const double b = static_cast<double>(PunktStartzeit(punkte, p));
    const double c = static_cast<double>(PunktStartzeit(punkte, n));
    const double tp = tickVon(punkte[p]);
    const double ti = tickVon(punkte[i]);
    // A time base the box does not know (from a file) gives no grid: the point stays.
    if (tp <= 0 || ti <= 0) return static_cast<double>(PunktStartzeit(punkte, i));
    double xs = 0.0;
    if (ti > tp) {
        const double g = ti;
        xs = c - g * std::floor((c - x) / g + 0.5);
        if (xs <= b) {
            xs = c - g * std::floor((c - b) / g + 0.5);
            if (xs <= b) xs += g;
        }
        if (xs >= c && i != letzter) xs = c - g;
    } else {
        const double g = tp;
        xs = b + g * std::floor((x - b) / g + 0.5);
        if (xs <= b) xs = b + g;
        if (xs >= c && i != letzter) {
            xs = b + g * std::floor((c - b) / g + 0.5);
            if (xs == c) xs -= g;
        }
    }
    return xs;
}

std::string PunktVerschieben(Kurvenmodell& modell, std::size_t i, double x, std::int32_t y) {
    const auto& punkte = modell.aktuell().punkte;
    if (i >= punkte.size()) return {};
    auto neu = punkte;
    if (i != 0) {
        const std::size_t letzter = punkte.size() - 1;
        const std::size_t p = i - 1;
        const double xs = VerschiebenX(punkte, i, x);
        const double b = static_cast<double>(PunktStartzeit(punkte, p));
        const double tp = tickVon(punkte[p]);
        const double ti = tickVon(punkte[i]);
        const double h = (xs - b) / tp;
        if (h > kLaengeMaxD) return kResultierendZuLang;
        const double m = std::trunc(h + 0.5);
        if (!(m >= 1.0)) return kUnvorhergesehen;  // also without a grid (NaN)
        neu[p].laenge = static_cast<std::int32_t>(m);
        if (i != letzter) {
            const double c = static_cast<double>(PunktStartzeit(punkte, i + 1));
            const double h2 = (c - xs) / ti;
            if (h2 > kLaengeMaxD) return kResultierendZuLang;
            const double k = std::trunc(h2 + 0.5);
            if (!(k >= 1.0)) return kUnvorhergesehen;
            const double vorher = punkte[p].laenge * tp + punkte[i].laenge * ti;
            if (m * tp + k * ti != vorher) return kUnvorhergesehen;
            neu[i].laenge = static_cast<std::int32_t>(k);
        }
    }
    neu[i].wert = wertAus(y);
    uebernehmen(modell, std::move(neu));
    return {};
}

std::string PunktKoordinatenSetzen(Kurvenmodell& modell, std::size_t i, std::int64_t zeit,
                                   double wertEinheit) {
    const auto& punkte = modell.aktuell().punkte;
    if (i >= punkte.size()) return {};
    const std::size_t letzter = punkte.size() - 1;
    const std::int64_t alt = PunktStartzeit(punkte, i);
    auto neu = punkte;
    if (zeit != alt) {
        if (i == 0) return kErsterPunkt;
        const std::size_t p = i - 1;
        const std::size_t n = std::min(i + 1, letzter);
        const std::int64_t tp = ZeitbasisTick(punkte[p].zeitbasis);
        const std::int64_t ti = ZeitbasisTick(punkte[i].zeitbasis);
        const std::int64_t g = std::max(tp, ti);
        const std::int64_t s = zeit - alt;
        if (tp <= 0 || ti <= 0 || s % g != 0) return kNichtImRaster;
        if (zeit <= PunktStartzeit(punkte, p)) return kZeitZuKlein;
        if (zeit >= PunktStartzeit(punkte, n) && i != letzter) return kZeitZuGross;
        const std::int64_t laengeP = punkte[p].laenge + s / tp;
        const std::int64_t laengeI = punkte[i].laenge - s / ti;
        if (laengeP > kLaengeMax || (i != letzter && laengeI > kLaengeMax))
            return kVerschiebenZuLang;
        neu[p].laenge = static_cast<std::int32_t>(laengeP);
        if (i != letzter) neu[i].laenge = static_cast<std::int32_t>(laengeI);
    }
    const double wert = std::trunc(::AusgangEinheitInCode(modell.aktuelleKurve, wertEinheit) + 0.5);
    std::string fehler;
    if (wert != punkte[i].wert) {
        if (wert < 0.0 || std::isnan(wert)) {
            fehler = kYZuKlein;
        } else if (wert > kWertMaxD) {
            fehler = kYZuGross;
        } else {
            neu[i].wert = static_cast<std::int32_t>(wert);
        }
    }
    uebernehmen(modell, std::move(neu));
    return fehler;
}

std::string PunktAufloesen(Kurvenmodell& modell, std::size_t i) {
    const auto& punkte = modell.aktuell().punkte;
    if (i >= punkte.size()) return {};
    if (punkte.size() == 1) return kLetzterPunkt;
    const std::size_t letzter = punkte.size() - 1;
    auto neu = punkte;
    if (i != 0 && i != letzter) {
        if (punkte[i].zeitbasis != punkte[i - 1].zeitbasis) return kUngleicheZeitbasen;
        if (std::int64_t{punkte[i - 1].laenge} + punkte[i].laenge > kLaengeMax)
            return kAufloesenZuLang;
        neu[i - 1].laenge += punkte[i].laenge;
    }
    neu.erase(neu.begin() + static_cast<std::ptrdiff_t>(i));
    if (i == letzter) neu.back().laenge = 1;
    uebernehmen(modell, std::move(neu));
    return {};
}

std::string GeradeTeilen(Kurvenmodell& modell, double x) {
    const auto& punkte = modell.aktuell().punkte;
    const std::size_t i = SegmentBeiZeit(punkte, x);
    if (i + 1 >= punkte.size()) return {};
    const Kurvenpunkt& p = punkte[i];
    if (p.laenge == 1) return kNichtTeilbar;
    if (p.laenge < 2 || tickVon(p) <= 0) return {};  // read as stored from a file or the box
    const double start = static_cast<double>(PunktStartzeit(punkte, i));
    const double e = std::clamp(std::trunc((x - start) / tickVon(p) + 0.5), 1.0, p.laenge - 1.0);
    const double v = std::trunc(p.wert + (punkte[i + 1].wert - p.wert) * e / p.laenge);
    auto neu = punkte;
    neu[i].laenge = static_cast<std::int32_t>(e);
    const Kurvenpunkt eingefuegt{wertAus(v), p.laenge - static_cast<std::int32_t>(e), p.zeitbasis};
    neu.insert(neu.begin() + static_cast<std::ptrdiff_t>(i + 1), eingefuegt);
    uebernehmen(modell, std::move(neu));
    return {};
}

std::string ZeitbasisAendern(Kurvenmodell& modell, double x, int zeitbasis) {
    const auto& punkte = modell.aktuell().punkte;
    const std::int64_t tick = ZeitbasisTick(zeitbasis);
    if (tick == 0) return {};
    const std::size_t i = SegmentBeiZeit(punkte, x);
    const std::size_t letzter = punkte.size() - 1;
    auto neu = punkte;
    if (i == letzter) {
        if (std::floor(x) + 1.0 > static_cast<double>(Kurvendauer(punkte))) return {};
        neu[i].zeitbasis = static_cast<std::uint8_t>(zeitbasis);
        uebernehmen(modell, std::move(neu));
        return {};
    }
    if (punkte[i].zeitbasis == zeitbasis) return {};
    const std::int64_t dauer = std::int64_t{punkte[i].laenge} * ZeitbasisTick(punkte[i].zeitbasis);
    if (dauer % tick != 0) return kZeitbasisTeilt;
    if (dauer / tick > kLaengeMax) return kZeitbasisZuLang;
    neu[i].zeitbasis = static_cast<std::uint8_t>(zeitbasis);
    neu[i].laenge = static_cast<std::int32_t>(dauer / tick);
    if (i + 1 == letzter) neu[letzter].zeitbasis = static_cast<std::uint8_t>(zeitbasis);
    uebernehmen(modell, std::move(neu));
    return {};
}

std::string GeradenlaengeAendern(Kurvenmodell& modell, std::size_t i, std::int64_t dauer) {
    const auto& punkte = modell.aktuell().punkte;
    if (i + 1 >= punkte.size()) return {};
    const std::int64_t tick = ZeitbasisTick(punkte[i].zeitbasis);
    if (tick <= 0 || dauer % tick != 0) return kLaengeTeilbar;
    const std::int64_t n = dauer / tick;
    if (n > kLaengeMax) return kLaengeZuGross;
    if (n <= 0) return kLaengeZuKlein;
    auto neu = punkte;
    neu[i].laenge = static_cast<std::int32_t>(n);
    uebernehmen(modell, std::move(neu));
    return {};
}

}  // namespace plv7::kurven
