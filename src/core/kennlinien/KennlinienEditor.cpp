#include "kennlinien/KennlinienEditor.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plv7 {
namespace {

using namespace kennlinien_editor;

constexpr int kRohMax = kennlinie::kRohMax;
constexpr std::int64_t kLaengste = kennlinie::kLaengsteGerade;

Bearbeitung abgelehnt(const char* text) {
    return {false, text};
}

std::int64_t position(const Kennlinie& k, std::size_t i) {
    return KennlinienPosition(k, i);
}

// A computed value as a raw code: plus 0.5, cut toward zero.
int ganz(double wert) {
    return static_cast<int>(std::trunc(wert + 0.5));
}

}  // namespace

std::size_t NaechsterPunkt(const Kennlinie& kennlinie, double x, double y, const Bildmass& mass) {
    const double breite = mass.sichtbareBreite > 0.0 ? mass.sichtbareBreite : 1.0;
    std::size_t beste = 0;
    double besteDistanz = std::numeric_limits<double>::infinity();
    std::int64_t xi = 0;
    for (std::size_t i = 0; i < kennlinie.punkte.size(); ++i) {
        const double dx = std::fabs(std::trunc(x - static_cast<double>(xi)));
        const double dy = std::fabs(std::trunc(y - kennlinie.punkte[i].y));
        const double px = dx / breite * mass.breitePx;
        const double py = dy / kRohMax * mass.hoehePx;
        const double distanz = std::sqrt(px * px + py * py);
        if (distanz < besteDistanz) {
            besteDistanz = distanz;
            beste = i;
        }
        xi += kennlinie.punkte[i].laenge;
    }
    return beste;
}

namespace {

// The length of the new line and where its end goes; false past 4095.
bool anhaengen(const Kennlinie& kennlinie, const KennlinienRaster& raster, double x, double y,
               Rohpunkt& ziel, std::int64_t& n) {
    const std::int64_t letzte = KennlinienGesamtlaenge(kennlinie);
    ziel = {RasterX(raster, x), RasterY(raster, y)};
    const auto laenge = [&] {
        return static_cast<std::int64_t>(std::trunc(static_cast<double>(ziel.x - letzte) + 0.5));
    };
    n = laenge();
    if (n <= 0) {
        ziel.x = NaechsteRasterlinie(raster, static_cast<double>(letzte));
        n = laenge();
        if (n <= 0) {
            n = 1;
            ziel.x = static_cast<int>(letzte + 1);
        }
    }
    return letzte + n <= kRohMax;
}

}  // namespace

bool AnhaengeZiel(const Kennlinie& kennlinie, const KennlinienRaster& raster, double x, double y,
                  Rohpunkt& ziel) {
    std::int64_t n = 0;
    return anhaengen(kennlinie, raster, x, y, ziel, n);
}

Bearbeitung PunktAnhaengen(Kennlinie& kennlinie, const KennlinienRaster& raster, double x, double y,
                           const VorAenderung& vorAenderung) {
    Rohpunkt ziel;
    std::int64_t n = 0;
    if (!anhaengen(kennlinie, raster, x, y, ziel, n)) return {};
    if (n > kLaengste) return abgelehnt(kGeradeZuLang);
    vorAenderung();
    kennlinie.punkte.back().laenge = static_cast<std::int32_t>(n);
    kennlinie.punkte.back().rastercode = 0;
    kennlinie.punkte.push_back({ganz(ziel.y), 1, 0});
    return {true, {}};
}

