#include "report/ui/ReportRenderer.h"

#include "app/QtText.h"
#include "document/QelDoc.h"
#include "report/Report.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <map>
#include <vector>

namespace kiv::report {
namespace {

// Header places, in report units.
constexpr double kHeaderTop = 25;
constexpr double kTitleX = 0;
constexpr double kPageNumberX = 2000;
constexpr double kDateX = 3500;
constexpr double kRuleGap = 35;
// The least room between two texts of a line, in average character widths.
constexpr double kColumnGap = 1;

struct Placed {
    double x = 0; // report units
    double y = 0; // top of the text, report units from the top of the page's body
    QString text;
};

// A page of the model placed by measured text, and cut into the device pages
// it needs.
struct PageLayout {
    double scale = 1;            // body scale that makes the widest line fit
    std::vector<double> offsets; // per device page: what to take from a text's y
    std::vector<std::vector<Placed>> parts;
};

struct Metrics {
    explicit Metrics(const QFont& font) : m(font) {}
    QFontMetricsF m;
    double Line() const { return m.height() + m.leading(); }
    double Char() const { return m.averageCharWidth(); }
};

// The places of the texts: each nominal column starts at its own place or
// right of the widest text that stands before it on a line of the page.
std::vector<Placed> PlaceByWidth(const ReportPage& page, const Metrics& metrics) {
    std::map<double, double> start; // nominal column -> report units
    std::map<double, std::vector<const ReportText*>> lines;
    for (const ReportText& t : page.texts) {
        start[t.column] = t.column * metrics.Char();
        lines[t.line].push_back(&t);
    }
    // Each pair of neighbours on a line: the right one's column starts after
    // the left one's text. Columns are settled left to right, so a push
    // carries on to the columns after it.
    std::map<double, std::vector<std::pair<double, double>>>
        after; // column -> (left column, width)
    for (auto& [line, texts] : lines) {
        std::stable_sort(texts.begin(), texts.end(), [](const ReportText* a, const ReportText* b) {
            return a->column < b->column;
        });
        for (std::size_t i = 1; i < texts.size(); ++i) {
            if (texts[i]->column == texts[i - 1]->column) continue;
            after[texts[i]->column].emplace_back(
                texts[i - 1]->column, metrics.m.horizontalAdvance(ToQString(texts[i - 1]->text)) +
                                          kColumnGap * metrics.Char());
        }
    }
    for (auto& [column, x] : start)
        for (const auto& [left, width] : after[column])
            x = std::max(x, start[left] + width);
    std::vector<Placed> placed;
    placed.reserve(page.texts.size());
    for (const ReportText& t : page.texts)
        placed.push_back({start[t.column], t.line * metrics.Line(), ToQString(t.text)});
    return placed;
}

double HeaderBottom(const Metrics& metrics) {
    return kHeaderTop + metrics.m.height() + kRuleGap;
}

PageLayout LayOut(const CQelDoc& doc, int number, const Metrics& metrics, double width,
                  double height) {
    PageLayout layout;
    std::vector<Placed> placed = PlaceByWidth(BuildPage(doc, number), metrics);
    double right = 0;
    for (const Placed& p : placed)
        right = std::max(right, p.x + metrics.m.horizontalAdvance(p.text));
    if (right > width && right > 0) layout.scale = width / right;
    const double s = layout.scale;

    // Rows in order; a smaller page keeps its first row where it was.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.y < b.y; });
    const double top = placed.empty() ? 0 : placed.front().y;
    for (Placed& p : placed) {
        p.x *= s;
        p.y = top + (p.y - top) * s;
    }
    // A row goes whole to the device page it fits on; a continuation starts
    // a line below the header.
    const double bodyTop = HeaderBottom(metrics) + metrics.Line();
    const double textHeight = metrics.m.height() * s;
    double offset = 0;
    layout.parts.emplace_back();
    layout.offsets.push_back(0);
    for (const Placed& p : placed) {
        if (p.y - offset + textHeight > height && p.y - offset > bodyTop) {
            offset = p.y - bodyTop;
            layout.parts.emplace_back();
            layout.offsets.push_back(offset);
        }
        layout.parts.back().push_back(p);
    }
    return layout;
}

// The device's size in report units.
QSizeF ReportSize(const QPaintDevice& device) {
    return {device.width() / (device.logicalDpiX() / kUnitsPerInch),
            device.height() / (device.logicalDpiY() / kUnitsPerInch)};
}

void DrawPart(QPainter& painter, const CQelDoc& doc, int number, const LocalTime& today,
              const PageLayout& layout, std::size_t part) {
    const QPaintDevice* device = painter.device();
    const double sx = device->logicalDpiX() / kUnitsPerInch;
    const double sy = device->logicalDpiY() / kUnitsPerInch;
    const QSizeF size = ReportSize(*device);

    painter.save();
    painter.scale(sx, sy);
    painter.setFont(ReportFont());
    painter.setPen(Qt::black);
    // A font sized in pixels measures the same on every device: its metrics
    // are report units.
    const QFontMetricsF metrics(painter.font());
    const double ascent = metrics.ascent();
    const double gap = kColumnGap * metrics.averageCharWidth();

    // The header: a long title pushes the page number and the date right.
    const QString title = FromNativePath(doc.title);
    const QString pageText = ToQString(PageNumberText(number));
    const double numberX = std::max(kPageNumberX, kTitleX + metrics.horizontalAdvance(title) + gap);
    const double dateX = std::max(kDateX, numberX + metrics.horizontalAdvance(pageText) + gap);
    painter.drawText(QPointF(kTitleX, kHeaderTop + ascent), title);
    painter.drawText(QPointF(numberX, kHeaderTop + ascent), pageText);
    painter.drawText(QPointF(dateX, kHeaderTop + ascent), ToQString(DateText(today)));
    const double ruleY = kHeaderTop + metrics.height() + kRuleGap;
    painter.drawLine(QPointF(0, ruleY), QPointF(size.width(), ruleY));

    if (part < layout.parts.size()) {
        const double s = layout.scale;
        const double offset = layout.offsets[part];
        for (const Placed& p : layout.parts[part]) {
            painter.save();
            painter.translate(p.x, p.y - offset);
            painter.scale(s, s);
            painter.drawText(QPointF(0, ascent), p.text);
            painter.restore();
        }
    }
    painter.restore();
}

PageLayout LayOutFor(QPainter& painter, const CQelDoc& doc, int number) {
    const QSizeF size = ReportSize(*painter.device());
    return LayOut(doc, number, Metrics(ReportFont()), size.width(), size.height());
}

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

int DevicePages(QPainter& painter, const CQelDoc& doc, int number) {
    return static_cast<int>(LayOutFor(painter, doc, number).parts.size());
}

void DrawPage(QPainter& painter, const CQelDoc& doc, int number, const LocalTime& today, int part) {
    DrawPart(painter, doc, number, today, LayOutFor(painter, doc, number),
             static_cast<std::size_t>(std::max(part, 0)));
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
    bool ok = true;
    bool started = false;
    for (int n = first; n <= last && ok; ++n) {
        const PageLayout layout = LayOutFor(painter, doc, n);
        for (std::size_t part = 0; part < layout.parts.size() && ok; ++part) {
            if (started) ok = device.newPage();
            started = true;
            if (ok) DrawPart(painter, doc, n, today, layout, part);
        }
    }
    return painter.end() && ok;
}

} // namespace kiv::report
