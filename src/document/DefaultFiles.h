#pragma once
// The default configuration files shipped with the programs.

#include <string>
#include <vector>

namespace kiv {

// The bytes of the default file of a product type: the reset values, with the
// default unit password in the password text that "Apri &Default" reads.
std::string MakeDefaultFile(int productType);

// The folders where the shipped files (default files, the PBX database) are
// looked for, in order: the start folder, the program's own folder (a build
// tree keeps them beside the programs), then the installed data folder
// "share/kiv" beside the program's "bin". Repeated folders are left out.
std::vector<std::string> DataFolders(const std::string& startDir, const std::string& programDir);

} // namespace kiv
