#pragma once
// The file commands of the document ("&Nuovo", "&Apri", "Apri &Default",
// "&Salva", "Salva &come..."), without their dialogs: the shell runs the
// product type dialog, the save question and the file dialogs, and hands the
// answers to these functions.
//
// Paths and the document's title (its file's name) are the file system's own
// bytes (UTF-8 on Linux), never converted through code page 1252: a file may
// be named with any character the file system allows.

#include "document/MessageSink.h"
#include "document/QelDoc.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kiv {

// --- Names -----------------------------------------------------------------
// File name part of a path (after the last '/' or '\').
std::string FileNameOf(const std::string& path);
// Folder part of a path, without the trailing separator ("" for a bare name).
std::string DirectoryOf(const std::string& path);
// Joins a folder and a name with '/'.
std::string JoinPath(const std::string& dir, const std::string& name);
// A name whose file part has no extension gets the extension of a product
// type (".qel" for type 0, which "&Apri" uses for every type).
std::string WithDefaultExtension(const std::string& path, int productType = 0);
// File dialog filter of a product type: "Files QEL (qel)(*.qel)" and "*.qel".
std::string FileDialogFilter(int productType);
std::string FileDialogPattern(int productType);
// Initial name of "Salva &come...": the title's last part (no folder parts),
// with the product type's extension unless it ends with one of the four.
std::string SaveAsInitialName(const std::string& title, int productType);
// The text of the save question for a title.
std::string SaveChangesQuestion(const std::string& title);

// --- Files -----------------------------------------------------------------
// Reads a plain file of at most `maxBytes` (configuration files are a few
// kilobytes; anything far larger is not one).
inline constexpr size_t kMaxConfigFileBytes = 64u << 20;
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out,
                   size_t maxBytes = kMaxConfigFileBytes);

// Stand-ins for what the process may do at the target, so that the choice of
// route can be tried whatever the privileges of the process (root may write
// where the modes say no). Unset members are asked of the system.
struct WriteProbe {
    std::optional<bool> fileWritable;   // the existing file may be opened for writing
    std::optional<bool> folderWritable; // a new file may be created beside it
};

// Writes `bytes` to `path`:
// - a symbolic link is followed to the file it names, which is replaced (the
//   link stays a link);
// - normally through a temporary file in the same folder that then takes the
//   file's place with the permission bits of the file it replaces, so a
//   failed save never destroys the previous file;
// - when no file can be created in the folder but the file itself may be
//   written, the file is rewritten in place; should that fail half-way the
//   previous contents are written back;
// - an existing file that may not be written is left alone (false).
bool WriteFileReplacing(const std::string& path, const std::string& bytes,
                        const WriteProbe& probe = {});

// --- Commands ----------------------------------------------------------------
// "Tipo Prodotto" answered: OK with a type, or Cancel (nullopt) meaning 0.
int ChosenProductType(std::optional<int> choice);
void ApplyProductTypeChoice(CQelDoc& doc, std::optional<int> choice);

// "&Nuovo" after the product type dialog.
void NewConfiguration(CQelDoc& doc, std::optional<int> choice);

// "Apri &Default" after the product type dialog and the save question. The
// default file is looked for in each folder in turn (the start folder first).
void OpenDefaultConfiguration(CQelDoc& doc, std::optional<int> choice,
                              const std::vector<std::string>& folders, MessageSink& sink);

// The loading part of "&Apri", once the user chose `path` (".qel" added when
// it has no extension). The product type chosen in "Tipo Prodotto", when
// given, is applied only once the file has been read: a file that cannot be
// read changes nothing. Returns true when the load was accepted.
bool OpenConfiguration(CQelDoc& doc, const std::string& path, MessageSink& sink,
                       std::optional<int> chosenType = std::nullopt);

// "&Salva": where to write without asking, or nullopt when a name must be
// asked first ("Salva &come..." runs; the first-save state ends here).
std::optional<std::string> SaveTarget(CQelDoc& doc);

// Stores the configuration in `path`. With `rename` the title becomes the
// file's name ("Salva &come..."). Returns false after "Impossibile aprire
// file output" (nothing written, modified flag kept).
bool SaveConfiguration(CQelDoc& doc, const std::string& path, bool rename, MessageSink& sink);

// "Salva &come..." once the user chose `path` (the extension of the product
// type added when it has none, so that the file reopens as the same type).
// Returns the path written, or nullopt on failure.
std::optional<std::string> SaveConfigurationAs(CQelDoc& doc, const std::string& path,
                                               MessageSink& sink);

} // namespace kiv
