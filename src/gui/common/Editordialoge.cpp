#include "common/Editordialoge.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Windows1252.h"
#include "common/Zeichenhinweis.h"

namespace plv7::gui {

QPushButton* okKnopf(QDialog* dialog, const QString& name) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(name);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

QString aufBytesGekuerzt(const QString& text, std::size_t bytes) {
    return QString::fromStdString(cp1252::fitToBytes(text.toStdString(), bytes));
}

Kommentardialog::Kommentardialog(QWidget* parent, std::size_t hoechstBytes)
    : QDialog(parent), text_(new QPlainTextEdit(this)), hoechstBytes_(hoechstBytes) {
    setObjectName(QStringLiteral("KOMM1PNL"));
    text_->setObjectName(QStringLiteral("KOMM1PNL_TEXTBOX"));
    text_->setMinimumSize(420, 200);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] { begrenzen(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(okKnopf(this, QStringLiteral("KOMM1PNL_OK")), 0, Qt::AlignRight);
}

void Kommentardialog::setzen(const QString& titel, const QString& kommentar) {
    setWindowTitle(titel);
    text_->setPlainText(kommentar);
}

QString Kommentardialog::kommentar() const {
    return text_->toPlainText();
}

void Kommentardialog::begrenzen() {
    const QString text = text_->toPlainText();
    QString entfernt;
    const QString darstellbar = nurDarstellbare(text, entfernt);
    const QString gekuerzt = aufBytesGekuerzt(darstellbar, hoechstBytes_);
    if (gekuerzt == text) return;
    // The cursor stays where the refused characters were typed.
    const int position =
        text_->textCursor().position() - static_cast<int>(text.size() - darstellbar.size());
    {
        const QSignalBlocker sperre(text_);
        text_->setPlainText(gekuerzt);
        QTextCursor cursor = text_->textCursor();
        cursor.setPosition(std::clamp(position, 0, static_cast<int>(gekuerzt.size())));
        text_->setTextCursor(cursor);
    }
    if (!entfernt.isEmpty()) zeichenHinweisZeigen(text_, entfernt);
}

}  // namespace plv7::gui
