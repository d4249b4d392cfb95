#include "unit/transfer/UnitSections.h"

#include "unit/image/ParamImage.h"
#include "unit/image/Texts.h"
#include "unit/link/SerialLink.h"
#include "unit/link/Texts.h"
#include "unit/link/UnitSession.h"

#include <cstdio>
#include <string>

namespace kiv {
namespace {

std::string SectionText(const char* format, int section) {
    char buf[96];
    std::snprintf(buf, sizeof buf, format, section);
    return buf;
}

} // namespace

bool ReadUnitSections(CUnitSession& session, CSerialLink& link, const char* textFormat,
                      UnitSections& out) {
    MessageSink& messages = session.Messages();
    TransferUi& ui = session.Ui();
    if (!session.ReadStatus(link, out.status)) return false;
    const std::size_t length = out.status.SectionLength();
    if (length > proto::maxSectionLength) {
        // A unit announcing more than any unit holds is not talking sense.
        messages.Show(texts::systemError);
        return false;
    }
    if (length < ParamImageExtent()) {
        // Too short to hold the configuration.
        messages.Show(texts::sectionLengthError);
        return false;
    }
    ui.SetStatusText(SectionText(textFormat, 1));
    if (!session.ReadFixedSection(link, length, out.section1)) return false;
    ui.SetStatusText(SectionText(textFormat, 2));
    if (!session.ReadFixedSection(link, length, out.section2)) return false;

    ui.SetStatusText(SectionText(textFormat, 3));
    std::vector<std::uint8_t> bytes;
    if (!session.ReadMailboxSection(link, bytes)) return false;
    std::string error;
    if (!ParseMailboxSection(bytes, out.mailboxes, error)) {
        messages.Show(error);
        return false;
    }
    return true;
}

} // namespace kiv
