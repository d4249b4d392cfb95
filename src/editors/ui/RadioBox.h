#pragma once
// A group box of radio buttons, one per name, in a button group whose ids are
// the names' positions. The button `checked` is checked; a value outside the
// names checks none (a stored value the page does not know stays as it was
// until the user picks one). Each button is described by the group's caption,
// since the same button captions repeat in other groups.

#include <span>

class QButtonGroup;
class QGroupBox;
class QWidget;

namespace kiv {

QGroupBox* RadioBox(const char* caption, std::span<const char* const> names, int checked,
                    QButtonGroup*& group, const char* objectPrefix, QWidget* parent);

} // namespace kiv
