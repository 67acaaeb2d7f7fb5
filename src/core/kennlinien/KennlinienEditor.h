#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Sichtfenster.h"
#include "kennlinien/Kennlinie.h"
#include "kennlinien/KennlinienRaster.h"

// The mouse edits of the characteristic editor, on raw coordinates: nearest point, marking,
// appending, moving, the coordinates dialog, deleting and splitting. Every edit that changes
// the characteristic calls `vorAenderung` once, just before it changes anything (the window
// records its undo snapshot there), and a refusal returns the text for the "Fehler" box.
namespace plv7 {

using VorAenderung = std::function<void()>;

// What an edit did: changed the characteristic, refused with a text, or nothing at all.
struct Bearbeitung {
    bool geaendert = false;
    std::string fehler;  // text of the "Fehler" box; empty when nothing was refused
};

// A whole-numbered point of the raw plane.
struct Rohpunkt {
    int x = 0;
    int y = 0;
    friend bool operator==(const Rohpunkt&, const Rohpunkt&) = default;
};

// How the large graph maps raw units to pixels for the nearest-point search: the width of the
// visible X window in raw units and the plot area in pixels. Y always spans the full 4095.
struct Bildmass {
    double sichtbareBreite = 4095.0;
    double breitePx = 1.0;
    double hoehePx = 1.0;
};

// The point nearest to (x, y) on screen; the lower index on equal distances.
std::size_t NaechsterPunkt(const Kennlinie& kennlinie, double x, double y, const Bildmass& mass);

// "Punkt zeichnen": where a point appended for the pointer at (x, y) would go, or false when
// it would end past 4095.
bool AnhaengeZiel(const Kennlinie& kennlinie, const KennlinienRaster& raster, double x, double y,
                  Rohpunkt& ziel);
Bearbeitung PunktAnhaengen(Kennlinie& kennlinie, const KennlinienRaster& raster, double x, double y,
                           const VorAenderung& vorAenderung);

// "Punkt verschieben": the pointer at (x, y) held between point k's neighbours (the last
// point up to 4095; the first point stays at X 0).
Rohpunkt VerschiebeZiel(const Kennlinie& kennlinie, std::size_t k, const KennlinienRaster& raster,
                        double x, double y);
// Moves point k to a position VerschiebeZiel gave.
Bearbeitung PunktVerschieben(Kennlinie& kennlinie, std::size_t k, Rohpunkt ziel,
                             const VorAenderung& vorAenderung);

// A number typed in the coordinates dialog as a raw code: the converted value plus 0.5, cut
// toward zero; held far outside 0..4095 so that an absurd value is refused, never wraps.
std::int64_t EingabeAlsRohwert(double roh);
// The coordinates dialog's new X and Y for point k, checked as the dialog promises.
Bearbeitung PunktkoordinatenSetzen(Kennlinie& kennlinie, std::size_t k, std::int64_t neuX,
                                   std::int64_t neuY, const VorAenderung& vorAenderung);

// "Punkt auflösen": removes point k; the only point is refused.
Bearbeitung PunktLoeschen(Kennlinie& kennlinie, std::size_t k, const VorAenderung& vorAenderung);

// "Gerade teilen": a new point on the line under X position x.
Bearbeitung GeradeTeilen(Kennlinie& kennlinie, double x, const VorAenderung& vorAenderung);

// The digitised steps the box outputs for the line from (x0, y0) to (x1, y1), as the corner
// points of a step plot whose steps take the value of their right point: the lead-in at
// (x0, y0), then (x0 + k + 1, value at x0 + k) for every raster unit k, then (x1, y1). With
// a window von..bis only the steps inside it: a line of a corrupt file may be millions of
// units long.
void DigitaleStufen(double x0, double y0, double x1, double y1, std::vector<double>& xs,
                    std::vector<double>& ys, double von = 0.0, double bis = 4096.0);

namespace kennlinien_editor {
inline constexpr const char* kGeradeZuLang = "Gerade zu lang!";
inline constexpr const char* kResultierendZuLang = "Resultierende Gerade ist zu lang!";
inline constexpr const char* kUnvorhergesehen = "Unvorhergesehene Operation.";
inline constexpr const char* kErsterPunktX =
    "Der erste Punkt kann nicht in X-Richtung verschoben werden.";
inline constexpr const char* kXUeberMaximum =
    "Die angegebene X-Koordinate ist größer als der Maximalwert.";
inline constexpr const char* kXZuKlein =
    "Die angegebene X-Koordinate ist zu klein \n(Der Punkt kann nicht auf einen X-Wert "
    "kleiner oder gleich dem \ndes vorherigen Punktes verschoben werden).";
inline constexpr const char* kXZuGross =
    "Die angegebene X-Koordinate ist zu groß \n(Der Punkt kann nicht auf einen X-Wert größer "
    "oder gleich dem \ndes nächsten Punktes verschoben werden).";
inline constexpr const char* kZuLangeGerade =
    "Das verschieben des Punktes hätte eine zu lange Gerade zur Folge.";
inline constexpr const char* kYZuKlein = "Y-Wert zu klein.";
inline constexpr const char* kYZuGross = "Y-Wert zu groß.";
inline constexpr const char* kLetzterPunkt = "Letzter Punkt kann nicht gelöscht werden";
inline constexpr const char* kNichtTeilbar =
    "Gerade kann nicht geteilt werden, da sie eine Länge \n von nur einer internen "
    "Rastereinheit hat.";
}  // namespace kennlinien_editor

}  // namespace plv7
