#include "pbxdb/PbxIndex.h"

#include <algorithm>
#include <cctype>

namespace kiv {

std::string PbxFamilyFolder(int productType) {
    switch (productType) {
    case 0:
        return "qel";
    case 1:
        return "dax";
    case 2:
        return "ri8";
    case 3:
        return "ri2";
    default:
        return "";
    }
}

std::string PbxDisplayText(const PbxIndexEntry& entry) {
    return entry.pbxType + " (" + entry.digitsInExtension + " digits)";
}

std::string PbxModelName(const std::string& displayText) {
    const size_t open = displayText.find('(');
    if (open == std::string::npos) return displayText;
    if (open == 0) return "";
    return displayText.substr(0, open - 1);
}

bool IsPbxFileNameSafe(const std::string& fileName) {
    if (fileName.empty() || fileName == "." || fileName == "..") return false;
    return fileName.find_first_of("/\\") == std::string::npos;
}

CPbxIndex::CPbxIndex(int productType, std::vector<PbxIndexEntry> entries)
    : productType_(productType), entries_(std::move(entries)) {}

std::vector<std::string> CPbxIndex::DisplayTexts() const {
    std::vector<std::string> texts;
    texts.reserve(entries_.size());
    for (const PbxIndexEntry& e : entries_)
        texts.push_back(PbxDisplayText(e));
    return texts;
}

namespace {

unsigned char Folded(char c) {
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}

// Alphabetical without regard to ASCII letter case; texts that differ only in
// case are put in byte order, so the order never depends on the index's.
bool ListOrder(const std::string& a, const std::string& b) {
    const bool less =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                     [](char x, char y) { return Folded(x) < Folded(y); });
    if (less) return true;
    const bool greater =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                     [](char x, char y) { return Folded(x) < Folded(y); });
    return !greater && a < b;
}

} // namespace

std::vector<std::string> CPbxIndex::SortedTexts() const {
    std::vector<std::string> texts = DisplayTexts();
    std::sort(texts.begin(), texts.end(), ListOrder);
    return texts;
}

std::optional<PbxChoice> CPbxIndex::Choose(const std::string& displayText) const {
    for (const PbxIndexEntry& e : entries_) {
        if (PbxDisplayText(e) != displayText) continue;
        return PbxChoice{PbxFamilyFolder(productType_), e.fileName, PbxModelName(displayText)};
    }
    return std::nullopt;
}

} // namespace kiv
