#pragma once
// The about box: the program icon, the version text and OK.

#include <QDialog>

namespace kiv {

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace kiv
