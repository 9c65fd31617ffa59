#include "analysis/CurvesSvg.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tallowmere::analysis {
namespace {

constexpr double width = 900, height = 500, left = 80, right = 160, top = 20, bottom = 40;

constexpr std::array<const char*, stakedTypeCount> colours = {
    "#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd", "#8c564b",
    "#e377c2", "#7f7f7f", "#bcbd22", "#17becf", "#000000"};

struct Scale {
    std::size_t points = 0;
    double low = 0, high = 0;

    double x(std::size_t k) const {
        const double span = points > 1 ? static_cast<double>(points - 1) : 1;
        return left + (width - left - right) * static_cast<double>(k) / span;
    }
    double y(double value) const {
        const double span = high > low ? high - low : 1;
        return top + (height - top - bottom) * (high - value) / span;
    }
};

Scale scaleOf(const ProfitCurves& curves) {
    Scale scale;
    for (const auto& curve : curves) {
        scale.points = std::max(scale.points, curve.size());
        for (const double value : curve) {
            scale.low = std::min(scale.low, value);
            scale.high = std::max(scale.high, value);
        }
    }
    return scale;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string label(double x, double y, const std::string& text, const char* anchor) {
    return "<text x=\"" + number(x) + "\" y=\"" + number(y) + "\" text-anchor=\"" + anchor + "\">" +
           text + "</text>\n";
}

std::string axes(const Scale& scale) {
    std::string svg = "<line x1=\"" + number(left) + "\" y1=\"" + number(scale.y(0)) + "\" x2=\"" +
                      number(width - right) + "\" y2=\"" + number(scale.y(0)) +
                      "\" stroke=\"#999999\"/>\n";
    svg += label(left - 6, scale.y(scale.high) + 4, number(scale.high), "end");
    svg += label(left - 6, scale.y(0) + 4, "0.00", "end");
    svg += label(left - 6, scale.y(scale.low) + 4, number(scale.low), "end");
    svg += label(left, height - bottom + 18, "card 1", "start");
    svg +=
        label(width - right, height - bottom + 18, "card " + std::to_string(scale.points), "end");
    return svg;
}

std::string curveLine(const std::vector<double>& curve, const Scale& scale, const char* colour) {
    std::string points;
    for (const auto& [k, value] : pointsToDraw(curve))
        points += (points.empty() ? "" : " ") + number(scale.x(k)) + "," + number(scale.y(value));
    return "<polyline fill=\"none\" stroke=\"" + std::string(colour) + "\" points=\"" + points +
           "\"/>\n";
}

std::string legendEntry(int type, const char* colour) {
    const double y = top + 18.0 * type + 10;
    return "<rect x=\"" + number(width - right + 12) + "\" y=\"" + number(y - 8) +
           "\" width=\"10\" height=\"10\" fill=\"" + colour + "\"/>\n" +
           label(width - right + 28, y + 1, std::string(stakedTypeName(type)), "start");
}

} // namespace

const char* curveColour(int type) {
    return colours[static_cast<std::size_t>(type)];
}

std::string curvesSvg(const ProfitCurves& curves) {
    const Scale scale = scaleOf(curves);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      number(width) + "\" height=\"" + number(height) +
                      "\" font-family=\"sans-serif\" font-size=\"12\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svg += axes(scale);
    for (int type = 0; type < stakedTypeCount; ++type) {
        const char* colour = curveColour(type);
        svg += curveLine(curves[static_cast<std::size_t>(type)], scale, colour);
        svg += legendEntry(type, colour);
    }
    return svg + "</svg>\n";
}

} // namespace tallowmere::analysis