Rohpunkt VerschiebeZiel(const Kennlinie& kennlinie, std::size_t k, const KennlinienRaster& raster,
                        double x, double y) {
    const std::size_t letzter = kennlinie.punkte.size() - 1;
    k = std::min(k, letzter);
    const std::int64_t xP = position(kennlinie, k == 0 ? 0 : k - 1);
    const std::int64_t xN = position(kennlinie, std::min(k + 1, letzter));
    const bool istLetzter = k == letzter;
    Rohpunkt ziel{RasterX(raster, x), RasterY(raster, y)};
    if (xP >= ziel.x) ziel.x = NaechsteRasterlinie(raster, static_cast<double>(xP));
    if (istLetzter) {
        ziel.x = std::min(ziel.x, kRohMax);
    } else if (ziel.x >= xN) {
        ziel.x = LetzteRasterlinie(raster, static_cast<double>(xN));
    }
    if (raster.x != 0.0) {
        // No grid line fits between the neighbours: the point keeps its X.
        if ((!istLetzter && ziel.x >= xN) || ziel.x <= xP)
            ziel.x = static_cast<int>(position(kennlinie, k));
    } else {
        if (!istLetzter && ziel.x >= xN) ziel.x = static_cast<int>(xN - 1);
        if (ziel.x <= xP) ziel.x = static_cast<int>(xP + 1);
    }
    if (k == 0) ziel.x = 0;
    return ziel;
}

Bearbeitung PunktVerschieben(Kennlinie& kennlinie, std::size_t k, Rohpunkt ziel,
                             const VorAenderung& vorAenderung) {
    const std::size_t letzter = kennlinie.punkte.size() - 1;
    if (k > letzter) return {};
    const bool istLetzter = k == letzter;
    std::int64_t laengeP = 0;
    std::int64_t laengeK = 0;
    if (k > 0) {
        const std::int64_t xP = position(kennlinie, k - 1);
        const std::int64_t a = ziel.x - xP;
        if (a > kLaengste) return abgelehnt(kResultierendZuLang);
        laengeP = a;
        if (laengeP < 1) return abgelehnt(kUnvorhergesehen);
        if (!istLetzter) {
            const std::int64_t b = position(kennlinie, k + 1) - ziel.x;
            if (b > kLaengste) return abgelehnt(kResultierendZuLang);
            laengeK = b;
            if (laengeK < 1) return abgelehnt(kUnvorhergesehen);
            if (laengeP + laengeK != static_cast<std::int64_t>(kennlinie.punkte[k - 1].laenge) +
                                         kennlinie.punkte[k].laenge)
                return abgelehnt(kUnvorhergesehen);
        }
    }
    vorAenderung();
    if (k > 0) {
        kennlinie.punkte[k - 1].laenge = static_cast<std::int32_t>(laengeP);
        if (!istLetzter) kennlinie.punkte[k].laenge = static_cast<std::int32_t>(laengeK);
    }
    kennlinie.punkte[k].y = ganz(ziel.y);
    return {true, {}};
}

std::int64_t EingabeAlsRohwert(double roh) {
    constexpr double kWeitAussen = 1e9;
    if (std::isnan(roh)) return -static_cast<std::int64_t>(kWeitAussen);
    return static_cast<std::int64_t>(std::trunc(std::clamp(roh + 0.5, -kWeitAussen, kWeitAussen)));
}

Bearbeitung PunktkoordinatenSetzen(Kennlinie& kennlinie, std::size_t k, std::int64_t neuX,
                                   std::int64_t neuY, const VorAenderung& vorAenderung) {
    const std::size_t letzter = kennlinie.punkte.size() - 1;
    if (k > letzter) return {};
    const bool istLetzter = k == letzter;
    const std::int64_t xk = position(kennlinie, k);
    const bool xNeu = neuX != xk;
    const bool yNeu = neuY != kennlinie.punkte[k].y;
    const std::int64_t d = neuX - xk;
    if (xNeu) {
        if (k == 0) return abgelehnt(kErsterPunktX);
        if (neuX > kRohMax) return abgelehnt(kXUeberMaximum);
        if (neuX <= position(kennlinie, k - 1)) return abgelehnt(kXZuKlein);
        if (!istLetzter && neuX >= position(kennlinie, k + 1)) return abgelehnt(kXZuGross);
        if (kennlinie.punkte[k - 1].laenge + d > kLaengste ||
            kennlinie.punkte[k].laenge - d > kLaengste)
            return abgelehnt(kZuLangeGerade);
    }
    if (yNeu) {
        if (neuY < 0) return abgelehnt(kYZuKlein);
        if (neuY > kRohMax) return abgelehnt(kYZuGross);
    }
    if (!xNeu && !yNeu) return {};
    vorAenderung();
    if (xNeu) {
        kennlinie.punkte[k - 1].laenge += static_cast<std::int32_t>(d);
        if (!istLetzter) kennlinie.punkte[k].laenge -= static_cast<std::int32_t>(d);
    }
    if (yNeu) kennlinie.punkte[k].y = static_cast<std::int32_t>(neuY);
    return {true, {}};
}

