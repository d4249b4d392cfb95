#pragma once
// The file commands of the document ("&Nuovo", "&Apri", "Apri &Default",
// "&Salva", "Salva &come..."), without their dialogs: the shell runs the
// product type dialog, the save question and the file dialogs, and hands the
// answers to these functions.

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
// A name whose file part has no extension gets ".qel" (for every product type).
std::string WithDefaultExtension(const std::string& path);
// File dialog filter of a product type: "Files QEL (qel)(*.qel)" and "*.qel".
std::string FileDialogFilter(int productType);
std::string FileDialogPattern(int productType);
// Initial name of "Salva &come...": the title, with the product type's
// extension when it contains no '.'.
std::string SaveAsInitialName(const std::string& title, int productType);
// The text of the save question for a title.
std::string SaveChangesQuestion(const std::string& title);

// --- Files -----------------------------------------------------------------
// Reads a plain file of at most `maxBytes` (configuration files are a few
// kilobytes; anything far larger is not one).
inline constexpr size_t kMaxConfigFileBytes = 64u << 20;
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out,
                   size_t maxBytes = kMaxConfigFileBytes);
// Writes through a temporary file in the same folder, then replaces the
// target, so a failed save never destroys the previous file.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

// --- Commands ----------------------------------------------------------------
// "Tipo Prodotto" answered: OK with a type, or Cancel (nullopt) meaning 0.
void ApplyProductTypeChoice(CQelDoc& doc, std::optional<int> choice);

// "&Nuovo" after the product type dialog.
void NewConfiguration(CQelDoc& doc, std::optional<int> choice);

// "Apri &Default" after the product type dialog and the save question. The
// default file is looked for in each folder in turn (the start folder first).
void OpenDefaultConfiguration(CQelDoc& doc, std::optional<int> choice,
                              const std::vector<std::string>& folders, MessageSink& sink);

// The loading part of "&Apri", once the user chose `path`. Returns true when
// the load was accepted.
bool OpenConfiguration(CQelDoc& doc, const std::string& path, MessageSink& sink);

// "&Salva": where to write without asking, or nullopt when a name must be
// asked first ("Salva &come..." runs; the first-save state ends here).
std::optional<std::string> SaveTarget(CQelDoc& doc);

// Stores the configuration in `path`. With `rename` the title becomes the
// file's name ("Salva &come..."). Returns false after "Impossibile aprire
// file output" (nothing written, modified flag kept).
bool SaveConfiguration(CQelDoc& doc, const std::string& path, bool rename, MessageSink& sink);

// "Salva &come..." once the user chose `path` (".qel" added when it has no
// extension). Returns the path written, or nullopt on failure.
std::optional<std::string> SaveConfigurationAs(CQelDoc& doc, const std::string& path,
                                               MessageSink& sink);

} // namespace kiv
