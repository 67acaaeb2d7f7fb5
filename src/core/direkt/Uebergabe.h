#pragma once

#include <mutex>
#include <utility>
#include <vector>

namespace plv7::direkt {

// Hands items from one thread to another in batches. Depositing never waits: when the taker
// holds the lock (and may have been put aside by the scheduler while it does), the items wait
// on the depositing side and go with the next call. Nothing is dropped: the batch grows until
// it is taken.
template <typename T>
class Uebergabe {
public:
    // Depositing side only.
    void ablegen(T wert) {
        wartend_.push_back(std::move(wert));
        const std::unique_lock sperre(mutex_, std::try_to_lock);
        if (sperre.owns_lock()) weiterreichen();
    }

    // Depositing side only: tries again to hand over what waits. True when nothing waits.
    bool nachreichen() {
        if (wartend_.empty()) return true;
        const std::unique_lock sperre(mutex_, std::try_to_lock);
        if (sperre.owns_lock()) weiterreichen();
        return wartend_.empty();
    }

    // Depositing side only: hands over what still waits, waiting for the lock if need be.
    // Called once the depositing thread is done.
    void abschliessen() {
        const std::lock_guard sperre(mutex_);
        weiterreichen();
    }

    // Everything handed over since the last call, oldest first. The vector handed in is
    // cleared and given back to the depositing side, so that its memory is used again.
    void abholen(std::vector<T>& ziel) {
        ziel.clear();
        const std::lock_guard sperre(mutex_);
        std::swap(ziel, eingang_);
    }

private:
    // Under the lock.
    void weiterreichen() {
        if (eingang_.empty()) {
            std::swap(eingang_, wartend_);
            return;
        }
        for (T& wert : wartend_) eingang_.push_back(std::move(wert));
        wartend_.clear();
    }

    std::mutex mutex_;
    std::vector<T> eingang_;  // guarded by mutex_
    std::vector<T> wartend_;  // the depositing thread's own
};

}  // namespace plv7::direkt
