#pragma once
// CMaskEdit: a one-line field with an input mask. Its keys go to the mask
// engine (editors/MaskEngine.h): characters overwrite the position under the
// caret, separators are typed by themselves, Backspace puts back what the
// owner set, Insert, Delete, cut and paste (Ctrl+V and the middle click of
// X11 alike) do nothing while the mask is on.
// The arrows, Home and End move the caret as in any field.

#include "editors/MaskEngine.h"

#include <QLineEdit>

namespace kiv {

class CMaskEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit CMaskEdit(editors::CMaskEngine engine, QWidget* parent = nullptr);

    // The text becomes the shown text and the one Backspace restores from.
    void SetText(const QString& text);
    void SetMaskActive(bool active);

    const editors::CMaskEngine& Engine() const { return engine_; }

  protected:
    editors::CMaskEngine& MutableEngine() { return engine_; }
    // Shows the engine's text and caret.
    void ShowEngine();

    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    editors::CMaskEngine engine_;
};

} // namespace kiv
