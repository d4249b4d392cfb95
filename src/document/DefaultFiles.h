#pragma once
// The default configuration files shipped with the programs.

#include <string>

namespace kiv {

// The bytes of the default file of a product type: the reset values, with the
// default unit password in the password text that "Apri &Default" reads.
std::string MakeDefaultFile(int productType);

} // namespace kiv
