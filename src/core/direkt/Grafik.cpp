#include "direkt/Grafik.h"

#include <algorithm>

namespace plv7::direkt {

Grafik::Grafik(int xTeilungen)
    : bildX_(kGrafikZeilen), xTeilungen_(std::clamp(xTeilungen, 1, kGrafikZeilen / 2)) {
    for (int i = 0; i < kGrafikZeilen; ++i) bildX_[i] = i;
    for (auto& spur : bildSpur_) spur.assign(kGrafikZeilen, 0.0);
    punkteProDiv_ = begrenztePunkteProDiv(punkteProDiv_, xTeilungen_);
}

int Grafik::setPunkteProDiv(int punkteProDiv) {
    punkteProDiv_ = begrenztePunkteProDiv(punkteProDiv, xTeilungen_);
    neustart();
    return punkteProDiv_;
}

void Grafik::setTrigger(const Triggereinstellung& trigger) {
    const bool neu =
        trigger.quelle != trigger_.quelle || trigger.verzoegerung != trigger_.verzoegerung;
    trigger_ = trigger;
    if (neu) neustart();
}

void Grafik::setEinzelbild(bool ein) {
    einzelbild_ = ein;
    neustart();
}

void Grafik::setVerzoegerteAnzeige(bool ein) {
    verzoegert_ = ein;
    neustart();
}

void Grafik::neustart() {
    triggerverzoegerung_ = 0;
    triggerScharf_ = false;
    bildrest_ = 0;
    eingefroren_ = false;
    puffer_.eingaengeLoeschen();
}

std::span<const double> Grafik::bildX() const {
    return {bildX_.data(), static_cast<std::size_t>(bildlaenge())};
}

std::span<const double> Grafik::bildSpur(int kanal) const {
    return {bildSpur_[kanal].data(), static_cast<std::size_t>(bildlaenge())};
}

int Grafik::bildzeilen() const {
    const int n = puffer_.schreibposition() - bildanfang_;
    return n > 0 ? n : n + kGrafikZeilen;
}

void Grafik::kopiereInsBild(int ersteZeile, int position, int anzahl) {
    for (int i = 0; i < anzahl; ++i) {
        const int zeile = Grafikpuffer::zeile(ersteZeile, i);
        for (int k = 0; k < 4; ++k) bildSpur_[k][position + i] = puffer_.eingang(k, zeile);
    }
}

Zeichnung Grafik::neuerWert(const Grafikwert& wert) {
    if (eingefroren_) return {};
    const int zeile = puffer_.schreibe(wert);

    if (bildrest_ > 0) {
        Zeichnung z;
        if (!verzoegert_) {
            const int position = Grafikpuffer::zeile(zeile, -bildanfang_);
            kopiereInsBild(zeile, position, 1);
            z.von = position;
            z.anzahl = 1;
        }
        if (--bildrest_ == 0) return bildFertig(z);
        return z;
    }
    if (trigger_.quelle < 1 || trigger_.quelle > 4) return bildStarten(zeile, {});
    return triggern(zeile, wert);
}

Zeichnung Grafik::triggern(int zeile, const Grafikwert& wert) {
    const double v = wert.eingangProzent[trigger_.quelle - 1];
    const double schwelle = trigger_.schwelle;
    const bool negativ = trigger_.flanke < 0;
    bool gefeuert = false;
    if (triggerverzoegerung_ == 0) {
        if (negativ ? v > schwelle : v < schwelle) triggerScharf_ = true;
        gefeuert = triggerScharf_ && (negativ ? v <= schwelle : v >= schwelle);
    }

    Zeichnung z;
    z.triggertext = gefeuert ? Triggertext::Leer : Triggertext::Warten;
    if (gefeuert) {
        triggerScharf_ = false;
        const int d = trigger_.verzoegerung * punkteProDiv_;
        triggerverzoegerung_ = d + 1;
        if (d < 0) {
            // The trigger sample and the -d samples before it open the frame; a frame never
            // holds more than P rows.
            const int n = std::min(1 - d, bildlaenge());
            bildanfang_ = Grafikpuffer::zeile(zeile, 1 - n);
            triggerverzoegerung_ = 0;
            bildrest_ = bildlaenge() - n;
            if (!verzoegert_) {
                kopiereInsBild(bildanfang_, 0, n);
                z.bildBeginn = true;
                z.von = 0;
                z.anzahl = n;
            }
            if (bildrest_ == 0) return bildFertig(z);
            return z;
        }
    }
    if (triggerverzoegerung_ == 0) return z;
    if (--triggerverzoegerung_ != 0) return z;
    return bildStarten(zeile, z);
}

Zeichnung Grafik::bildStarten(int zeile, Zeichnung z) {
    bildrest_ = bildlaenge() - 1;
    bildanfang_ = zeile;
    if (!verzoegert_) {
        kopiereInsBild(zeile, 0, 1);
        z.bildBeginn = true;
        z.von = 0;
        z.anzahl = 1;
    }
    if (bildrest_ == 0) return bildFertig(z);
    return z;
}

Zeichnung Grafik::bildFertig(Zeichnung z) {
    if (einzelbild_) eingefroren_ = true;
    if (verzoegert_) {
        kopiereInsBild(bildanfang_, 0, bildlaenge());
        z.bildBeginn = true;
        z.von = 0;
        z.anzahl = bildlaenge();
        z.ganzesBild = true;
        // The recorded rows stay: a frozen frame is exported from them, and a following
        // pre-trigger frame shows real history.
        triggerverzoegerung_ = 0;
        triggerScharf_ = false;
    }
    return z;
}

}  // namespace plv7::direkt
