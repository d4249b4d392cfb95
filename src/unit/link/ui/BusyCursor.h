#pragma once
// The wait cursor while bytes move: switched on and off as a transfer says,
// and never left on once its owner is gone. Used on the window's thread.

#include <QApplication>

namespace kiv {

class CBusyCursor {
  public:
    CBusyCursor() = default;
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;
    ~CBusyCursor() { Set(false); }

    void Set(bool busy) {
        if (busy == busy_) return;
        busy_ = busy;
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }

  private:
    bool busy_ = false;
};

} // namespace kiv
