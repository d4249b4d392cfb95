#include "document/DocCommands.h"

#include "document/ProductType.h"
#include "document/QelFile.h"
#include "document/ReplacementFile.h"
#include "document/Texts.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

std::string WithDefaultExtension(const std::string& path, int productType) {
    if (FileNameOf(path).find('.') != std::string::npos) return path;
    const ProductTypeInfo* info = FindProductType(productType);
    return path + "." + (info ? info->extension : "qel");
}

std::string FileDialogPattern(int productType) {
    const ProductTypeInfo* info = FindProductType(productType);
    return std::string("*.") + (info ? info->extension : "qel");
}

std::string FileDialogFilter(int productType) {
    return std::string(texts::kFileFilterLabel) + "(" + FileDialogPattern(productType) + ")";
}

std::string SaveAsInitialName(const std::string& title, int productType) {
    // A title that is not a file's name (a PBX model's) may hold folder
    // parts or a dot of its own: only its last part is offered, and the
    // product type's extension is added unless it already ends with one of
    // the four, so that the file lands in the dialog's folder and reopens as
    // a configuration.
    const ProductTypeInfo* info = FindProductType(productType);
    const std::string name = FileNameOf(title);
    if (name.empty() || name == "." || name == "..") return info ? info->untitled : "Untitled.qel";
    if (name.size() > 4 && name[name.size() - 4] == '.' && ProductTypeFromFileName(name))
        return name;
    return name + "." + (info ? info->extension : "qel");
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

namespace {

// The file a path names, following symbolic links (a relative link from the
// link's own folder). nullopt for a link that cannot be read or a loop.
std::optional<fs::path> ResolveLinks(fs::path p) {
    std::error_code ec;
    for (int hops = 0; hops < 40; ++hops) {
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) return std::nullopt;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return std::nullopt;
}

// Whether the process may open an existing file for writing.
bool MayWrite(const fs::path& file) {
#ifdef _WIN32
    std::error_code ec;
    const fs::perms perms = fs::status(file, ec).permissions();
    return !ec && (perms & fs::perms::owner_write) != fs::perms::none;
#else
    return ::access(file.c_str(), W_OK) == 0;
#endif
}

fs::path TemporaryName(const fs::path& target) {
    static std::random_device rd;
    fs::path temp = target;
    temp += ".tmp" + std::to_string(rd() % 1000000);
    return temp;
}

enum class TempResult { Written, NotCreated, Failed };

// A new file beside `target`, created exclusively (never through a link or
// over a file planted there); `temp` receives its name. Null when no file can
// be made in the folder.
std::FILE* CreateBeside(const fs::path& target, fs::path& temp) {
#ifndef _WIN32
    for (int attempt = 0; attempt < 16; ++attempt) {
        temp = TemporaryName(target);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return nullptr;
        if (fd < 0) continue;
        if (std::FILE* f = ::fdopen(fd, "wb")) return f;
        ::close(fd);
        std::error_code ec;
        fs::remove(temp, ec);
        return nullptr;
    }
#else
    for (int attempt = 0; attempt < 16; ++attempt) {
        temp = TemporaryName(target);
        if (std::FILE* f = std::fopen(temp.string().c_str(), "wbx")) return f;
        std::error_code ec;
        if (!fs::exists(temp, ec)) return nullptr;
    }
#endif
    return nullptr;
}

// Closes the new file and moves it into the place of `target`, with the
// permission bits (and, where the process may give them, the owner and
// group) of the file it replaces. On failure the new file is removed and the
// target is as it was.
bool MoveIntoPlace(std::FILE* file, const fs::path& temp, const fs::path& target, bool exists) {
    bool ok = std::fflush(file) == 0 && !std::ferror(file);
    std::error_code ec;
#ifndef _WIN32
    const int fd = ::fileno(file);
    struct stat old {};
    if (ok && exists && ::stat(target.c_str(), &old) == 0) {
        // The replaced file's owner and group where the process may give them
        // (root, or a group of its own), and always its permission bits.
        const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        (void)owned;
        ok = ::fchmod(fd, old.st_mode & 0777) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = std::fclose(file) == 0 && ok;
#else
    ok = std::fclose(file) == 0 && ok;
    if (ok && exists) {
        fs::permissions(temp, fs::status(target, ec).permissions(), ec);
        ok = !ec;
    }
#endif
    if (ok) {
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
}

// Writes the bytes to a new file beside `target` and moves it into its place.
// NotCreated when no file can be made in the folder (nothing was touched).
TempResult WriteThroughTemporary(const fs::path& target, const std::string& bytes, bool exists) {
    fs::path temp;
    std::FILE* file = CreateBeside(target, temp);
    if (!file) return TempResult::NotCreated;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (!written) std::fclose(file);
    if (!written || !MoveIntoPlace(file, temp, target, exists)) {
        std::error_code ec;
        fs::remove(temp, ec);
        return TempResult::Failed;
    }
    return TempResult::Written;
}

// The file that a write to `path` replaces, links followed: nullopt when it
// is no plain file, or one the process may not write.
std::optional<fs::path> ReplaceableTarget(const std::string& path, const WriteProbe& probe,
                                          bool& exists) {
    const std::optional<fs::path> resolved = ResolveLinks(fs::path(path));
    if (!resolved) return std::nullopt;
    std::error_code ec;
    const fs::file_status status = fs::status(*resolved, ec);
    exists = fs::exists(status);
    // Only a plain file is replaced: never a folder, a device or a pipe.
    if (exists && !fs::is_regular_file(status)) return std::nullopt;
    if (exists && !(probe.fileWritable ? *probe.fileWritable : MayWrite(*resolved)))
        return std::nullopt;
    return resolved;
}

// Overwrites `size` bytes at the start of an existing file and cuts it there.
bool OverwriteFile(const fs::path& target, const char* data, size_t size) {
    {
        std::fstream out(target, std::ios::in | std::ios::out | std::ios::binary);
        if (!out) return false;
        out.write(data, static_cast<std::streamsize>(size));
        out.flush();
        if (!out) return false;
    }
    std::error_code ec;
    fs::resize_file(target, size, ec);
    return !ec;
}

// Rewrites the file itself (same file, same mode, same links). When that
// fails half-way the previous contents go back, as far as the system lets.
bool WriteInPlace(const fs::path& target, const std::string& bytes) {
    std::vector<uint8_t> previous;
    const bool kept = ReadWholeFile(target.string(), previous);
    if (OverwriteFile(target, bytes.data(), bytes.size())) return true;
    if (kept)
        OverwriteFile(target, reinterpret_cast<const char*>(previous.data()), previous.size());
    return false;
}

} // namespace

bool WriteFileReplacing(const std::string& path, const std::string& bytes,
                        const WriteProbe& probe) {
    bool exists = false;
    const std::optional<fs::path> target = ReplaceableTarget(path, probe, exists);
    if (!target) return false;
    if (probe.folderWritable.value_or(true)) {
        switch (WriteThroughTemporary(*target, bytes, exists)) {
        case TempResult::Written:
            return true;
        case TempResult::Failed:
            return false;
        case TempResult::NotCreated:
            break;
        }
    }
    // Nothing can be created in the folder: the file itself is rewritten.
    return exists && WriteInPlace(*target, bytes);
}

CReplacementFile::CReplacementFile(std::string path) : path_(std::move(path)) {}

CReplacementFile::~CReplacementFile() {
    Abandon();
}

bool CReplacementFile::Open() {
    Abandon();
    const std::optional<fs::path> target = ReplaceableTarget(path_, {}, exists_);
    if (!target) return false;
    target_ = target->string();
    fs::path temp;
    file_ = CreateBeside(*target, temp);
    temp_ = temp.string();
    return file_ != nullptr;
}

bool CReplacementFile::Commit() {
    if (!file_) return false;
    std::FILE* file = std::exchange(file_, nullptr);
    return MoveIntoPlace(file, fs::path(temp_), fs::path(target_), exists_);
}

void CReplacementFile::Abandon() {
    if (!file_) return;
    std::fclose(std::exchange(file_, nullptr));
    std::error_code ec;
    fs::remove(fs::path(temp_), ec);
}

int ChosenProductType(std::optional<int> choice) {
    const int type = choice.value_or(0);
    return FindProductType(type) ? type : 0;
}

void ApplyProductTypeChoice(CQelDoc& doc, std::optional<int> choice) {
    doc.SetProductType(ChosenProductType(choice));
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

bool OpenConfiguration(CQelDoc& doc, const std::string& chosen, MessageSink& sink,
                       std::optional<int> chosenType) {
    const std::string path = WithDefaultExtension(chosen);
    if (!DirectoryOf(path).empty()) doc.currentDir = DirectoryOf(path);
    std::vector<uint8_t> data;
    if (!ReadWholeFile(path, data)) {
        sink.Show(texts::kCannotOpenInput);
        return false;
    }
    // The file is loaded into a copy: a refused file has shown its message
    // and leaves the configuration exactly as it was, instead of a mix of the
    // two (another product type over the old mailboxes, which the next save
    // would write as a file that is itself refused).
    CQelDoc loaded = doc;
    // Only now that a file is being loaded does the choice count; the
    // extension then decides (a foreign one keeps the chosen type).
    if (chosenType) ApplyProductTypeChoice(loaded, chosenType);
    loaded.readFromUnit = 0;
    const bool accepted = LoadConfiguration(loaded, data, FileNameOf(path), sink) == 1;
    if (accepted) {
        loaded.title = FileNameOf(path);
        loaded.pathName = path;
        loaded.modified = false;
        doc = std::move(loaded);
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
    const std::string path = WithDefaultExtension(chosen, doc.productType);
    if (!DirectoryOf(path).empty()) doc.currentDir = DirectoryOf(path);
    if (!SaveConfiguration(doc, path, true, sink)) return std::nullopt;
    return path;
}

} // namespace kiv
