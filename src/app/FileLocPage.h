#pragma once
// "Destinazione File": the folders preset in the file dialogs of
// configurations, system images, backups and page recordings.

#include "app/PropertyPage.h"

#include <array>
#include <string>

class QListWidget;
class QPushButton;

namespace kiv {

class CFileLocPage : public CPropertyPage {
    Q_OBJECT
  public:
    // `locations`: the document's five folder texts (code page 1252);
    // elements 1 to 4 are the rows.
    explicit CFileLocPage(const std::array<std::string, 5>& locations, QWidget* parent = nullptr);

    // The folder texts, kept up to date by the two buttons.
    std::array<std::string, 5> locations;

    // The text of row 0-3: the type name, its padding, the folder.
    static QString RowText(int row, const std::string& folder);

    QListWidget* List() const { return list_; }
    void Modify();
    void Clear();

  private:
    void Refresh(int row);

    QListWidget* list_;
    QPushButton* modify_;
    QPushButton* clear_;
};

} // namespace kiv
