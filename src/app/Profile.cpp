#include "app/Profile.h"

#include "app/QtText.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace kiv {

namespace {

QString& DirectoryOverride() {
    static QString dir;
    return dir;
}

constexpr const char* kWindowPosKey = "Settings/WindowPos";
// The "General" keys stay at top level: QSettings writes those under
// [General], while a group named "General" would become [%General].
constexpr const char* kToolTipsKey = "ToolTips";
constexpr const char* kBarStateKey = "BarState";
constexpr const char* kRecentGroup = "Recent File List";
constexpr const char* kFileLocationGroup = "File Location";
constexpr const char* kFileLocationKeys[5] = {nullptr, "QEL files", "VOX files", "WAX files",
                                              "Script files"};

} // namespace

QString FormatWindowPos(const CWindowPlacement& p) {
    return QString::asprintf("%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCmd, p.minX, p.minY,
                             p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
}

std::optional<CWindowPlacement> ParseWindowPos(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != 10) return std::nullopt;
    int values[10];
    for (int i = 0; i < 10; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    if (values[0] < 0 || values[1] < 0) return std::nullopt;
    CWindowPlacement p;
    p.flags = static_cast<unsigned>(values[0]);
    p.showCmd = static_cast<unsigned>(values[1]);
    p.minX = values[2];
    p.minY = values[3];
    p.maxX = values[4];
    p.maxY = values[5];
    p.left = values[6];
    p.top = values[7];
    p.right = values[8];
    p.bottom = values[9];
    return p;
}

void CProfile::SetDirectoryOverride(const QString& directory) {
    DirectoryOverride() = directory;
}

QString CProfile::Directory() {
    if (!DirectoryOverride().isEmpty()) return DirectoryOverride();
    const QString env = qEnvironmentVariable("KIV_CONFIG_DIR");
    if (!env.isEmpty()) return env;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString CProfile::FilePath() {
    return QDir(Directory()).filePath("KIV.INI");
}

bool CProfile::Exists() {
    return QFileInfo::exists(FilePath());
}

CProfile::CProfile() : settings_(std::make_unique<QSettings>(FilePath(), QSettings::IniFormat)) {}

CProfile::~CProfile() = default;

void CProfile::Sync() {
    QDir().mkpath(Directory());
    settings_->sync();
}

std::optional<CWindowPlacement> CProfile::WindowPos() const {
    return ParseWindowPos(settings_->value(kWindowPosKey).toString());
}

void CProfile::SetWindowPos(const CWindowPlacement& placement) {
    settings_->setValue(kWindowPosKey, FormatWindowPos(placement));
    Sync();
}

bool CProfile::ToolTips() const {
    return settings_->value(kToolTipsKey, 1).toInt() != 0;
}

void CProfile::SetToolTips(bool on) {
    settings_->setValue(kToolTipsKey, on ? 1 : 0);
}

QByteArray CProfile::BarState() const {
    return settings_->value(kBarStateKey).toByteArray();
}

void CProfile::SetBarState(const QByteArray& state) {
    settings_->setValue(kBarStateKey, state);
}

QStringList CProfile::RecentFiles() const {
    QStringList files;
    settings_->beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString file = settings_->value(QString("File%1").arg(i)).toString();
        if (!file.isEmpty()) files << file;
    }
    settings_->endGroup();
    return files;
}

void CProfile::SetRecentFiles(const QStringList& files) {
    settings_->beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QString("File%1").arg(i);
        if (i <= files.size())
            settings_->setValue(key, files[i - 1]);
        else
            settings_->remove(key);
    }
    settings_->endGroup();
}

std::array<std::string, 5> CProfile::FileLocations() const {
    std::array<std::string, 5> out;
    settings_->beginGroup(kFileLocationGroup);
    for (int i = 1; i < 5; ++i) {
        // A folder the document's code page cannot hold is dropped.
        if (!FromQString(settings_->value(kFileLocationKeys[i]).toString(), out[i])) out[i].clear();
    }
    settings_->endGroup();
    return out;
}

void CProfile::SetFileLocations(const std::array<std::string, 5>& locations) {
    settings_->beginGroup(kFileLocationGroup);
    for (int i = 1; i < 5; ++i)
        settings_->setValue(kFileLocationKeys[i], ToQString(locations[i]));
    settings_->endGroup();
}

} // namespace kiv
