#include "document/DocCommands.h"

#include "document/ProductType.h"
#include "document/QelFile.h"
#include "document/Texts.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace kiv {
namespace fs = std::filesystem;

std::string FileNameOf(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string DirectoryOf(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    if (cut == std::string::npos) return {};
    if (cut == 0) return path.substr(0, 1);
    return path.substr(0, cut);
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/' || dir.back() == '\\') return dir + name;
    return dir + "/" + name;
}

std::string WithDefaultExtension(const std::string& path) {
    if (FileNameOf(path).find('.') == std::string::npos) return path + ".qel";
    return path;
}

std::string FileDialogPattern(int productType) {
    const ProductTypeInfo* info = FindProductType(productType);
    return std::string("*.") + (info ? info->extension : "qel");
}

std::string FileDialogFilter(int productType) {
    return std::string(texts::kFileFilterLabel) + "(" + FileDialogPattern(productType) + ")";
}

std::string SaveAsInitialName(const std::string& title, int productType) {
    if (title.find('.') != std::string::npos) return title;
    const ProductTypeInfo* info = FindProductType(productType);
    return title + "." + (info ? info->extension : "qel");
}

std::string SaveChangesQuestion(const std::string& title) {
    const std::string_view format = texts::kSaveChangesFormat;
    const size_t at = format.find("%s");
    return std::string(format.substr(0, at)) + title + std::string(format.substr(at + 2));
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes) {
    // Only plain files: a device or a pipe could block or never end.
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(path), ec)) return false;
    const auto size = fs::file_size(fs::path(path), ec);
    if (ec || size > maxBytes) return false;
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) return false;
    out.resize(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(size));
    out.resize(static_cast<size_t>(in.gcount()));
    return !in.bad();
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
    const fs::path target(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) return false;
    std::random_device rd;
    fs::path temp = target;
    temp += ".tmp" + std::to_string(rd() % 1000000);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    // Keep the permissions of the file being replaced.
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old)) fs::permissions(temp, old.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

void ApplyProductTypeChoice(CQelDoc& doc, std::optional<int> choice) {
    const int type = choice.value_or(0);
    doc.SetProductType(FindProductType(type) ? type : 0);
}

void NewConfiguration(CQelDoc& doc, std::optional<int> choice) {
    ApplyProductTypeChoice(doc, choice);
    doc.readFromUnit = 0;
    doc.modified = false;
    doc.ResetToDefaults();
    doc.title = FindProductType(doc.productType)->untitled;
    doc.pathName.clear();
}

void OpenDefaultConfiguration(CQelDoc& doc, std::optional<int> choice,
                              const std::vector<std::string>& folders, MessageSink& sink) {
    ApplyProductTypeChoice(doc, choice);
    doc.readFromUnit = 0;
    doc.ResetToDefaults();
    const ProductTypeInfo* info = FindProductType(doc.productType);
    doc.SetProductType(info->type);
    doc.title = info->defaultFile;
    doc.pathName.clear();
    doc.modified = false;

    std::vector<uint8_t> data;
    bool found = false;
    for (const auto& folder : folders) {
        if (ReadWholeFile(JoinPath(folder, info->defaultFile), data)) {
            found = true;
            break;
        }
    }
    if (!found) {
        sink.Show(texts::kDefaultCannotOpen);
        return;
    }
    if (LoadDefaultConfiguration(doc, data, sink) == DefaultLoad::ResetAgain) doc.ResetToDefaults();
}

bool OpenConfiguration(CQelDoc& doc, const std::string& chosen, MessageSink& sink) {
    const std::string path = WithDefaultExtension(chosen);
    if (!DirectoryOf(path).empty()) doc.currentDir = DirectoryOf(path);
    std::vector<uint8_t> data;
    if (!ReadWholeFile(path, data)) {
        sink.Show(texts::kCannotOpenInput);
        return false;
    }
    doc.readFromUnit = 0;
    const bool accepted = LoadConfiguration(doc, data, FileNameOf(path), sink) == 1;
    if (accepted) {
        doc.title = FileNameOf(path);
        doc.pathName = path;
        doc.modified = false;
    } else {
        // The contents no longer match any file on disk.
        doc.modified = true;
    }
    return accepted;
}

std::optional<std::string> SaveTarget(CQelDoc& doc) {
    if (doc.neverSaved) {
        doc.neverSaved = false;
        return std::nullopt;
    }
    std::string name = doc.title;
    if (name.find('.') == std::string::npos) name += ".qel";
    return JoinPath(doc.currentDir, name);
}

bool SaveConfiguration(CQelDoc& doc, const std::string& path, bool rename, MessageSink& sink) {
    // Stored on a copy first so that a failed write leaves the document (and
    // its clock) exactly as it was.
    CQelDoc copy = doc;
    if (rename) copy.title = FileNameOf(path);
    const std::string bytes = StoreConfiguration(copy);
    if (!WriteFileReplacing(path, bytes)) {
        sink.Show(texts::kCannotOpenOutput);
        return false;
    }
    doc = std::move(copy);
    doc.pathName = path;
    doc.modified = false;
    return true;
}

std::optional<std::string> SaveConfigurationAs(CQelDoc& doc, const std::string& chosen,
                                               MessageSink& sink) {
    const std::string path = WithDefaultExtension(chosen);
    if (!DirectoryOf(path).empty()) doc.currentDir = DirectoryOf(path);
    if (!SaveConfiguration(doc, path, true, sink)) return std::nullopt;
    return path;
}

} // namespace kiv
