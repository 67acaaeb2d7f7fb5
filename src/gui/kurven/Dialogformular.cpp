#include "kurven/Dialogformular.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "kurven/Kurve.h"
#include "kurven/Zeitbasis.h"

namespace plv7::gui {

using namespace plv7::kurven;

Dialogformular::Dialogformular(QDialog* dialog, const QString& name)
    : dialog_(dialog), name_(name), raster_(new QGridLayout), ergebnis_(new QLabel(dialog)) {
    dialog->setObjectName(name);
    ergebnis_->setObjectName(name + QStringLiteral("_ERGEBNIS"));
    ergebnis_->setWordWrap(true);
    // Room for a refusal of three lines, so that the dialog does not jump while typing.
    ergebnis_->setMinimumHeight(ergebnis_->fontMetrics().lineSpacing() * 3);
    raster_->setColumnStretch(1, 1);
}

void Dialogformular::reihe(const QString& text, QWidget* feld, QWidget* einheit) {
    raster_->addWidget(new QLabel(text, dialog_), zeilen_, 0);
    raster_->addWidget(feld, zeilen_, 1);
    if (einheit) raster_->addWidget(einheit, zeilen_, 2);
    ++zeilen_;
}

void Dialogformular::reihe(const QString& text, QWidget* feld, const QString& einheit) {
    reihe(text, feld, new QLabel(einheit, dialog_));
}

void Dialogformular::zeile(const QString& text) {
    raster_->addWidget(new QLabel(text, dialog_), zeilen_++, 0, 1, 3);
}

void Dialogformular::abschliessen() {
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog_);
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(name_ + QStringLiteral("_OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, dialog_, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, dialog_, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog_);
    layout->addLayout(raster_);
    layout->addWidget(ergebnis_);
    layout->addWidget(knoepfe);
}

QString ergebnisZeile(std::size_t punkte, int zeitbasis, long bytes) {
    const double anzeige = std::floor(SpeicherbedarfAnzeige(bytes) * 10.0) / 10.0;
    return QStringLiteral("Punkte: %1   Zeitbasis: %2   Speicherbedarf: %3 Bytes (%4 %)")
        .arg(punkte)
        .arg(QString::fromLatin1(ZeitbasisName(zeitbasis).data()))
        .arg(bytes)
        .arg(anzeige, 0, 'f', 1);
}

void zeitbasenEintragen(QComboBox* liste) {
    liste->addItem(QStringLiteral("automatisch"), 0);
    for (int code = kErsteZeitbasis; code <= kLetzteZeitbasis; ++code)
        liste->addItem(QString::fromLatin1(ZeitbasisName(code).data()), code);
}

}  // namespace plv7::gui
