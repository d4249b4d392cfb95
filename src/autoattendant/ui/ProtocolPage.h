#pragma once
// One tab of "Protocollo In-Band DTMF": ten events, each with its number, the
// code the PBX sends, the operation list and the destination; the first tab
// adds the two timing fields. Every user action goes to the page's model
// (CProtocolEdit) and the row is redrawn from it; leaving the tab runs the
// model's leave check and focuses the field it refuses.
//
// CProtocolPage edits events 0-9 and the timings; CProtocol1Page,
// CProtocol2Page and CProtocol3Page edit events 10-19, 20-29 and 30-39.

#include "app/PropertyPage.h"
#include "autoattendant/ProtocolEdit.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace kiv {

class CSpinEdit;

class CProtocolPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CProtocolPage(autoatt::CProtocolEdit& edit, QWidget* parent = nullptr);

    bool OnKillActive() override;

    QLineEdit* Code(int row) const { return codes_.at(static_cast<std::size_t>(row)); }
    QComboBox* Operation(int row) const { return ops_.at(static_cast<std::size_t>(row)); }
    QLineEdit* Destination(int row) const { return dests_.at(static_cast<std::size_t>(row)); }
    // The timing fields; null on the pages without them.
    CSpinEdit* FirstDtmfField() const { return firstDtmf_; }
    CSpinEdit* InterDtmfField() const { return interDtmf_; }

  protected:
    // Draws the form from the model.
    void Redraw();
    // The field a refusal names.
    QWidget* Field(const autoatt::ProtocolFieldRef& ref) const;

  private:
    void RedrawDestination(int row);

    autoatt::CProtocolEdit& edit_;
    std::array<QLineEdit*, autoatt::kProtocolRows> codes_{};
    std::array<QComboBox*, autoatt::kProtocolRows> ops_{};
    std::array<QLineEdit*, autoatt::kProtocolRows> dests_{};
    CSpinEdit* firstDtmf_ = nullptr;
    CSpinEdit* interDtmf_ = nullptr;
    bool drawing_ = false;
};

// Events 10-19.
class CProtocol1Page : public CProtocolPage {
    Q_OBJECT
  public:
    using CProtocolPage::CProtocolPage;
};

// Events 20-29.
class CProtocol2Page : public CProtocolPage {
    Q_OBJECT
  public:
    using CProtocolPage::CProtocolPage;
};

// Events 30-39.
class CProtocol3Page : public CProtocolPage {
    Q_OBJECT
  public:
    using CProtocolPage::CProtocolPage;
};

} // namespace kiv
