#pragma once
// CMaskEngine: what a key does to the text and the caret of a masked field
// (the time and date fields of the schedule editors). The mask has one
// character per position; the placeholder text marks with "_" the positions
// to fill, every other character of it is a literal that is typed by itself.
// Typing overwrites (never inserts); Backspace puts back the character of the
// reset text (the text the owner set last); Insert and Delete do nothing. A
// text longer than the mask is shown whole until a key edits it, which first
// cuts it to the mask's length.
//
// Mask characters: "0" a digit (with the field's limits), "9" a digit or a
// space, "#" a digit, a space, "k" or "m", "L" a letter, "?" a letter or a
// space, "A" a letter or a digit, "a" a letter, a digit or a space, "&" any
// printable character.
//
// The Qt line edits (CMaskEdit, CTimeEdit, CDateEdit) feed their keys here
// and show the result.

#include "document/Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace kiv::editors {

// What a key did.
enum class KeyResult {
    Accepted, // the text or the caret changed
    Beep,     // refused, with a beep
    Silent,   // refused without a beep (a digit above the field's limit)
    Ignored,  // the key does nothing here (Insert, Delete)
};

class CMaskEngine {
  public:
    enum class Kind { Plain, Time, Date };

    // A time field: mask "00:00", hours and minutes limited to 23 and 59.
    static CMaskEngine Time();
    // A date field: mask "00/00/0000", days up to 31 and months up to 12.
    static CMaskEngine Date();

    CMaskEngine() = default;
    CMaskEngine(Kind kind, std::string mask, std::string placeholder);

    Kind GetKind() const { return kind_; }
    const std::string& Mask() const { return mask_; }
    const std::string& Placeholder() const { return placeholder_; }
    void SetMaskActive(bool active) { active_ = active; }
    bool MaskActive() const { return active_; }

    // The largest hours and minutes a time field takes, kept as decimal text.
    void SetMaxHours(int hours) { maxHours_ = std::to_string(hours); }
    void SetMaxMinutes(int minutes) { maxMinutes_ = std::to_string(minutes); }

    // The text becomes both the shown text and the reset text; the caret
    // goes to the start.
    void SetText(std::string_view text);
    // "%H:%M" for a time field, "%d/%m/%Y" for a date field ("%d/%m/%y" when
    // the mask is eight characters long); none gives an empty text.
    void SetDateTime(const std::optional<LocalTime>& value);
    // The text read as a time ("hh:mm") or a date ("dd/mm/yyyy", "dd/mm/yy");
    // none when it does not parse or names no real date or time.
    std::optional<LocalTime> DateTime() const;

    // Replaces the shown text only (the field was changed from outside the
    // keys); the reset text stays.
    void ReplaceText(std::string_view text) { text_ = text; }

    const std::string& Text() const { return text_; }
    const std::string& ResetText() const { return reset_; }
    int Caret() const { return caret_; }
    int SelectionLength() const { return selection_; }
    // Where the caret is and how many characters after it are selected (the
    // widget's own selection, before a key is handed over).
    void SetCaret(int caret, int selectionLength = 0);

    // A printable character typed at the caret.
    KeyResult Type(char c);
    KeyResult Backspace();
    KeyResult Delete();
    KeyResult Insert();

  private:
    bool IsLiteral(int pos) const;
    bool Accepts(char maskChar, char c) const;
    bool WithinLimits(int pos, char c) const;
    // Overwrites the character at the caret (or appends it) and moves on.
    void Put(char c);
    void TypeLiteral();
    void CutToMask();

    Kind kind_ = Kind::Plain;
    std::string mask_;
    std::string placeholder_;
    bool active_ = true;
    std::string maxHours_ = "23";
    std::string maxMinutes_ = "59";
    std::string reset_;
    std::string text_;
    int caret_ = 0;
    int selection_ = 0;
};

} // namespace kiv::editors
