#include "text/Masks.h"

#include "text/Numbers.h"
#include "text/Texts.h"

#include <algorithm>

namespace tallowmere::text {
namespace {

struct MaskShape {
    int requiredWholeDigits = 0;
    bool hasPoint = false;
    int decimals = 0;
    int requiredDecimals = 0;
    bool percent = false;
};

MaskShape shapeOf(std::string_view mask) {
    MaskShape shape;
    if (!mask.empty() && mask.back() == '%') {
        shape.percent = true;
        mask.remove_suffix(1);
    }
    const auto point = mask.find('.');
    const std::string_view whole = mask.substr(0, point);
    shape.requiredWholeDigits = static_cast<int>(std::count(whole.begin(), whole.end(), '0'));
    if (point != std::string_view::npos) {
        shape.hasPoint = true;
        const std::string_view fraction = mask.substr(point + 1);
        shape.decimals = static_cast<int>(fraction.size());
        const auto lastRequired = fraction.find_last_of('0');
        shape.requiredDecimals = lastRequired == std::string_view::npos ? 0 : int(lastRequired) + 1;
    }
    return shape;
}

// Digits of |value| with exactly `decimals` places, rounded half away from
// zero on the decimal form: the whole part and the fraction.
struct Rounded {
    std::string whole;
    std::string fraction;
};

Rounded roundedDigits(const DecimalForm& form, int decimals) {
    // Place the significant digits into a fixed string "wwww" + "ffff" with
    // one spare leading digit for a carry.
    const int wholeWidth = std::max(form.pointPosition, 0) + 1;
    std::string fixed(wholeWidth + decimals, '0');
    bool roundUp = false;
    for (int i = 0; i < static_cast<int>(form.digits.size()); ++i) {
        const int place = wholeWidth + (i - form.pointPosition); // index into `fixed`
        if (place < 0)
            continue;
        if (place < static_cast<int>(fixed.size()))
            fixed[place] = form.digits[i];
        else if (place == static_cast<int>(fixed.size()))
            roundUp = form.digits[i] >= '5';
    }
    for (int i = static_cast<int>(fixed.size()) - 1; roundUp && i >= 0; --i) {
        if (fixed[i] == '9') {
            fixed[i] = '0';
        } else {
            ++fixed[i];
            roundUp = false;
        }
    }
    Rounded rounded{fixed.substr(0, wholeWidth), fixed.substr(wholeWidth)};
    rounded.whole.erase(0, std::min(rounded.whole.find_first_not_of('0'), rounded.whole.size()));
    return rounded;
}

} // namespace

std::string formatNumber(double value, std::string_view mask) {
    const MaskShape shape = shapeOf(mask);
    if (shape.percent)
        value *= 100.0;
    const DecimalForm form = decimalFormOf(value);
    Rounded rounded = roundedDigits(form, shape.decimals);
    while (static_cast<int>(rounded.fraction.size()) > shape.requiredDecimals &&
           rounded.fraction.back() == '0')
        rounded.fraction.pop_back();
    if (static_cast<int>(rounded.whole.size()) < shape.requiredWholeDigits)
        rounded.whole.insert(0, shape.requiredWholeDigits - rounded.whole.size(), '0');

    const bool roundsToZero =
        (rounded.whole + rounded.fraction).find_first_not_of('0') == std::string::npos;
    std::string text = form.negative && !roundsToZero ? "-" : "";
    text += rounded.whole;
    if (shape.hasPoint)
        text += "." + rounded.fraction;
    if (shape.percent)
        text += "%";
    return text;
}

std::string formatText(std::string_view text, std::string_view mask) {
    const auto value = strictNumber(text);
    return value ? formatNumber(*value, mask) : std::string(text);
}

std::string ratingFormat(std::string_view text) {
    return rightAligned(formatText(text, "###.0"), 5);
}

} // namespace tallowmere::text
