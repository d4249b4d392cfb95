#pragma once
// "Tipo Prodotto": the choice of one of the four product types.

#include <QDialog>
#include <array>

class QRadioButton;

namespace kiv {

class MessageSink;

class CProductTypeDlg : public QDialog {
    Q_OBJECT
  public:
    // Opens with the radio of `current` selected (the first for any other value).
    CProductTypeDlg(int current, MessageSink& sink, QWidget* parent = nullptr);
    int Selected() const;
    void Select(int type);

  private:
    std::array<QRadioButton*, 4> radios_{};
    MessageSink& sink_;
};

} // namespace kiv
