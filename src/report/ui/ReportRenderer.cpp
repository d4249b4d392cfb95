#include "report/ui/ReportRenderer.h"

#include "app/QtText.h"
#include "document/QelDoc.h"
#include "report/Report.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace kiv::report {
namespace {

// Header places, in report units.
constexpr double kHeaderTop = 25;
constexpr double kTitleX = 0;
constexpr double kPageNumberX = 2000;
constexpr double kDateX = 3500;
constexpr double kRuleGap = 35;

} // namespace

QFont ReportFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(60);
    // No ligatures: "ff" and "fi" stay two letters in the PDF's text, so that
    // a search for "Off" finds them.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void DrawPage(QPainter& painter, const CQelDoc& doc, int number, const LocalTime& today) {
    const QPaintDevice* device = painter.device();
    const double sx = device->logicalDpiX() / kUnitsPerInch;
    const double sy = device->logicalDpiY() / kUnitsPerInch;
    const double width = device->width() / sx;

    painter.save();
    painter.scale(sx, sy);
    painter.setFont(ReportFont());
    painter.setPen(Qt::black);
    // A font sized in pixels measures the same on every device: its metrics
    // are report units.
    const QFontMetricsF metrics(painter.font());
    const double ascent = metrics.ascent();
    const double textHeight = metrics.height();
    const double lineHeight = metrics.height() + metrics.leading();
    const double charWidth = metrics.averageCharWidth();

    auto put = [&](double x, double y, const QString& text) {
        painter.drawText(QPointF(x, y + ascent), text);
    };
    put(kTitleX, kHeaderTop, FromNativePath(doc.title));
    put(kPageNumberX, kHeaderTop, ToQString(PageNumberText(number)));
    put(kDateX, kHeaderTop, ToQString(DateText(today)));
    const double ruleY = kHeaderTop + textHeight + kRuleGap;
    painter.drawLine(QPointF(0, ruleY), QPointF(width, ruleY));

    for (const ReportText& t : BuildPage(doc, number).texts)
        put(t.column * charWidth, t.line * lineHeight, ToQString(t.text));
    painter.restore();
}

bool PrintPages(QPagedPaintDevice& device, const CQelDoc& doc, const LocalTime& today, int first,
                int last) {
    const int count = doc.printPageCount;
    if (first <= 0 && last <= 0) {
        first = 1;
        last = count;
    }
    first = std::max(first, 1);
    last = std::min(last <= 0 ? count : last, count);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (int n = first; n <= last; ++n) {
        if (n > first) device.newPage();
        DrawPage(painter, doc, n, today);
    }
    return painter.end();
}

} // namespace kiv::report
