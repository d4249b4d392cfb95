// Conversion between document texts (code page 1252) and Qt strings: the one
// place where the Qt layer crosses between the two.
#include "app/QtText.h"

#include "document/Cp1252.h"

#include <QFile>

namespace kiv {

QString ToQString(const std::string& cp1252) {
    return QString::fromUtf8(Cp1252ToUtf8(cp1252));
}

bool FromQString(const QString& text, std::string& cp1252) {
    return Utf8ToCp1252(text.toUtf8().toStdString(), cp1252);
}

std::string ToCp1252Shown(const QString& text) {
    std::string out;
    for (const char32_t c : text.toUcs4()) {
        std::string one;
        out += FromQString(QString::fromUcs4(&c, 1), one) ? one : std::string("?");
    }
    return out;
}

std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromNativePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace kiv
