#pragma once
// A file written piece by piece (as a transfer's bytes arrive) that replaces
// the file it names only once it is whole. Made by the same route as
// WriteFileReplacing (DocCommands.h): symbolic links followed to the file
// they name, a new file created beside it, moved into its place with its
// permission bits.

#include <cstdio>
#include <string>

namespace kiv {

// Until Commit() the file `path` names stays byte for byte as it was; the
// new file is removed when the object goes without Commit().
class CReplacementFile {
  public:
    explicit CReplacementFile(std::string path);
    ~CReplacementFile();
    CReplacementFile(const CReplacementFile&) = delete;
    CReplacementFile& operator=(const CReplacementFile&) = delete;

    // Creates the new file. False when the target is no plain file the
    // process may write, or no file can be made in its folder.
    bool Open();
    // The new file while it is open.
    std::FILE* File() const { return file_; }
    // Writes everything out and puts the new file in the target's place.
    // False (the new file removed, the target untouched) when that fails.
    bool Commit();
    // Removes the new file; the target stays as it was.
    void Abandon();

  private:
    std::string path_, target_, temp_;
    std::FILE* file_ = nullptr;
    bool exists_ = false;
};

} // namespace kiv
