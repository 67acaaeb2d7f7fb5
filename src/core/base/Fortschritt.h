#pragma once

#include <string_view>

namespace plv7 {

// The progress of a long transfer with the box in whole percent; the program shows it in a
// modal dialog, tests record it.
class Fortschritt {
public:
    virtual ~Fortschritt() = default;
    virtual void beginnen(std::string_view titel) = 0;  // title and label
    virtual void setzen(int prozent) = 0;
    virtual void beenden() = 0;
};

// A progress that is open for as long as the guard lives, and closed on every way out of the
// transfer, a failure included. Without a progress nothing is shown.
class OffenerFortschritt {
public:
    OffenerFortschritt(Fortschritt* fortschritt, std::string_view titel)
        : fortschritt_(fortschritt) {
        if (fortschritt_) fortschritt_->beginnen(titel);
    }
    ~OffenerFortschritt() {
        if (fortschritt_) fortschritt_->beenden();
    }
    OffenerFortschritt(const OffenerFortschritt&) = delete;
    OffenerFortschritt& operator=(const OffenerFortschritt&) = delete;

    // `erledigt` of `gesamt` bytes; nothing to do counts as done.
    void setzen(long erledigt, long gesamt) {
        if (fortschritt_)
            fortschritt_->setzen(gesamt > 0 ? static_cast<int>(erledigt * 100 / gesamt) : 100);
    }

private:
    Fortschritt* fortschritt_;
};

}  // namespace plv7
