#pragma once

#include <QDialog>

#include "base/Version.h"

namespace plv7::gui {

inline const QString kProgrammVersion =
    QStringLiteral("V ") +
    QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size()));
inline const QString kProgrammDatum =
    QString::fromUtf8(kVersionMonat.data(), static_cast<qsizetype>(kVersionMonat.size()));
inline const QString kProgrammLizenz = QStringLiteral("Lizenz: GNU GPL, Version 3 oder später");

// The info window: program title, version, date, a picture and the licence, closed with OK.
class InfoPanel : public QDialog {
public:
    explicit InfoPanel(QWidget* parent = nullptr);
};

// Shows the info window modally, centred on the main window.
void ZeigeInfopanel();

}  // namespace plv7::gui
