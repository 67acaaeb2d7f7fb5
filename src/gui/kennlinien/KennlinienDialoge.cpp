#include "kennlinien/KennlinienDialoge.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include "common/Zahlenfeld.h"
#include "kennlinien/Kennlinie.h"

namespace plv7::gui {
namespace {

QPushButton* okKnopf(QDialog* dialog, const QString& name) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(name);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

}  // namespace

Punktdialog::Punktdialog(QWidget* parent) : QDialog(parent) {
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

void Punktdialog::fuellen(int nummer, double x, double y, const QString& xEinheit,
                          const QString& yEinheit) {
    setWindowTitle(QStringLiteral("Punkt %1").arg(nummer));
    xText_->setText(QStringLiteral("X [%1]").arg(xEinheit));
    yText_->setText(QStringLiteral("Y [%1]").arg(yEinheit));
    x_->setValue(x);
    y_->setValue(y);
}

double Punktdialog::x() const {
    return x_->value();
}

double Punktdialog::y() const {
    return y_->value();
}

Kommentardialog::Kommentardialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KOMM1PNL"));
    setWindowTitle(QStringLiteral("Kommentar - Kennlinie"));
    setModal(true);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("KOMM1PNL_TEXT"));
    text_->setMinimumSize(420, 200);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] { begrenzen(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(okKnopf(this, QStringLiteral("KOMM1PNL_OK")), 0, Qt::AlignRight);
}

void Kommentardialog::setText(const QString& text) {
    text_->setPlainText(text);
}

QString Kommentardialog::text() const {
    return text_->toPlainText();
}

void Kommentardialog::begrenzen() {
    // The file keeps the comment in 999 bytes; whole characters are taken off the end.
    QString text = text_->toPlainText();
    if (text.toUtf8().size() <= static_cast<qsizetype>(plv7::kennlinie::kKommentarMax)) return;
    // Every character takes at least one byte: a long paste is cut in one go first.
    const auto hoechstens = static_cast<qsizetype>(plv7::kennlinie::kKommentarMax);
    if (text.size() > hoechstens) text.truncate(hoechstens);
    if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);
    while (text.toUtf8().size() > static_cast<qsizetype>(plv7::kennlinie::kKommentarMax))
        text.chop(text.back().isLowSurrogate() ? 2 : 1);
    const QSignalBlocker block(text_);
    text_->setPlainText(text);
    text_->moveCursor(QTextCursor::End);
}

}  // namespace plv7::gui
