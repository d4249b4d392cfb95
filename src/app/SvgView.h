#pragma once
// CSvgView: an SVG drawing in a zoomable, draggable view, for the windows
// that show a picture made from the configuration (the call-flow diagram,
// the week picture). Ctrl + wheel zooms, the plain wheel scrolls; the zoom
// stays between 1/20 and 8 times the drawing's own size.

#include <QGraphicsView>
#include <memory>
#include <string>

class QGraphicsScene;
class QSvgRenderer;

namespace kiv {

class CSvgView : public QGraphicsView {
    Q_OBJECT
  public:
    explicit CSvgView(QWidget* parent = nullptr);
    ~CSvgView() override;

    // Shows a drawing (UTF-8 SVG), replacing the one shown; false, showing
    // nothing, when Qt cannot read it.
    bool SetSvg(const std::string& svg);

    // The scale of the view (1 = the drawing's own size).
    double Zoom() const;
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();

  protected:
    void wheelEvent(QWheelEvent* event) override;

  private:
    QGraphicsScene* scene_;
    std::unique_ptr<QSvgRenderer> renderer_;
};

} // namespace kiv
