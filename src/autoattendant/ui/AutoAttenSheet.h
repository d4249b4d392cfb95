#pragma once
// "Gestione Pagine": the page editor and its four companion tabs, each on its
// part of one working copy taken from the document; ApplyTo hands it back.

#include "app/PropertySheet.h"
#include "autoattendant/PageSheetEdit.h"

namespace kiv {

class CAutoAttenPage;
class CDialStringPage;
class CInfoPage;
class COpenScriptPage;
class CQelDoc;
class CRecordingListPage;

class CAutoAttenSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CAutoAttenSheet(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent = nullptr);
    ~CAutoAttenSheet() override;

    CAutoAttenPage* AutoAttenPage() const { return autoAtten_; }
    CDialStringPage* DialStringPage() const { return dialString_; }
    COpenScriptPage* OpenScriptPage() const { return openScript_; }
    CRecordingListPage* RecordingListPage() const { return recording_; }
    CInfoPage* InfoPage() const { return info_; }
    const autoatt::CPageSheetEdit& Model() const { return edit_; }

    void ApplyTo(CQelDoc& doc) const;

  private:
    autoatt::CPageSheetEdit edit_;
    CAutoAttenPage* autoAtten_;
    CDialStringPage* dialString_;
    COpenScriptPage* openScript_;
    CRecordingListPage* recording_;
    CInfoPage* info_;
};

// The command "Ge&stione Pagine": the sheet on a copy; only OK writes back and
// marks the document modified. True when the document changed.
bool RunPagesCommand(CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent);

class CQelApp;
// Attaches the command to the main frame's action "actionPages".
void InstallPageCommands(CQelApp& app);

} // namespace kiv
