#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace plv7 {

// The undo ring of an editor: the states before the last Tiefe edits. Undo and redo exchange
// the current state with a slot, so the slot then holds the state they left and the same slot
// serves the way back; only recording copies a state.
template <typename Zustand, int Tiefe = 10>
class Rueckgaengigring {
    static_assert(Tiefe > 0);

public:
    static constexpr int kTiefe = Tiefe;

    // Before an edit: keeps the state the edit is about to change and forgets what could be
    // redone.
    void aufzeichnen(const Zustand& zustand) {
        ring_[slot(position_)] = zustand;
        position_ = (position_ + 1) % kTiefe;
        rueckgaengig_ = std::min(rueckgaengig_ + 1, kTiefe);
        wiederherstellen_ = 0;
    }

    // Exchanges the state with the one before the last edit; false when there is none.
    bool rueckgaengig(Zustand& zustand) {
        if (rueckgaengig_ < 1) return false;
        position_ = (position_ + kTiefe - 1) % kTiefe;
        tauschen(zustand);
        --rueckgaengig_;
        wiederherstellen_ = std::min(wiederherstellen_ + 1, kTiefe);
        return true;
    }

    // Exchanges the state with the one the last undo left; false when there is none.
    bool wiederherstellen(Zustand& zustand) {
        if (wiederherstellen_ < 1) return false;
        tauschen(zustand);
        position_ = (position_ + 1) % kTiefe;
        --wiederherstellen_;
        rueckgaengig_ = std::min(rueckgaengig_ + 1, kTiefe);
        return true;
    }

    // What the window dims: undo at 0 steps, redo at 0 steps.
    int rueckgaengigSchritte() const { return rueckgaengig_; }
    int wiederherstellenSchritte() const { return wiederherstellen_; }
    bool kannRueckgaengig() const { return rueckgaengig_ > 0; }
    bool kannWiederherstellen() const { return wiederherstellen_ > 0; }

private:
    static std::size_t slot(int i) { return static_cast<std::size_t>(i); }
    void tauschen(Zustand& zustand) {
        using std::swap;
        swap(zustand, ring_[slot(position_)]);
    }

    std::array<Zustand, Tiefe> ring_{};
    int position_ = 0;
    int rueckgaengig_ = 0;
    int wiederherstellen_ = 0;
};

}  // namespace plv7
