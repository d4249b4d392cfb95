#pragma once
// The installer list: each subsystem attaches its start-up steps and its menu
// commands to the application with one installer. main() walks the list
// before the start-up runs, and so do the tests that start the program as
// main() does; a new subsystem adds its installer here and nothing else.

#include <span>

namespace kiv {

class CQelApp;

using Installer = void (*)(CQelApp& app);

// The subsystems' installers, in the order they attach.
std::span<const Installer> Installers();

// Runs every installer on the application.
void InstallSubsystems(CQelApp& app);

} // namespace kiv
