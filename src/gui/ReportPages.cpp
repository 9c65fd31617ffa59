#include "gui/ReportPages.h"

#include "gui/DisplayText.h"

#include <QFontMetricsF>
#include <QPageRanges>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace tallowmere::gui {
namespace {

constexpr int portraitColumns = 120;
constexpr qreal largestPoints = 10;
constexpr qreal referencePoints = 100; // measured large, so rounding to pixels hardly counts
constexpr qreal marginMillimetres = 10;

} // namespace

QStringList reportLines(const QByteArray& bytes) {
    QStringList lines = shown(bytes.toStdString()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the last row's line end starts no row
    for (QString& line : lines) {
        while (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

int longestLine(const QStringList& lines) {
    qsizetype longest = 0;
    for (const QString& line : lines)
        longest = std::max(longest, line.size());
    return static_cast<int>(longest);
}

QFont reportFont(qreal points) {
    QFont font("DejaVu Sans Mono");
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}

QPageLayout::Orientation orientationFor(int columns) {
    return columns > portraitColumns ? QPageLayout::Landscape : QPageLayout::Portrait;
}

qreal characterWidthPerPoint(QPaintDevice& device) {
    const QFontMetricsF metrics(reportFont(referencePoints), &device);
    return metrics.horizontalAdvance('0') * 72 / device.logicalDpiX() / referencePoints;
}

qreal fittingPointSize(int columns, qreal width, qreal perPoint) {
    if (columns <= 0 || perPoint <= 0)
        return largestPoints;
    const qreal fits = std::floor(10 * width / (columns * perPoint)) / 10;
    return std::clamp(fits, qreal(1), largestPoints);
}

qreal printedPointSize(QPrinter& printer, const QStringList& lines) {
    const qreal width = printer.pageLayout().paintRect(QPageLayout::Point).width();
    return fittingPointSize(longestLine(lines), width, characterWidthPerPoint(printer));
}

void preparePrinter(QPrinter& printer, const QStringList& lines) {
    printer.setPageOrientation(orientationFor(longestLine(lines)));
    const qreal m = marginMillimetres;
    printer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

bool paintPages(QPrinter& printer, const QStringList& lines) {
    const QFont font = reportFont(printedPointSize(printer, lines));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const qreal height = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const auto perPage = std::max<qsizetype>(1, std::floor(height / metrics.lineSpacing()));
    qsizetype rows = lines.size();
    while (rows > 0 && lines[rows - 1].trimmed().isEmpty())
        --rows; // the profile's empty rows to 500 would print blank pages
    const QPageRanges chosen = printer.pageRanges(); // empty: every page
    bool painted = false;
    for (qsizetype first = 0; first < rows; first += perPage) {
        if (!chosen.isEmpty() && !chosen.contains(static_cast<int>(first / perPage) + 1))
            continue;
        if (painted)
            printer.newPage();
        painted = true;
        const qsizetype last = std::min(rows, first + perPage);
        for (qsizetype row = first; row < last; ++row) {
            const qreal baseline = metrics.ascent() + (row - first) * metrics.lineSpacing();
            painter.drawText(QPointF(0, baseline), lines[row]);
        }
    }
    return painter.end();
}

} // namespace tallowmere::gui
