#pragma once

#include "konfig/Konfiguration.h"

namespace plv7::kennlinien {

// The X and Y grids of the characteristic editor, in raw codes. The operator types the grid
// steps in user units; the window turns them into raw steps once and snaps with these.

struct KennlinienRaster {
    // Raw X step (input channel 2); 0 means no X grid.
    double x = 0.0;
    // Raw Y step and the raw code of the user value 0 (output channel 1); y 0 means no Y grid.
    double y = 0.0;
    double yNull = 0.0;
};

// The raw steps for the grid fields "X-Raster" and "Y-Raster" under a scaling. A step of 0,
// or one that the scaling turns into no usable raw step (0, not finite), gives no grid, so
// that snapping never divides by zero.
KennlinienRaster KennlinienRasterAus(const Konfiguration& konfig, double xSchritt, double ySchritt);

// X snapped to the grid, limited to 0..4095 and rounded to a whole code.
int RasterX(const KennlinienRaster& raster, double x);
// Y snapped to the grid, limited to 0..4095 and rounded to a whole code.
int RasterY(const KennlinienRaster& raster, double y);
// The first grid line after position a; without grid a itself (limited and rounded).
int NaechsteRasterlinie(const KennlinienRaster& raster, double a);
// The last grid line before position b; without grid b itself (limited and rounded).
int LetzteRasterlinie(const KennlinienRaster& raster, double b);

}  // namespace plv7::kennlinien
