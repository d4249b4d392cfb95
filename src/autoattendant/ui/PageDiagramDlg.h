#pragma once
// "Diagramma Pagine": the auto-attendant's call-flow diagram in a zoomable
// view, with export to SVG, PNG, PDF or Graphviz text. The drawing is the
// core graph rendered by Graphviz; this window only shows and saves it.

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

namespace kiv {

class CQelDoc;
class CQelApp;
class CShellDialogs;
class CSvgView;

class CPageDiagramDlg : public QDialog {
    Q_OBJECT
  public:
    // Draws the configuration's diagram as SVG: true with the drawing, or
    // false with the reason.
    using Render = std::function<bool(const CQelDoc&, std::string& svg, std::string& error)>;

    // A drawing that cannot be made or read is told with "Impossibile
    // disegnare il diagramma" and the reason, shown in the window as well.
    CPageDiagramDlg(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent = nullptr,
                    const Render& render = {});

    // The scale of the view (1 = the drawing's own size).
    double Zoom() const;
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    // Asks for a file name and writes the diagram in the format its
    // extension names (SVG when it has none); false when nothing was written.
    bool Export();
    // Whether the drawing was made; when not, the window shows the reason.
    bool HasDrawing() const { return !svg_.empty(); }

  private:
    const CQelDoc& doc_;
    CShellDialogs& dialogs_;
    std::string svg_;
    CSvgView* view_ = nullptr;
};

// Attaches "&Diagramma Pagine" to the main frame's action "actionPageDiagram".
void InstallPageDiagramCommand(CQelApp& app);

} // namespace kiv
