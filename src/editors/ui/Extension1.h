#pragma once
// "Interni" of "Parametri PBX": the length of extension numbers, the
// operator's key and extensions, the fax extension and the ten ranges of
// extensions callers may be transferred to. The digit count cannot change
// once mailboxes or range texts exist.

#include "app/PropertyPage.h"
#include "editors/ExtensionEdit.h"

#include <array>

class QLineEdit;

namespace kiv {

class CQelDoc;
class CSpinEdit;

class CExtension1 : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CExtension1(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CExtensionEdit& Model() const { return edit_; }

    CSpinEdit* ExtDigits() const { return extDigits_; }
    QLineEdit* RangeField(editors::ExtField field) const;

  protected:
    // The wizard's twin: no fax extension, an instruction at the top, the
    // same checks without the fax.
    struct WizardVariant {};
    CExtension1(WizardVariant, const CQelDoc& doc, QWidget* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Locks the digit count while the mailboxes it must suit exist, and
    // frees it (unless a range text holds it) when there are none.
    void SetMailboxesExist(bool exist);

  private:
    void Build();
    void ShowLock();
    void ReadFields();
    QWidget* Widget(editors::ExtField field) const;

    editors::CExtensionEdit edit_;
    bool wizard_ = false;
    CSpinEdit* extDigits_;
    CSpinEdit* operatorKey_;
    QLineEdit* dayExt_;
    QLineEdit* nightExt_;
    QLineEdit* faxExt_;
    std::array<QLineEdit*, editors::kRangeRows> from_{};
    std::array<QLineEdit*, editors::kRangeRows> to_{};
};

} // namespace kiv
