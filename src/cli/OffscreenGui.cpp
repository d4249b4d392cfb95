#include "cli/OffscreenGui.h"

namespace kiv::cli {

std::unique_ptr<QGuiApplication> MakeOffscreenGuiApplication() {
    if (QGuiApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kivtool";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace kiv::cli
