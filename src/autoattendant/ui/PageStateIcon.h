#pragma once
// The four page-state icons of the recording list and the page status list:
// 0 neither programmed nor recorded, 1 programmed, 2 recorded, 3 both.

#include <QIcon>

namespace kiv {

QIcon PageStateIcon(int state);

} // namespace kiv
