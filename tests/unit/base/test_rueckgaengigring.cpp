// The undo ring both editors keep their points in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Rueckgaengigring.h"

namespace plv7 {
namespace {

// Steps: 'a' records and then edits (the state counts the edits), 'u' undo, 'r' redo; a
// capital 'U' or 'R' must be refused and leave the state as it is.
struct RingFall {
    const char* schritte;
    int zustand;
    int rueckgaengig;
    int wiederherstellen;
};

TEST(Rueckgaengigring, UndoAndRedoWalkTheLastTenStates) {
    const std::vector<RingFall> faelle{
        {"UR", 0, 0, 0},
        // Eleven edits: only the last ten can be undone, and all ten redone again.
        {"aaaaaaaaaaauuuuuuuuuuU", 1, 0, 10},
        {"aaaaaaaaaaauuuuuuuuuurrrrrrrrrrR", 11, 10, 0},
        // Redo exchanges with the slots undo left; up and down again.
        {"aaaaaaaaaaauuuuuuuuuurru", 2, 1, 9},
        // A new edit after an undo forgets what could be redone.
        {"aauaR", 3, 2, 0},
        {"aauauuU", 0, 0, 2},
    };
    for (const RingFall& f : faelle) {
        Rueckgaengigring<std::vector<int>> ring;
        std::vector<int> zustand{0};
        int bearbeitungen = 0;
        for (const char* s = f.schritte; *s != '\0'; ++s) {
            const std::vector<int> vorher = zustand;
            switch (*s) {
                case 'a':
                    ring.aufzeichnen(zustand);
                    zustand = {++bearbeitungen};
                    break;
                case 'u':
                case 'U':
                    EXPECT_EQ(ring.rueckgaengig(zustand), *s == 'u') << f.schritte;
                    break;
                default:
                    EXPECT_EQ(ring.wiederherstellen(zustand), *s == 'r') << f.schritte;
            }
            if (*s == 'U' || *s == 'R') {
                EXPECT_EQ(zustand, vorher) << f.schritte;
            }
        }
        EXPECT_EQ(zustand, std::vector<int>{f.zustand}) << f.schritte;
        EXPECT_EQ(ring.rueckgaengigSchritte(), f.rueckgaengig) << f.schritte;
        EXPECT_EQ(ring.wiederherstellenSchritte(), f.wiederherstellen) << f.schritte;
        EXPECT_EQ(ring.kannRueckgaengig(), f.rueckgaengig > 0) << f.schritte;
        EXPECT_EQ(ring.kannWiederherstellen(), f.wiederherstellen > 0) << f.schritte;
    }
}

}  // namespace
}  // namespace plv7
