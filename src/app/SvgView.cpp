#include "app/SvgView.h"

#include <QByteArray>
#include <QGraphicsScene>
#include <QGraphicsSvgItem>
#include <QSvgRenderer>
#include <QWheelEvent>

namespace kiv {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.05;
constexpr double kMaxZoom = 8.0;

} // namespace

CSvgView::CSvgView(QWidget* parent) : QGraphicsView(parent), scene_(new QGraphicsScene(this)) {
    setScene(scene_);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setRenderHint(QPainter::Antialiasing);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
}

CSvgView::~CSvgView() {
    // The items draw with the renderer: they go before it.
    scene_->clear();
}

bool CSvgView::SetSvg(const std::string& svg) {
    scene_->clear();
    renderer_ = std::make_unique<QSvgRenderer>(QByteArray::fromStdString(svg));
    if (!renderer_->isValid()) {
        scene_->setSceneRect(QRectF());
        return false;
    }
    auto* item = new QGraphicsSvgItem();
    item->setSharedRenderer(renderer_.get());
    scene_->addItem(item);
    scene_->setSceneRect(item->boundingRect());
    return true;
}

double CSvgView::Zoom() const {
    return transform().m11();
}

void CSvgView::ZoomIn() {
    if (Zoom() * kZoomStep <= kMaxZoom) scale(kZoomStep, kZoomStep);
}

void CSvgView::ZoomOut() {
    if (Zoom() / kZoomStep >= kMinZoom) scale(1 / kZoomStep, 1 / kZoomStep);
}

void CSvgView::ZoomToFit() {
    fitInView(scene_->sceneRect(), Qt::KeepAspectRatio);
}

void CSvgView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        event->angleDelta().y() > 0 ? ZoomIn() : ZoomOut();
        event->accept();
        return;
    }
    QGraphicsView::wheelEvent(event);
}

} // namespace kiv
