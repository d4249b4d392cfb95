#pragma once
// "Lista": the mailboxes of the configuration, one row each, with the
// commands that add, copy, delete and change them and the supervisor choice.
// It edits a CMboxList working copy; the document is untouched until the
// command that opened the sheet takes the copy over on OK.

#include "app/PropertyPage.h"
#include "editors/MboxList.h"

#include <functional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSettings;
class QTreeWidget;

namespace kiv {

class CQelDoc;
class CShellDialogs;

// What "Statistiche" opens for the selected mailbox (its message list). The
// statistics subsystem sits above the editors and sets it when it installs its
// commands; until then the button opens nothing.
using MboxStatisticsOpener = std::function<void(const CQelDoc& doc, const std::string& mailbox,
                                                CShellDialogs& dialogs, QWidget* parent)>;
void SetMboxStatisticsOpener(MboxStatisticsOpener opener);

class CListMboxPage : public CPropertyPage {
    Q_OBJECT
  public:
    // `profile`: where the column widths are kept (section "ListMbox"); may be
    // null, then the defaults are used and nothing is written.
    CListMboxPage(const CQelDoc& doc, QSettings* profile, QWidget* parent = nullptr);

    bool OnKillActive() override;

    const editors::CMboxList& Model() const { return list_; }
    QTreeWidget* List() const { return tree_; }
    // The row selected in the list, or -1.
    int SelectedRow() const;
    void SelectRow(int row);

    void Add();
    void Copy();
    void Delete();
    void Change();
    // "Crea &Intervallo...": a range of new mailboxes from "Da" to "A" (D
    // digits each, the document's digit count), in a sheet of its own.
    void CreateRangeInSheet();
    // "Esporta CSV..." writes the list as it stands; "Importa CSV..." takes
    // the rows of a file into the list, or nothing when a row is faulty.
    void ExportCsv();
    void ImportCsv();
    // "&Statistiche": the message list of the selected mailbox, from the unit data of the
    // document.
    void Statistics();

  protected:
    // The wizard's list: the same list, columns, profile keys, Add, Copy,
    // Delete, supervisor and total, over reference tables shared with the
    // wizard's other steps; no "Ca&mbia..." and no "&Statistiche" (the
    // wizard puts its range panel below).
    struct WizardVariant {};
    CListMboxPage(WizardVariant, const CQelDoc& doc, std::shared_ptr<editors::MboxRefTables> tables,
                  QSettings* profile, QWidget* parent = nullptr);

    editors::CMboxList& WorkList() { return list_; }
    void Refresh();
    void Refuse(const std::string& message);
    void SaveColumnWidths() const;

  private:
    void Build(bool withChange);
    // Width of a column when the profile has none, for a list `listWidth` wide:
    // the column's share of it, but never less than its texts need.
    int DefaultWidth(int column, int listWidth) const;
    void LoadColumnWidths();

    const CQelDoc& doc_;
    editors::CMboxList list_;
    QSettings* profile_;
    QTreeWidget* tree_;
    QPushButton* add_;
    QPushButton* copy_;
    QPushButton* delete_;
    QPushButton* change_ = nullptr;
    QPushButton* statistics_ = nullptr;
    QPushButton* exportCsv_ = nullptr;
    QPushButton* importCsv_ = nullptr;
    QPushButton* createRange_ = nullptr;
    QLineEdit* total_;
    QComboBox* supervisor_;
};

} // namespace kiv
