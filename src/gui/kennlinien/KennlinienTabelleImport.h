#pragma once

#include <QObject>

class QAction;

namespace plv7::gui {

class KennlinienPanel;

// "Tabelle importieren…" of the characteristic window's file menu: a table in the channels'
// units becomes the characteristic in one undo step; refusals name the line, and what the
// import added, merged or thinned is told afterwards.
class KennlinienTabelleImport : public QObject {
    Q_OBJECT

public:
    explicit KennlinienTabelleImport(KennlinienPanel& fenster);

    QAction* aktion() const { return aktion_; }

    // The command: file dialog, import, redraw. Returns 0, or the code it showed.
    int importieren();

private:
    KennlinienPanel& fenster_;
    QAction* aktion_;
};

}  // namespace plv7::gui
