#include "app/Icons.h"

#include "app/Texts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace kiv {

namespace {

const QColor kInk(40, 40, 40);
const QColor kBlue(30, 90, 170);
const QColor kGreen(30, 130, 60);
const QColor kRed(180, 40, 40);
const QColor kYellow(235, 190, 60);

void Arrow(QPainter& p, int x, int yFrom, int yTo, const QColor& color) {
    p.setPen(QPen(color, 2));
    p.drawLine(x, yFrom, x, yTo);
    const int d = yTo > yFrom ? -3 : 3;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygon({QPoint(x - 3, yTo + d), QPoint(x + 4, yTo + d), QPoint(x, yTo)}));
}

void Sheet(QPainter& p, int x, int y, int w, int h) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(x, y, w, h);
    p.setPen(QColor(150, 150, 150));
    for (int ly = y + 3; ly < y + h - 1; ly += 2)
        p.drawLine(x + 2, ly, x + w - 2, ly);
}

void Speaker(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(90, 90, 90));
    p.drawPolygon(QPolygon(
        {QPoint(1, 6), QPoint(4, 6), QPoint(8, 2), QPoint(8, 13), QPoint(4, 9), QPoint(1, 9)}));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(6, 4, 5, 7), -60 * 16, 120 * 16);
}

void Draw(QPainter& p, ToolIcon icon) {
    switch (icon) {
    case ToolIcon::Open:
        p.setPen(kInk);
        p.setBrush(kYellow.darker(115));
        p.drawRect(1, 4, 12, 9);
        p.setBrush(kYellow);
        p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
        break;
    case ToolIcon::Save:
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawRect(1, 1, 13, 13);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(3, 9, 9, 5);
        break;
    case ToolIcon::Print:
        p.setPen(kInk);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 8, 6);
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(1, 6, 14, 6);
        p.setBrush(Qt::white);
        p.drawRect(4, 10, 8, 5);
        break;
    case ToolIcon::ReadParameters:
        Sheet(p, 1, 1, 9, 13);
        Arrow(p, 12, 2, 14, kGreen);
        break;
    case ToolIcon::SendParameters:
        Sheet(p, 1, 1, 9, 13);
        Arrow(p, 12, 14, 2, kRed);
        break;
    case ToolIcon::ReadRecordings:
        Speaker(p);
        Arrow(p, 13, 2, 14, kGreen);
        break;
    case ToolIcon::SendRecordings:
        Speaker(p);
        Arrow(p, 13, 14, 2, kRed);
        break;
    case ToolIcon::PbxParameters:
        p.setPen(kInk);
        p.setBrush(QColor(210, 210, 220));
        p.drawRoundedRect(1, 3, 14, 11, 2, 2);
        p.setBrush(kInk);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 4; ++c)
                p.drawRect(3 + 3 * c, 6 + 4 * r, 1, 1);
        break;
    case ToolIcon::InBand:
        p.setPen(kInk);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) {
                p.setBrush(r == 3 && c != 1 ? kBlue : QColor(230, 230, 230));
                p.drawRect(2 + 4 * c, 1 + 4 * r, 3, 2);
            }
        break;
    case ToolIcon::Pages:
        p.setPen(kInk);
        p.setBrush(kBlue.lighter(150));
        p.drawRect(5, 1, 6, 4);
        p.drawRect(1, 10, 5, 4);
        p.drawRect(10, 10, 5, 4);
        p.drawLine(8, 5, 8, 8);
        p.drawLine(3, 8, 13, 8);
        p.drawLine(3, 8, 3, 10);
        p.drawLine(13, 8, 13, 10);
        break;
    case ToolIcon::TimeDate:
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(1, 1, 13, 13);
        p.setPen(QPen(kRed, 1.5));
        p.drawLine(8, 8, 8, 3);
        p.drawLine(8, 8, 11, 9);
        break;
    case ToolIcon::MailboxList:
        p.setPen(kInk);
        for (int r = 0; r < 4; ++r) {
            p.setBrush(kYellow);
            p.drawRect(1, 1 + 4 * r, 3, 2);
            p.drawLine(6, 2 + 4 * r, 14, 2 + 4 * r);
        }
        break;
    case ToolIcon::Notification:
        p.setPen(kInk);
        p.setBrush(kYellow);
        p.drawPie(QRect(3, 1, 10, 14), 0, 180 * 16);
        p.drawRect(3, 8, 10, 3);
        p.setBrush(kInk);
        p.drawEllipse(7, 12, 2, 2);
        break;
    case ToolIcon::Groups:
        p.setPen(kInk);
        for (int i = 0; i < 3; ++i) {
            const QColor color = i == 1 ? kBlue : kGreen;
            p.setBrush(color);
            const int x = 1 + 5 * i;
            p.drawEllipse(x + 1, i == 1 ? 2 : 4, 3, 3);
            p.drawRect(x, i == 1 ? 7 : 9, 4, i == 1 ? 7 : 5);
        }
        break;
    case ToolIcon::Wizard:
        p.setPen(QPen(QColor(120, 70, 20), 2));
        p.drawLine(2, 14, 9, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(kYellow.darker(110));
        p.drawPolygon(QPolygon({QPoint(11, 0), QPoint(12, 4), QPoint(16, 5), QPoint(12, 6),
                                QPoint(11, 10), QPoint(10, 6), QPoint(6, 5), QPoint(10, 4)}));
        break;
    }
}

} // namespace

QIcon MakeToolIcon(ToolIcon icon, int width) {
    QIcon result;
    for (int scale : {1, 2}) {
        QPixmap pixmap(width * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, scale > 1);
        p.translate((width - 16) / 2, 0);
        Draw(p, icon);
        p.end();
        result.addPixmap(pixmap);
    }
    return result;
}

QIcon AppIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBlue.darker(130), 1.5));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    QFont font("Sans Serif");
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, "KIV");
    p.end();
    return QIcon(pixmap);
}

QPixmap BannerPixmap() {
    const int w = 380, h = 180;
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(20, 60, 130));
    sky.setColorAt(1, QColor(90, 150, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(4, 8, w - 8, h - 16), 14, 14);

    // A handset and three sound waves on the left.
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath handset;
    handset.moveTo(40, 60);
    handset.cubicTo(30, 90, 50, 125, 80, 130);
    p.setBrush(Qt::NoBrush);
    p.drawPath(handset);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    for (int i = 0; i < 3; ++i)
        p.drawArc(QRectF(60 + 8 * i, 55 - 8 * i, 30 + 16 * i, 30 + 16 * i), -45 * 16, 90 * 16);

    QFont big("Times New Roman");
    big.setStyleHint(QFont::Serif);
    big.setPixelSize(64);
    big.setBold(true);
    big.setItalic(true);
    p.setFont(big);
    p.setPen(Qt::white);
    p.drawText(QRect(130, 30, w - 140, 80), Qt::AlignLeft | Qt::AlignVCenter, "KIV");
    QFont small("Times New Roman");
    small.setStyleHint(QFont::Serif);
    small.setPixelSize(17);
    small.setItalic(true);
    p.setFont(small);
    p.drawText(QRect(130, 105, w - 140, 24), Qt::AlignLeft | Qt::AlignVCenter,
               ui::Ui(ui::kBannerLine1));
    p.drawText(QRect(130, 127, w - 140, 24), Qt::AlignLeft | Qt::AlignVCenter,
               ui::Ui(ui::kBannerLine2));
    p.end();
    return pixmap;
}

} // namespace kiv
