#pragma once

#include "text/Windows1252.h"

#include <QFont>
#include <QString>
#include <string>

namespace tallowmere::gui {

// The model's Windows-1252 text as the widgets show it.
inline QString shown(const std::string& bytes) {
    return QString::fromStdString(text::utf8FromWindows1252(bytes));
}

// What the user typed, as the model keeps it.
inline std::string typed(const QString& text) {
    return text::windows1252FromUtf8(text.toStdString());
}

// The window's fonts by the names the model gives them: "MS Sans Serif" is
// drawn in DejaVu Sans (a little smaller, to the same widths), "Courier New"
// in Liberation Mono (the same widths).
QFont displayFont(const std::string& family, int points, bool bold = false);

// The look of every window of the program: one style on every desktop, and
// DejaVu Sans for the menus and message boxes.
void useWindowStyle();

// The caption of a button or menu item with its mnemonic: "&" doubled, and
// "&" put before the first letter or digit of the caption not in `taken`,
// which then takes it; a caption whose letters are all taken has none.
QString withMnemonic(const std::string& caption, QString& taken);

} // namespace tallowmere::gui
