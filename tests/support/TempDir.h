#pragma once
// A folder of its own under the system's temporary folder for one test, fixture or benchmark:
// made by mkdtemp (a name no other run can hold), removed with everything in it when the
// object goes. Two test runs on one machine never see each other's files.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace kiv::test {

class CTempDir {
  public:
    // The folder is named "<prefix>-XXXXXX" with a unique ending.
    explicit CTempDir(const std::string& prefix = "kiv-test") {
        const std::string pattern =
            (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (!::mkdtemp(name.data()))
            throw std::runtime_error("cannot make a temporary folder from " + pattern);
        path_ = name.data();
    }
    ~CTempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string String() const { return path_.string(); }
    // A path inside the folder.
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

} // namespace kiv::test
