#pragma once
// The texts of the configuration that travel to the unit as codes: the PBX
// codes and dial strings (dial set), the mailbox telephone and pager numbers
// (number set) and the in-band signals (signal set). One table names each of
// them with its member, the caption its editor shows, its code set and how
// many codes its place in the unit holds.
//
// A text that cannot be coded for its place would reach the unit as an empty
// field. The send checks every coded text before anything goes on the line
// and refuses to start; "kivtool import" refuses such a text, so no file
// written from JSON holds one.

#include "document/QelDoc.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kiv {

enum class CodeKind { Dial, Number, Signal };

struct CodedField {
    const char* member;  // the member, as the JSON form names it ("inBand[].code": per entry)
    const char* caption; // the field's caption in its editor
    CodeKind kind;
    int maxCodes; // codes its place in the unit holds
};

// Every coded field, in the order the check walks them.
std::span<const CodedField> CodedFields();

// The row of `member` ("lineSeizeCode", "mailboxes[].phone" ...), or nullptr.
const CodedField* FindCodedField(std::string_view member);

// True when `text` codes in `field`'s code set into at most maxCodes codes.
// A mailbox number that is all blanks (how a reset leaves an unused text)
// stands for no number and codes as empty.
bool CanCode(const CodedField& field, std::string_view text);

struct UncodableText {
    const CodedField* field = nullptr;
    std::string member; // the member with its place: "dialStrings[3]", "inBand[5].code"
    std::string where;  // where the editor shows it: "N. 3", "Evento 5", "Casella 101"; or empty
    // The caption, with the place in brackets when there is one.
    std::string Caption() const;
    // For kivtool: what the field takes ("not codable for the unit: at most 4 dial codes ...").
    std::string Reason() const;
};

// The first coded text that the send would write and that cannot be coded;
// nothing when every one can. Texts the send does not write are skipped: an
// in-band entry without a code, the destination of a key or an entry whose
// operation takes no extension, mailboxes beyond mboxCount.
std::optional<UncodableText> FindUncodableText(const CQelDoc& doc);

} // namespace kiv
