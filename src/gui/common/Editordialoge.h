#pragma once

#include <QDialog>
#include <cstddef>

class QPlainTextEdit;
class QPushButton;

namespace plv7::gui {

// The OK button of the editor windows' small dialogs: default button, accepts the dialog.
QPushButton* okKnopf(QDialog* dialog, const QString& name);

// The longest front of `text` that fits into `bytes` bytes of the files' Windows code page (one
// byte a character), cut between characters.
QString aufBytesGekuerzt(const QString& text, std::size_t bytes);

// KOMM1PNL, the comment of a curve or a characteristic. The files keep a comment in a fixed
// number of bytes of the Windows code page, so the text box takes no more than `hoechstBytes`
// characters, and refuses a character the code page cannot hold with a hint.
class Kommentardialog : public QDialog {
public:
    Kommentardialog(QWidget* parent, std::size_t hoechstBytes);

    void setzen(const QString& titel, const QString& kommentar);
    QString kommentar() const;

private:
    void begrenzen();

    QPlainTextEdit* text_;
    std::size_t hoechstBytes_;
};

}  // namespace plv7::gui
