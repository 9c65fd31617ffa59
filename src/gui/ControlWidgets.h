#pragma once

#include "gui/Twips.h"
#include "model/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tallowmere::gui {

// Each control of the model drawn by its widget: text, visibility, state,
// place and size. The widget's own parent is the control's frame.
void render(QLabel& widget, const Label& label, const Twips& twips);
// A button with a mnemonic is reached with Alt and the first letter of its caption.
void render(QPushButton& widget, const Button& button, const Twips& twips, bool mnemonic = false);
void render(QLineEdit& widget, const TextBox& box, const Twips& twips);
void render(QGroupBox& widget, const Frame& frame, const Twips& twips);

} // namespace tallowmere::gui
