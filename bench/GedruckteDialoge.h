#pragma once

// The dialog seam of a window benchmark: pop-ups must not wait for an operator, so messages
// are printed and questions take their cancel answer.
#include <cstdio>

#include "hilfe/Dialoge.h"

namespace plv7::bench {

class GedruckteDialoge : public gui::Dialoge {
public:
    void message(const QString& title, const QString& text) override {
        std::fprintf(stderr, "Meldung: %s: %s\n", qPrintable(title), qPrintable(text));
    }
    int question(const QString&, const QString&, const QStringList&, int, int cancel) override {
        return cancel;
    }
    FileAnswer file(const FileRequest&) override { return {}; }
    void help(const QString&, QWidget*, const QPoint&) override {}
    void showModal(QDialog&) override {}
};

}  // namespace plv7::bench
