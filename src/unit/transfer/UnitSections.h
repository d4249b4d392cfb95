#pragma once
// The read-back both parameter transfers begin with, on an open link: the
// status reply, the two parameter sections (with their checksums) and the
// mailbox section, each announced by its section text, with every length
// check. Messages are shown on failure.

#include "unit/image/MailboxSection.h"
#include "unit/link/Protocol.h"

#include <cstdint>
#include <vector>

namespace kiv {

class CSerialLink;
class CUnitSession;

struct UnitSections {
    proto::StatusReply status;
    std::vector<std::uint8_t> section1;
    std::vector<std::uint8_t> section2;
    MailboxSection mailboxes;
};

// `textFormat` is the transfer's "... Sezione %d" text. False on failure.
bool ReadUnitSections(CUnitSession& session, CSerialLink& link, const char* textFormat,
                      UnitSections& out);

} // namespace kiv
