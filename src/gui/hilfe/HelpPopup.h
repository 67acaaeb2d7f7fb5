#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>

class QFrame;
class QLabel;
class QWidget;

namespace plv7::gui {

// Shows a help text in a frameless pop-up inside the main window, opening from the mouse
// position toward the window's centre, and returns after the next left click.
void showHelpPopup(const QString& text, QWidget* mainWindow, const QPoint& position);

// The pop-up itself, laid out but not shown.
std::unique_ptr<QFrame> makeHelpPopup(const QString& text, QWidget* mainWindow);

// Room above a label's first line for what rises above the font's ascent, such as the dots of
// "Ü" and "Ö", which the label would otherwise cut off.
void umlautRaumGeben(QLabel* label);

// Where the pop-up of a given size goes: at the position, or to its left/above it when the
// position lies in the right/lower half of the window.
QPoint helpPopupOrigin(const QPoint& position, const QSize& popupSize, const QSize& windowSize);

}  // namespace plv7::gui
