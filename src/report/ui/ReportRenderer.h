#pragma once
// Draws the configuration report's pages on a QPainter: the page header and
// the texts the report model places, in the report's one font.
//
// Every page is drawn in report units of 1/600 inch, whatever the device's
// resolution, so a page keeps its proportions on a printer, in the preview
// and in a PDF. The header stands at fixed report units (the title at 0, the
// page number at 2000, the date at 3500, 25 units from the top, the rule 35
// units below the text; a title wider than its place pushes the others
// right); the body follows the font's metrics: a line height is the font's
// height plus its leading, a column an average character width.
//
// The texts are laid out by their measured width: a column starts where the
// model places it, or further right when a text of the column before it on
// any line would reach it, so that no text runs into the next whatever the
// values. A page wider than the device is drawn smaller to fit its width;
// rows below the device's bottom continue on the next device page (the
// header repeated), so no row is lost on any paper or orientation.

#include "document/Clock.h"

#include <QFont>

class QPainter;
class QPagedPaintDevice;

namespace kiv {

class CQelDoc;

namespace report {

inline constexpr double kUnitsPerInch = 600;

// The report's font: a sans-serif face 60 units (7.2 points) high, which
// keeps the longest section (50 messages) inside an A4 or Letter page.
QFont ReportFont();

// How page `number` of the prepared report lies on devices of the painter's
// size: the device pages it takes (at least 1).
int DevicePages(QPainter& painter, const CQelDoc& doc, int number);

// Draws part `part` (0 to DevicePages - 1) of page `number` of the prepared
// report over the whole of the painter's device (the printable area of a
// printer).
void DrawPage(QPainter& painter, const CQelDoc& doc, int number, const LocalTime& today,
              int part = 0);

// Prints pages `first` to `last` of the prepared report (clamped to the page
// count; 0, 0 prints them all), each on the device pages it takes. False when
// the painter cannot start on the device or a device page cannot be added.
bool PrintPages(QPagedPaintDevice& device, const CQelDoc& doc, const LocalTime& today,
                int first = 0, int last = 0);

} // namespace report
} // namespace kiv
