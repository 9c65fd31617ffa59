#include "gui/DisplayText.h"

#include <QApplication>
#include <QPalette>

namespace tallowmere::gui {

namespace {
// DejaVu Sans is wider than the font the window was laid out for; at this
// share of the size its digits take the width the columns were made for.
constexpr double sansWidthMatch = 0.88;
} // namespace

QFont displayFont(const std::string& family, int points, bool bold) {
    const bool monospace = family == "Courier New";
    QFont font(monospace ? "Liberation Mono" : "DejaVu Sans");
    font.setStyleHint(monospace ? QFont::Monospace : QFont::SansSerif);
    font.setPointSizeF((points > 0 ? points : 8) * (monospace ? 1.0 : sansWidthMatch));
    font.setBold(bold);
    return font;
}

void useWindowStyle() {
    QApplication::setStyle("Fusion");
    QApplication::setFont(QFont("DejaVu Sans", 9));
    // A disabled button still reads clearly: Start becomes the "Race: " caption.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(80, 80, 80));
    QApplication::setPalette(palette);
}

QString withMnemonic(const std::string& caption, QString& taken) {
    QString text = shown(caption);
    for (int i = 0; i < text.size(); ++i) {
        const QChar letter = text[i].toLower();
        if (!letter.isLetterOrNumber() || taken.contains(letter))
            continue;
        taken += letter;
        return text.left(i).replace("&", "&&") + "&" + text.mid(i).replace("&", "&&");
    }
    return text.replace("&", "&&");
}

} // namespace tallowmere::gui
