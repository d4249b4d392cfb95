// ProductType.h first: its member `slots` must be read before Qt defines
// the keyword of that name.
#include "document/ProductType.h"

#include "app/QelView.h"

#include "app/Icons.h"
#include "app/Texts.h"
#include "document/QelDoc.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>

namespace kiv {

CQelView::CQelView(CQelDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), bitmap_(BannerPixmap()) {
    setObjectName("qelView");
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 280);
    setAccessibleName(ui::Ui(ui::kPanelDeviceState));
    announced_ = PanelTexts();
}

QFont CQelView::PanelFont() {
    QFont font;
    // Times New Roman, or a font drawn to the same measures where it is missing.
    font.setFamilies({"Times New Roman", "Nimbus Roman", "Liberation Serif", "Tinos", "Times"});
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    font.setItalic(true);
    // A height of 16 is the height of Times New Roman's character cell
    // (ascent plus descent, 1.107 em), which makes letters of 14 pixels. A
    // wider stand-in font is made smaller until its captions fit their
    // column and do not run into the values at x 140.
    for (int size = 14; size > 8; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(ui::Ui(ui::kPanelDeviceType)) <= 116 &&
            metrics.horizontalAdvance(QStringLiteral("RZ 128 Mbx")) <= 86)
            break;
    }
    return font;
}

std::vector<CQelView::PanelText> CQelView::PanelTexts() const {
    return {
        {QPoint(20, 210), ui::Ui(ui::kPanelDeviceState)},
        {QPoint(20, 230), ui::Ui(ui::kPanelDeviceType)},
        {QPoint(140, 230), QString::fromLatin1(ProductTypeName(doc_.productType))},
        {QPoint(20, 250), ui::Ui(ui::kPanelLink)},
        {QPoint(140, 250), ui::Ui(doc_.readFromUnit == 1 ? ui::kOnLine : ui::kOffLine)},
    };
}

std::string CQelView::TitleWithProductExtension(const std::string& title, int productType) {
    const ProductTypeInfo* info = FindProductType(productType);
    if (!info || title.size() < 4 || title[title.size() - 4] != '.') return title;
    return title.substr(0, title.size() - 3) + info->extension;
}

void CQelView::ApplyTitleExtension() {
    const std::string title = TitleWithProductExtension(doc_.title, doc_.productType);
    if (title == doc_.title) return;
    doc_.title = title;
    emit TitleChanged();
}

void CQelView::Redraw() {
    ApplyTitleExtension();
    update();
    // A screen reader hears the texts that changed ("On Line", the type).
    const std::vector<PanelText> texts = PanelTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i < announced_.size() && announced_[i] == texts[i]) continue;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        event.setChild(static_cast<int>(i));
        QAccessible::updateAccessibility(&event);
    }
    announced_ = texts;
}

void CQelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawPixmap((width() - bitmap_.width()) / 2, 0, bitmap_);

    p.setFont(PanelFont());
    p.setPen(Qt::black);
    p.drawPolyline(QPolygon(
        {QPoint(10, 200), QPoint(230, 200), QPoint(230, 275), QPoint(10, 275), QPoint(10, 200)}));
    p.drawLine(20, 225, 220, 225);
    for (const PanelText& t : PanelTexts())
        p.drawText(QRect(t.pos, QSize(width(), 20)),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, t.text);
    p.end();
    // Painting keeps the title's extension in line with the product type.
    ApplyTitleExtension();
}

} // namespace kiv
