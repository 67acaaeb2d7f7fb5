#pragma once

#include <QDialog>

namespace plv7::gui {

inline const QString kProgrammVersion = QStringLiteral("V 0.9.1b");
inline const QString kProgrammDatum = QStringLiteral("11/2007");

// The info window: program title, version, date and a picture, closed with OK.
class InfoPanel : public QDialog {
public:
    explicit InfoPanel(QWidget* parent = nullptr);
};

// Shows the info window modally, centred on the main window.
void ZeigeInfopanel();

}  // namespace plv7::gui
