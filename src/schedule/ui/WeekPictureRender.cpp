#include "schedule/ui/WeekPictureRender.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

namespace kiv::schedule {

namespace {

// The PNG is drawn at twice the picture's own size, so that its small labels
// stay readable when the image is printed or zoomed.
constexpr int kPngScale = 2;

} // namespace

bool RenderWeekPicture(const std::string& svg, WeekFormat format, std::string& bytes,
                       std::string& error) {
    if (format == WeekFormat::Svg) {
        bytes = svg;
        return true;
    }
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty()) {
        error = "the drawing cannot be read";
        return false;
    }
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (format == WeekFormat::Png) {
        QImage image(size * kPngScale, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        if (!image.save(&buffer, "PNG")) {
            error = "the PNG image cannot be written";
            return false;
        }
    } else {
        // One page of the picture's size: a user unit is a point.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size), QPageSize::Point),
                                      QPageLayout::Portrait, QMarginsF()));
        pdf.setCreator(QStringLiteral("kiv"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            error = "the PDF cannot be written";
            return false;
        }
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.end();
    }
    bytes.assign(out.constData(), static_cast<std::size_t>(out.size()));
    return true;
}

} // namespace kiv::schedule
