#pragma once
// What choosing a PBX model does: where the database is found and how the
// model's configuration file is loaded into the document.

#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "pbxdb/PbxIndex.h"

#include <string>
#include <vector>

namespace kiv {

// The database root ("<folder>/PBX Data Base") that holds the index of the
// product type's family: the first of `folders` (the start folder first, then
// the folder of the program) where that index exists; when none has it, the
// root under the first folder (whose missing index lists nothing).
std::string FindPbxDatabase(const std::vector<std::string>& folders, int productType);

// The family's index file under a database root.
std::string PbxIndexPath(const std::string& databaseRoot, int productType);

// Loads the chosen model's configuration into the document, as "&Apri" reads
// a configuration file (the product type follows from the file's extension),
// without a reset first. On success the title becomes the model name; the
// path and the modified flag stay, and the next "&Salva" asks for a name. A file name that leaves
// its family folder, or a file that cannot be read, shows "Il file selezionato non è compatibile
// con l'unità" and changes nothing; a file the load refuses shows the load's
// message and leaves the document as it was. True when the model was loaded.
bool LoadPbxModel(CQelDoc& doc, const std::string& databaseRoot, const PbxChoice& choice,
                  MessageSink& sink);

} // namespace kiv
