#pragma once
// kivtool identify --port N | --device PATH [--trace FILE] [--timeout S] [--wait]
// Identifies the connected unit and prints its product, version, password
// length and languages. Exit status 0 identified, 2 refused or busy, 1 error.

namespace kiv {

int RunIdentifyCommand(int argc, char** argv);

} // namespace kiv
