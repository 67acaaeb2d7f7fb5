#include "kennlinien/KennlinienDialoge.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include "common/Editordialoge.h"
#include "common/Zahlenfeld.h"
#include "kennlinien/Kennlinie.h"

namespace plv7::gui {

using namespace kennlinien;
Kennlinienpunktdialog::Kennlinienpunktdialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KEPUNKTPNL"));
    setWindowTitle(QStringLiteral("Punkt"));
    setModal(true);
    setLocale(QLocale::c());
    // Any number may be typed: the window refuses what lies outside the characteristic.
    x_ = new Zahlenfeld(QStringLiteral("KEPUNKTPNL_X"), 3, 1.0, this);
    y_ = new Zahlenfeld(QStringLiteral("KEPUNKTPNL_Y"), 3, 1.0, this);
    for (Zahlenfeld* feld : {x_, y_}) feld->setRange(-1e12, 1e12);
    xText_ = new QLabel(QStringLiteral("X"), this);
    yText_ = new QLabel(QStringLiteral("Y"), this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(xText_, 0, 0);
    layout->addWidget(x_, 0, 1);
    layout->addWidget(yText_, 1, 0);
    layout->addWidget(y_, 1, 1);
    layout->addWidget(okKnopf(this, QStringLiteral("KEPUNKTPNL_OK")), 2, 0, 1, 2, Qt::AlignRight);
}

void Kennlinienpunktdialog::fuellen(int nummer, double x, double y, const QString& xEinheit,
                                    const QString& yEinheit) {
    setWindowTitle(QStringLiteral("Punkt %1").arg(nummer));
    xText_->setText(QStringLiteral("X [%1]").arg(xEinheit));
    yText_->setText(QStringLiteral("Y [%1]").arg(yEinheit));
    x_->setValue(x);
    y_->setValue(y);
}

double Kennlinienpunktdialog::x() const {
    return x_->value();
}

double Kennlinienpunktdialog::y() const {
    return y_->value();
}

}  // namespace plv7::gui
