#include "analysis/CurvesSvg.h"

#include "analysis/CurveStyle.h"
#include "text/Windows1252.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace tallowmere::analysis {
namespace {

constexpr double width = 900, height = 500, left = 80, right = 160, top = 40, bottom = 40;

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
    for (const auto& curve : curves)
        scale.points = std::max(scale.points, curve.size());
    ShownCurves all;
    all.fill(true);
    std::tie(scale.low, scale.high) = profitRange(curves, all);
    return scale;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string escaped(const std::string& text) {
    std::string xml;
    for (const char c : text)
        xml += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    return xml;
}

// The colour, width and dashes of a bet type's line.
std::string stroke(int type) {
    return "stroke=\"" + std::string(curveColour(type)) + "\" stroke-width=\"2\"" +
           (curveDashed(type) ? " stroke-dasharray=\"5,3\"" : "");
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

// A curve of one card is its point.
std::string curveLine(int type, const std::vector<double>& curve, const Scale& scale) {
    if (curve.size() == 1)
        return "<circle cx=\"" + number(scale.x(0)) + "\" cy=\"" + number(scale.y(curve[0])) +
               "\" r=\"3\" fill=\"" + curveColour(type) + "\"/>\n";
    std::string points;
    for (const auto& [k, value] : pointsToDraw(curve))
        points += (points.empty() ? "" : " ") + number(scale.x(k)) + "," + number(scale.y(value));
    return "<polyline fill=\"none\" " + stroke(type) + " points=\"" + points + "\"/>\n";
}

std::string legendEntry(int type) {
    const double y = top + 18.0 * type + 10;
    return "<line x1=\"" + number(width - right + 8) + "\" y1=\"" + number(y - 3) + "\" x2=\"" +
           number(width - right + 24) + "\" y2=\"" + number(y - 3) + "\" " + stroke(type) + "/>\n" +
           label(width - right + 28, y + 1, std::string(stakedTypeName(type)), "start");
}

} // namespace

std::string curvesSvg(const ProfitCurves& curves, const std::string& title) {
    const Scale scale = scaleOf(curves);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      number(width) + "\" height=\"" + number(height) +
                      "\" font-family=\"sans-serif\" font-size=\"12\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svg += "<text x=\"" + number(width / 2) + "\" y=\"22.00\" text-anchor=\"middle\" " +
           "font-size=\"15\">" + escaped(text::utf8FromWindows1252(title)) + "</text>\n";
    svg += axes(scale);
    for (int type = 0; type < stakedTypeCount; ++type) {
        svg += curveLine(type, curves[static_cast<std::size_t>(type)], scale);
        svg += legendEntry(type);
    }
    return svg + "</svg>\n";
}

} // namespace tallowmere::analysis
