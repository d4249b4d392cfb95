#pragma once
// The program's pictures, drawn in code: the toolbar buttons, the program
// icon and the banner at the top of the status panel.

#include <QIcon>
#include <QPixmap>

namespace kiv {

enum class ToolIcon {
    Open,
    Save,
    Print,
    ReadParameters,
    SendParameters,
    ReadRecordings,
    SendRecordings,
    PbxParameters,
    InBand,
    Pages,
    TimeDate,
    MailboxList,
    Notification,
    Groups,
    Wizard,
};

// A toolbar picture of `width` x 16 pixels (18 for the main bar, 16 otherwise).
QIcon MakeToolIcon(ToolIcon icon, int width = 16);
QIcon AppIcon();
QPixmap BannerPixmap();

} // namespace kiv