Bearbeitung PunktLoeschen(Kennlinie& kennlinie, std::size_t k, const VorAenderung& vorAenderung) {
    if (kennlinie.punkte.size() <= 1) return abgelehnt(kLetzterPunkt);
    const std::size_t letzter = kennlinie.punkte.size() - 1;
    if (k > letzter) return {};
    vorAenderung();
    if (k > 0 && k < letzter) kennlinie.punkte[k - 1].laenge += kennlinie.punkte[k].laenge;
    kennlinie.punkte.erase(kennlinie.punkte.begin() + static_cast<std::ptrdiff_t>(k));
    if (k == letzter) kennlinie.punkte.back().laenge = 1;
    return {true, {}};
}

Bearbeitung GeradeTeilen(Kennlinie& kennlinie, double x, const VorAenderung& vorAenderung) {
    const std::size_t b = KennlinienGeradeBei(kennlinie, x);
    if (b + 1 >= kennlinie.punkte.size()) return {};
    const Kennlinienpunkt anfang = kennlinie.punkte[b];
    if (anfang.laenge <= 1) return abgelehnt(kNichtTeilbar);
    const double xb = static_cast<double>(position(kennlinie, b));
    const std::int32_t e = static_cast<std::int32_t>(
        std::clamp(std::trunc(x - xb + 0.5), 1.0, static_cast<double>(anfang.laenge - 1)));
    const double yNeu = std::trunc(
        anfang.y + static_cast<double>(kennlinie.punkte[b + 1].y - anfang.y) * e / anfang.laenge);
    vorAenderung();
    kennlinie.punkte[b].laenge = e;
    const Kennlinienpunkt neu{static_cast<std::int32_t>(std::clamp(yNeu, 0.0, 4095.0)),
                              anfang.laenge - e, anfang.rastercode};
    kennlinie.punkte.insert(kennlinie.punkte.begin() + static_cast<std::ptrdiff_t>(b) + 1, neu);
    return {true, {}};
}

void DigitaleStufen(double x0, double y0, double x1, double y1, std::vector<double>& xs,
                    std::vector<double>& ys, double von, double bis) {
    const auto n = static_cast<std::int64_t>(std::fabs(std::trunc(x1 - x0)));
    const auto wert = [&](std::int64_t k) {
        return std::floor(y0 + (y1 - y0) * static_cast<double>(k) / (x1 - x0) + 0.5);
    };
    // The steps whose right end x0 + k + 1 lies inside the window, and the one before them.
    const std::int64_t erster =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(von - x0)) - 1, 0, n);
    const std::int64_t ende =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(std::ceil(bis - x0)), 0, n);
    if (erster == 0) {
        xs.push_back(x0);
        ys.push_back(y0);
    } else {
        xs.push_back(x0 + static_cast<double>(erster));
        ys.push_back(wert(erster - 1));
    }
    for (std::int64_t k = erster; k < ende; ++k) {
        xs.push_back(x0 + static_cast<double>(k) + 1.0);
        ys.push_back(wert(k));
    }
    if (ende == n) {
        xs.push_back(x1);
        ys.push_back(y1);
    }
}

}  // namespace plv7
