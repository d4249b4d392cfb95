#pragma once
// The window program's answer to the core's messages: a modal QMessageBox with
// the requested icon and buttons ("Sì", "No", "Annulla", "OK").

#include "document/MessageSink.h"

#include <QPointer>

class QWidget;

namespace kiv {

class CMessageBoxSink : public MessageSink {
  public:
    explicit CMessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    using MessageSink::Ask;
    MsgAnswer Ask(const Message& message) override;

  private:
    QPointer<QWidget> parent_;
};

} // namespace kiv
