#pragma once
// printf into a std::string, for the week picture's texts.

#include <string>

namespace kiv::schedule {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace kiv::schedule
