#pragma once

#include <array>
#include <vector>

#include "kennlinien/Kennlinie.h"

namespace plv7::kennlinien {

// The undo ring of the characteristic editor: the points of the last ten states before an
// edit. Undo and redo exchange the current points with a slot, so the slot then holds the
// state they left and the same slot serves the way back. The comment is not part of it.
class KennlinienRueckgaengig {
public:
    static constexpr int kTiefe = 10;

    // Before an edit: keeps the points that the edit is about to change and forgets what
    // could be redone.
    void aufzeichnen(const std::vector<Kennlinienpunkt>& punkte);
    // Exchanges the points with the state before the last edit; false when there is none.
    bool rueckgaengig(std::vector<Kennlinienpunkt>& punkte);
    // Exchanges the points with the state the last undo left; false when there is none.
    bool wiederherstellen(std::vector<Kennlinienpunkt>& punkte);

    bool kannRueckgaengig() const { return rueckgaengig_ > 0; }
    bool kannWiederherstellen() const { return wiederherstellen_ > 0; }

private:
    std::array<std::vector<Kennlinienpunkt>, kTiefe> ring_;
    int position_ = 0;
    int rueckgaengig_ = 0;
    int wiederherstellen_ = 0;
};

}  // namespace plv7::kennlinien
