#pragma once
// "Selezione PBX": the models of the present product family in a sorted,
// single-selection list. OK (or a double click) with a model selected makes
// the choice; OK with nothing selected closes with no choice.

#include "pbxdb/PbxIndex.h"

#include <QDialog>
#include <optional>

class QListWidget;

namespace kiv {

class MessageSink;

class CPbxSelectDlg : public QDialog {
    Q_OBJECT
  public:
    CPbxSelectDlg(CPbxIndex index, MessageSink& sink, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    // The model chosen by OK, if any.
    const std::optional<PbxChoice>& Choice() const { return choice_; }

  private:
    void OnOk();

    CPbxIndex index_;
    MessageSink& sink_;
    QListWidget* list_ = nullptr;
    std::optional<PbxChoice> choice_;
};

} // namespace kiv
