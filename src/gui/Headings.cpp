#include "gui/Headings.h"

namespace tallowmere::gui {

void Headings::add(QWidget* control, const QString& text, Side side) {
    if (!control)
        return;
    auto* label = new QLabel(text, control->parentWidget());
    label->setObjectName("Heading " + text);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    label->setAlignment(side == Side::Above ? Qt::AlignHCenter | Qt::AlignBottom
                                            : Qt::AlignLeft | Qt::AlignVCenter);
    headings_.push_back({control, label, side});
}

void Headings::follow() {
    for (auto& [control, label, side] : headings_) {
        const QRect place = control->geometry();
        const int height = label->sizeHint().height();
        if (side == Side::Above)
            label->setGeometry(place.x() - 8, place.y() - height, place.width() + 16, height);
        else
            label->setGeometry(place.right() + 5, place.y(), label->sizeHint().width(),
                               place.height());
        label->setVisible(!control->isHidden());
    }
}

} // namespace tallowmere::gui
