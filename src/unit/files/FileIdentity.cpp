#include "unit/files/FileIdentity.h"

#include <algorithm>

namespace kiv {

FileIdentity MakeFileIdentity(std::string_view version, std::string_view maker,
                              std::string_view date, std::string_view words) {
    FileIdentity text{};
    std::size_t at = 0;
    for (const auto& [part, most] :
         {std::pair{version, std::size_t{4}}, std::pair{maker, std::size_t{10}},
          std::pair{date, std::size_t{10}}, std::pair{words, std::size_t{20}}}) {
        const std::size_t n = std::min(part.size(), most);
        std::copy_n(part.begin(), n, text.begin() + static_cast<std::ptrdiff_t>(at));
        at += n;
    }
    return text;
}

} // namespace kiv
