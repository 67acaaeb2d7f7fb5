#include "kennlinien/KennlinienRueckgaengig.h"

#include <algorithm>

namespace plv7::kennlinien {

void KennlinienRueckgaengig::aufzeichnen(const std::vector<Kennlinienpunkt>& punkte) {
    ring_[position_] = punkte;
    rueckgaengig_ = std::min(rueckgaengig_ + 1, kTiefe);
    position_ = (position_ + 1) % kTiefe;
    wiederherstellen_ = 0;
}

bool KennlinienRueckgaengig::rueckgaengig(std::vector<Kennlinienpunkt>& punkte) {
    if (rueckgaengig_ < 1) return false;
    const int vorher = position_ == 0 ? kTiefe - 1 : position_ - 1;
    punkte.swap(ring_[vorher]);
    position_ = vorher;
    --rueckgaengig_;
    wiederherstellen_ = std::min(wiederherstellen_ + 1, kTiefe);
    return true;
}

bool KennlinienRueckgaengig::wiederherstellen(std::vector<Kennlinienpunkt>& punkte) {
    if (wiederherstellen_ < 1) return false;
    punkte.swap(ring_[position_]);
    position_ = (position_ + 1) % kTiefe;
    --wiederherstellen_;
    rueckgaengig_ = std::min(rueckgaengig_ + 1, kTiefe);
    return true;
}

}  // namespace plv7::kennlinien
