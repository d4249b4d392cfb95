#pragma once
// "Quadro Settimanale": the week picture of the configuration (working hours,
// breaks, holidays, the mode and each line's opening pages) in a zoomable
// view, beside the same content as a list of lines that a screen reader
// reads. "&Modifica Orari..." opens the schedule editor and the picture is
// drawn again from what it left; "&Esporta..." writes SVG, PNG or PDF.

#include <QDialog>
#include <functional>
#include <string>

class QListWidget;

namespace kiv {

class CQelApp;
class CQelDoc;
class CShellDialogs;
class CSvgView;

class CWeekPictureDlg : public QDialog {
    Q_OBJECT
  public:
    // `editSchedule`, when given, runs the schedule editor on the document;
    // the window draws the week again when it returns.
    CWeekPictureDlg(const CQelDoc& doc, CShellDialogs& dialogs,
                    std::function<void()> editSchedule = {}, QWidget* parent = nullptr);

    // Draws the picture and the list again from the document.
    void Refresh();
    const std::string& Svg() const { return svg_; }
    QListWidget* TextList() const { return list_; }

    double Zoom() const;
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    // Asks for a file name and writes the picture in the format its extension
    // names (SVG when it has none); false when nothing was written.
    bool Export();

  private:
    const CQelDoc& doc_;
    CShellDialogs& dialogs_;
    std::string svg_;
    CSvgView* view_ = nullptr;
    QListWidget* list_ = nullptr;
};

// Attaches "&Quadro Settimanale" to the main frame's action "actionWeekPicture".
void InstallWeekPictureCommand(CQelApp& app);

} // namespace kiv
