#pragma once

#include <QRect>
#include <cmath>

namespace tallowmere::gui {

// Turns the model's twips into the widgets' pixels: 15 twips a pixel at 96
// dots per inch, more pixels on a screen set to more dots per inch.
class Twips {
  public:
    explicit Twips(double logicalDpi = 96.0) : pixelsPerTwip_(logicalDpi / 96.0 / 15.0) {}

    int px(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }
    QRect rect(int left, int top, int width, int height) const {
        return {px(left), px(top), px(width), px(height)};
    }

  private:
    double pixelsPerTwip_;
};

} // namespace tallowmere::gui
