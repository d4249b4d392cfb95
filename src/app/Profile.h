#pragma once
// The application profile "KIV.INI" (QSettings, INI format) in the user's
// configuration folder. Its absence at start-up means a first run.
//
// Where it lives: SetDirectoryOverride() if called (tests), else the folder
// named by $KIV_CONFIG_DIR, else the user's configuration folder.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QSettings;

namespace kiv {

// A window placement as the profile keeps it in "Settings"/"WindowPos":
// flags, show state (1 normal, 2 minimized, 3 maximized), minimized and
// maximized positions, and the normal rectangle.
struct CWindowPlacement {
    unsigned flags = 0; // 2: restore to maximized
    unsigned showCmd = 1;
    int minX = -1, minY = -1;
    int maxX = -1, maxY = -1;
    int left = 0, top = 0, right = 0, bottom = 0;

    bool operator==(const CWindowPlacement&) const = default;
};

// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d"
QString FormatWindowPos(const CWindowPlacement& placement);
// Counts only when the text holds exactly ten numbers.
std::optional<CWindowPlacement> ParseWindowPos(const QString& text);

class CProfile {
  public:
    static constexpr int kRecentFileCount = 4;

    static void SetDirectoryOverride(const QString& directory);
    static QString Directory();
    static QString FilePath();
    static bool Exists();

    CProfile();
    ~CProfile();
    CProfile(const CProfile&) = delete;
    CProfile& operator=(const CProfile&) = delete;

    // The underlying settings, for sections owned elsewhere ("Ports", "ListMbox" ...).
    QSettings& Settings() const { return *settings_; }
    void Sync();

    std::optional<CWindowPlacement> WindowPos() const;
    void SetWindowPos(const CWindowPlacement& placement);

    bool ToolTips() const;
    void SetToolTips(bool on);

    QByteArray BarState() const;
    void SetBarState(const QByteArray& state);

    QStringList RecentFiles() const;
    void SetRecentFiles(const QStringList& files);

    // "File Location": elements 1 to 4 of the document's folder texts
    // (code page 1252); a missing key reads as an empty text.
    std::array<std::string, 5> FileLocations() const;
    void SetFileLocations(const std::array<std::string, 5>& locations);

  private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace kiv
