#include "kurven/KurvenDialoge.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Editordialoge.h"
#include "common/Zahlenfeld.h"

namespace plv7::gui {

Zeitfelder::Zeitfelder(QDialog* dialog, const QString& prefix) {
    auto* layout = new QGridLayout;
    const char* namen[] = {"XSTUNDEN", "XMINUTEN", "XSEKUNDEN", "XMILISEKUNDEN"};
    const char* texte[] = {"Stunden", "Minuten", "Sekunden", "ms"};
    const double grenzen[] = {999999, 59, 59, 999};
    for (int i = 0; i < 4; ++i) {
        auto* feld = new Zahlenfeld(prefix + QLatin1String(namen[i]), 0, 1, dialog);
        feld->setGanzzahlig(true);
        feld->setRange(0, grenzen[i]);
        layout->addWidget(new QLabel(QLatin1String(texte[i]), dialog), 0, i);
        layout->addWidget(feld, 1, i);
        felder_[static_cast<std::size_t>(i)] = feld;
    }
    layout_ = layout;
}

void Zeitfelder::setzen(std::int64_t millisekunden) {
    const kurven::Zeitangabe z = kurven::ZeitZerlegen(static_cast<double>(millisekunden));
    felder_[0]->setValue(static_cast<double>(z.stunden));
    felder_[1]->setValue(static_cast<double>(z.minuten));
    felder_[2]->setValue(static_cast<double>(z.sekunden));
    felder_[3]->setValue(static_cast<double>(z.millisekunden));
}

std::int64_t Zeitfelder::zeit() const {
    const auto teil = [this](int i) {
        return static_cast<std::int64_t>(felder_[static_cast<std::size_t>(i)]->value());
    };
    return kurven::ZeitZusammensetzen({teil(0), teil(1), teil(2), teil(3)});
}

Kurvenpunktdialog::Kurvenpunktdialog(QWidget* parent)
    : QDialog(parent), zeit_(this, QStringLiteral("KPUNKTPNL_")) {
    setObjectName(QStringLiteral("KPUNKTPNL"));
    wert_ = new Zahlenfeld(QStringLiteral("KPUNKTPNL_YWERT"), 4, 0.1, this);
    wert_->setRange(-1e12, 1e12);
    einheit_ = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Zeit"), this));
    layout->addLayout(zeit_.layout());
    auto* wert = new QHBoxLayout;
    wert->addWidget(new QLabel(QStringLiteral("Wert"), this));
    wert->addWidget(wert_, 1);
    wert->addWidget(einheit_);
    layout->addLayout(wert);
    layout->addWidget(okKnopf(this, QStringLiteral("KPUNKTPNL_OK")), 0, Qt::AlignRight);
}

void Kurvenpunktdialog::setzen(int nummer, std::int64_t zeit, double wert, const QString& einheit) {
    setWindowTitle(QStringLiteral("Punkt %1").arg(nummer));
    zeit_.setzen(zeit);
    wert_->setValue(wert);
    einheit_->setText(einheit);
}

double Kurvenpunktdialog::wert() const {
    return wert_->value();
}

Geradendialog::Geradendialog(QWidget* parent)
    : QDialog(parent), dauer_(this, QStringLiteral("KGERADEPNL_")) {
    setObjectName(QStringLiteral("KGERADEPNL"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Länge der Geraden"), this));
    layout->addLayout(dauer_.layout());
    layout->addWidget(okKnopf(this, QStringLiteral("KGERADEPNL_OK")), 0, Qt::AlignRight);
}

void Geradendialog::setzen(int nummer, std::int64_t dauer) {
    setWindowTitle(QStringLiteral("Gerade %1").arg(nummer));
    dauer_.setzen(dauer);
}

}  // namespace plv7::gui
