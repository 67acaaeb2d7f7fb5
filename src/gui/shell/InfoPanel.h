#pragma once

#include <QDialog>

#include "base/Version.h"

namespace plv7::gui {

inline const QString kProgrammVersion =
    QStringLiteral("V ") +
    QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size()));
inline const QString kProgrammDatum = QStringLiteral("11/2007");

// The info window: program title, version, date and a picture, closed with OK.
class InfoPanel : public QDialog {
public:
    explicit InfoPanel(QWidget* parent = nullptr);
};

// Shows the info window modally, centred on the main window.
void ZeigeInfopanel();

}  // namespace plv7::gui
