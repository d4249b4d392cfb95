#pragma once
// The PBX database index of one product family: the models listed by its
// "PBX.xml", the texts the selection list shows, and the choice of a model.
//
// Names, texts and paths here are UTF-8, as the index file and the file
// system give them; the selection dialog converts only for display.

#include <optional>
#include <string>
#include <vector>

namespace kiv {

// One "PBX" element of the index, its three attributes as written.
struct PbxIndexEntry {
    std::string pbxType;           // "PBXType": the model's name
    std::string digitsInExtension; // "DigitsInExtension": shown only
    std::string fileName;          // "FileName": the model's configuration file
};

// The family folder of a product type: the configuration file extension
// ("qel", "dax", "ri8", "ri2"); "" for an unknown type.
std::string PbxFamilyFolder(int productType);

// "PBXType (DigitsInExtension digits)".
std::string PbxDisplayText(const PbxIndexEntry& entry);

// The model name of a display text: the text up to its first "(", less the
// one character before it (the separating space). A "PBXType" that itself
// holds "(" is thus cut two characters before that "(".
std::string PbxModelName(const std::string& displayText);

// True when `fileName` names a file inside its family folder: not empty, not
// "." or "..", and without a path separator (which also rules out absolute
// paths). Anything else could reach a file outside the database.
bool IsPbxFileNameSafe(const std::string& fileName);

// What the selection returns: the model's file in its family folder and the
// model name that becomes the document's title.
struct PbxChoice {
    std::string familyFolder; // "ri8"
    std::string fileName;     // as the index gives it
    std::string modelName;
    // The file relative to the database root ("ri8/model.ri8").
    std::string RelativeFile() const { return familyFolder + "/" + fileName; }
};

class CPbxIndex {
  public:
    CPbxIndex() = default;
    CPbxIndex(int productType, std::vector<PbxIndexEntry> entries);

    int ProductType() const { return productType_; }
    const std::vector<PbxIndexEntry>& Entries() const { return entries_; }

    // The display texts in index order.
    std::vector<std::string> DisplayTexts() const;
    // The display texts as the list shows them: sorted alphabetically without
    // regard to letter case, equal texts each listed once per model.
    std::vector<std::string> SortedTexts() const;

    // The choice for a selected list text: the first model in index order
    // whose display text equals it; nullopt when none does.
    std::optional<PbxChoice> Choose(const std::string& displayText) const;

  private:
    int productType_ = 0;
    std::vector<PbxIndexEntry> entries_;
};

} // namespace kiv
