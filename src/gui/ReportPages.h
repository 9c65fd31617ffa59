#pragma once

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QStringList>

class QPaintDevice;
class QPrinter;

namespace tallowmere::gui {

// A report's rows as shown: Windows-1252 decoded, each row's CR LF (or CR CR
// LF) taken off, the bytes themselves left as they are.
QStringList reportLines(const QByteArray& bytes);

// The widest row, in characters.
int longestLine(const QStringList& lines);

// The fixed-pitch font of the viewer and of its pages.
QFont reportFont(qreal points);

// Rows up to 120 characters fit a portrait page; wider ones (the printed
// profile) print landscape.
QPageLayout::Orientation orientationFor(int columns);

// The width of one character of the report font at 1 pt, in points, as
// `device` draws it.
qreal characterWidthPerPoint(QPaintDevice& device);

// The largest size, in tenths of a point and at most 10 pt, at which `columns`
// characters `perPoint` wide at 1 pt fit `width` points.
qreal fittingPointSize(int columns, qreal width, qreal perPoint);

// The point size the report's pages take on the printer's page as it stands.
qreal printedPointSize(QPrinter& printer, const QStringList& lines);

// Turns the page for the report and sets its margins.
void preparePrinter(QPrinter& printer, const QStringList& lines);

// Paints the rows page after page, as many to a page as the line height lets
// fit, up to the last row with text; false when the printer could not be
// started.
bool paintPages(QPrinter& printer, const QStringList& lines);

} // namespace tallowmere::gui
