#include "editors/ui/FieldText.h"

#include "app/QtText.h"

#include <QList>

namespace kiv {

std::string FieldText(const QString& text) {
    std::string out;
    if (FromQString(text, out)) return out;
    out.clear();
    for (const uint c : text.toUcs4()) {
        const auto code = static_cast<char32_t>(c);
        std::string one;
        out += FromQString(QString::fromUcs4(&code, 1), one) ? one : std::string("?");
    }
    return out;
}

} // namespace kiv
