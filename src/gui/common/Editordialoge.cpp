#include "common/Editordialoge.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

namespace plv7::gui {

QPushButton* okKnopf(QDialog* dialog, const QString& name) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(name);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

QString aufBytesGekuerzt(const QString& text, std::size_t bytes) {
    const auto hoechstens = static_cast<qsizetype>(bytes);
    if (text.toUtf8().size() <= hoechstens) return text;
    // Every character takes at least one byte: a long paste is cut in one go first.
    QString gekuerzt = text.left(hoechstens);
    if (!gekuerzt.isEmpty() && gekuerzt.back().isHighSurrogate()) gekuerzt.chop(1);
    while (gekuerzt.toUtf8().size() > hoechstens)
        gekuerzt.chop(gekuerzt.size() > 1 && gekuerzt.back().isLowSurrogate() ? 2 : 1);
    return gekuerzt;
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
    const QString gekuerzt = aufBytesGekuerzt(text, hoechstBytes_);
    if (gekuerzt == text) return;
    const QSignalBlocker sperre(text_);
    text_->setPlainText(gekuerzt);
    text_->moveCursor(QTextCursor::End);
}

}  // namespace plv7::gui
