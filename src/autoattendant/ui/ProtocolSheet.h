#pragma once
// "Protocollo In-Band DTMF": four tabs of ten events each, the first with the
// two timing values, each on its page of one working copy taken from the
// document; ApplyTo hands the 40 events and the timings back.

#include "app/PropertySheet.h"
#include "autoattendant/ProtocolSheetEdit.h"

#include <array>

namespace kiv {

class CProtocolPage;
class CQelDoc;

class CProtocolSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CProtocolSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent = nullptr);

    // Tab 0-3.
    CProtocolPage* ProtocolPage(int tab) const { return pages_.at(static_cast<std::size_t>(tab)); }
    const autoatt::CProtocolSheetEdit& Model() const { return edit_; }

    void ApplyTo(CQelDoc& doc) const;

  private:
    autoatt::CProtocolSheetEdit edit_;
    std::array<CProtocolPage*, autoatt::kProtocolPages> pages_{};
};

// The command "Protocollo In-Band &DTMF": the sheet on a copy; only OK writes
// back and marks the document modified. True when the document changed.
bool RunProtocolCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);

class CQelApp;
// Attaches the command to the main frame's action "actionInBandProtocol".
void InstallProtocolCommands(CQelApp& app);

} // namespace kiv
