#include "kennlinien/KennlinienRaster.h"

#include <algorithm>
#include <cmath>

#include "kennlinien/Kennlinie.h"
#include "konfig/KonfigUmrechnung.h"

namespace plv7::kennlinien {

namespace {

bool brauchbar(double schritt) {
    return std::isfinite(schritt) && schritt != 0.0;
}

int begrenztGerundet(double wert) {
    if (!std::isfinite(wert)) wert = 0.0;
    wert = std::clamp(wert, 0.0, static_cast<double>(kennlinie::kRohMax));
    return static_cast<int>(std::floor(wert + 0.5));
}

}  // namespace

KennlinienRaster KennlinienRasterAus(const Konfiguration& konfig, double xSchritt,
                                     double ySchritt) {
    KennlinienRaster raster;
    if (xSchritt != 0.0) {
        // A negative raw step (a falling scale) spaces the lines just as far apart.
        const double g = std::fabs(EingangEinheitInCode(konfig, 1, xSchritt));
        if (brauchbar(g)) raster.x = g;
    }
    if (ySchritt != 0.0) {
        const double r0 = AusgangEinheitInCode(konfig, 0, 0.0);
        const double h = AusgangEinheitInCode(konfig, 0, ySchritt) - r0;
        if (brauchbar(h) && std::isfinite(r0)) {
            raster.y = h;
            raster.yNull = r0;
        }
    }
    return raster;
}

int RasterX(const KennlinienRaster& raster, double x) {
    const double g = raster.x;
    if (brauchbar(g)) x = std::floor(x / g + 0.5) * g;
    return begrenztGerundet(x);
}

int RasterY(const KennlinienRaster& raster, double y) {
    const double h = raster.y;
    if (brauchbar(h)) y = std::floor((y - raster.yNull) / h + 0.5) * h + raster.yNull;
    return begrenztGerundet(y);
}

int NaechsteRasterlinie(const KennlinienRaster& raster, double a) {
    const double g = raster.x;
    if (!brauchbar(g)) return begrenztGerundet(a);
    return begrenztGerundet(std::floor((std::floor(a / g) + 1.0) * g + 0.5));
}

int LetzteRasterlinie(const KennlinienRaster& raster, double b) {
    const double g = raster.x;
    if (!brauchbar(g)) return begrenztGerundet(b);
    return begrenztGerundet(std::floor(std::floor((b - 1.0) / g) * g + 0.5));
}

}  // namespace plv7::kennlinien
