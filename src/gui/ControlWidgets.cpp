#include "gui/ControlWidgets.h"

#include "gui/DisplayText.h"

#include <QPalette>

namespace tallowmere::gui {
namespace {

// A widget's text is set only when it changes, so a box being typed into
// keeps its cursor.
template <typename Widget> void setTextOf(Widget& widget, const QString& text) {
    if (widget.text() != text)
        widget.setText(text);
}

} // namespace

void render(QLabel& widget, const Label& label, const Twips& twips) {
    setTextOf(widget, shown(label.caption));
    widget.setGeometry(twips.rect(label.left, label.top, label.width, label.height));
    if (widget.font().bold() != label.bold) {
        QFont font = widget.font();
        font.setBold(label.bold);
        widget.setFont(font);
    }
    widget.setVisible(label.visible);
}

void render(QPushButton& widget, const Button& button, const Twips& twips, bool mnemonic) {
    const QString caption = shown(button.caption);
    if (widget.property("caption").toString() != caption) {
        QString taken;
        widget.setText(mnemonic ? withMnemonic(button.caption, taken)
                                : QString(caption).replace("&", "&&"));
        widget.setProperty("caption", caption);
    }
    widget.setGeometry(twips.rect(button.left, button.top, button.width, button.height));
    const QColor colour(button.backColor.red, button.backColor.green, button.backColor.blue);
    if (widget.palette().color(QPalette::Button) != colour) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Button, colour);
        widget.setPalette(palette);
    }
    widget.setEnabled(button.enabled);
    widget.setVisible(button.visible);
}

void render(QLineEdit& widget, const TextBox& box, const Twips& twips) {
    setTextOf(widget, shown(box.text));
    widget.setGeometry(twips.rect(box.left, box.top, box.width, box.height));
    widget.setVisible(box.visible);
}

void render(QGroupBox& widget, const Frame& frame, const Twips& twips) {
    widget.setTitle(shown(frame.caption));
    widget.setGeometry(twips.rect(frame.left, frame.top, frame.width, frame.height));
    widget.setVisible(frame.visible);
}

} // namespace tallowmere::gui
