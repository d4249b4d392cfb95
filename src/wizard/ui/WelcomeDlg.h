#pragma once
// The wizard's welcome dialog: its text, "Inizio" (Accepted) and "&Annulla".

#include <QDialog>

namespace kiv {

class CWelcomeDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CWelcomeDlg(QWidget* parent = nullptr);
};

} // namespace kiv
