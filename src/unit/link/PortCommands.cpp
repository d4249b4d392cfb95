#include "unit/link/PortCommands.h"

#include "unit/link/SerialLink.h"
#include "unit/link/Texts.h"

namespace kiv {

bool TestOpenPort(CLinkContext& context, MessageSink& messages, MsgIcon icon) {
    bool open;
    std::string failure;
    {
        CSerialLink link(context);
        open = link.IsOpen();
        if (!open) failure = CannotOpenPortText(link);
    }
    if (!open) messages.Show(failure, icon);
    return open;
}

bool StartupSerialCheck(CLinkContext& context, MessageSink& messages, const std::string& startDir,
                        const std::string& configDir) {
    LoadSerialSettings(context, startDir, configDir);
    return TestOpenPort(context, messages, MsgIcon::Warning);
}

int ApplyPortSelection(CLinkContext& context, MessageSink& messages, std::optional<int> chosenIndex,
                       int currentIndex) {
    int index = currentIndex;
    if (chosenIndex && *chosenIndex >= 0 && *chosenIndex <= 3) {
        index = *chosenIndex;
        context.settings.portNumber = index + 1;
    }
    TestOpenPort(context, messages);
    return index;
}

} // namespace kiv
