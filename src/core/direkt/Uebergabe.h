#pragma once

#include <mutex>
#include <utility>
#include <vector>

namespace plv7::direkt {

// Hands items from one thread to another in batches. Depositing never waits for the taker
// beyond the swap of two vectors, and nothing is dropped: the batch grows until it is taken.
template <typename T>
class Uebergabe {
public:
    void ablegen(T wert) {
        const std::lock_guard sperre(mutex_);
        eingang_.push_back(std::move(wert));
    }

    // Everything deposited since the last call, oldest first. The vector handed in is
    // cleared and given back to the depositing side, so that its memory is used again.
    void abholen(std::vector<T>& ziel) {
        ziel.clear();
        const std::lock_guard sperre(mutex_);
        std::swap(ziel, eingang_);
    }

private:
    std::mutex mutex_;
    std::vector<T> eingang_;
};

}  // namespace plv7::direkt
