#pragma once

#include <functional>
#include <string>

// Error texts and message boxes. Every failure in the program is an int code
// -(class * 1000 + site); the class selects the text, the operator sees the number unsigned.

// The class of a code: code / 1000, truncated toward zero.
int ORV_Fehlerklasse(int code);

// The text of the code's class in the current language. The pointer stays valid until the
// next call.
const char* ORV_Fehlermeldung(int code);

// Shows the modal message box for a code (nothing for class -6); returns when it was closed.
void ORV_Fehlerpopup(int code);
// The same box with the caller's title followed by " #<number>".
void ORV_Fehlerpopup2(int code, const char* title);

// Selects the language: 2 is English, every other value German. Returns the setting.
int* ORV_Fehlersprache(int language);

namespace plv7 {

// Shows a modal message box with one OK button. The program installs one built on its
// dialog seam; without one, boxes go to standard error.
using MessageBoxPresenter = std::function<void(const std::string& title, const std::string& text)>;
void setMessageBoxPresenter(MessageBoxPresenter presenter);

// The title of the error box for a code in the current language: "Fehler #402010".
std::string errorBoxTitle(int code);

}  // namespace plv7
