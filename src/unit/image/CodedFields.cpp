#include "unit/image/CodedFields.h"

#include "document/DialCode.h"
#include "document/PageOps.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace kiv {

namespace {

// Rows looked up by the walk below; their order is the check's order.
constexpr std::array<CodedField, 17> kFields{{
    {"led1Code", "Codice Led Messaggio 1", CodeKind::Dial, 40},
    {"led2Code", "Codice Led Messaggio 2", CodeKind::Dial, 40},
    {"ledOffCode", "Codice Spegnimento Led", CodeKind::Dial, 40},
    {"lineSeizeCode", "Codice Impegno Linea Esterna", CodeKind::Dial, 4},
    {"transferCode", "Codice di Trasferta", CodeKind::Dial, 40},
    {"recallOnBusy", "Codice Richiamata su Occupato", CodeKind::Dial, 40},
    {"recallOnNoAnswer", "Codice Richiamata su Mancata Risposta", CodeKind::Dial, 40},
    {"answerSignal", "Segnale di Risposta", CodeKind::Signal, 4},
    {"busySignal", "Segnale di Occupato", CodeKind::Signal, 4},
    {"dndSignal", "Segnale Non Disturbare", CodeKind::Signal, 4},
    {"disconnectCode", "Codice Disconnessione", CodeKind::Signal, 4},
    {"pages[][].target", "Destinazione", CodeKind::Dial, 4},
    {"dialStrings[]", "Stringa da comporre", CodeKind::Dial, 20},
    {"inBand[].code", "CODICE Ricevuto dal PBX", CodeKind::Signal, 20},
    {"inBand[].target", "Destinazione", CodeKind::Dial, 4},
    {"mailboxes[].phone", "Telefono", CodeKind::Number, 20},
    {"mailboxes[].pager", "Pager", CodeKind::Number, 40},
}};

// Auto-attendant keys that transfer to an extension, and in-band entries that do, hold the
// extension's characters in their destination bytes.
constexpr std::size_t kTimeoutRow = kTimeoutKey;

const CodedField& Row(std::string_view member) {
    return *FindCodedField(member);
}

std::string_view Bytes(const std::uint8_t* data, std::size_t count) {
    return {reinterpret_cast<const char*>(data), count};
}

std::string Format(const char* format, int a, int b = 0) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, a, b);
    return buf;
}

class CWalk {
  public:
    // Records the first text that cannot be coded; the later ones are not looked at.
    void Check(std::string_view member, std::string path, std::string where,
               std::string_view text) {
        if (found_) return;
        const CodedField& field = Row(member);
        if (CanCode(field, text)) return;
        found_ = UncodableText{&field, std::move(path), std::move(where)};
    }
    std::optional<UncodableText> Found() { return std::move(found_); }

  private:
    std::optional<UncodableText> found_;
};

} // namespace

std::span<const CodedField> CodedFields() {
    return kFields;
}

const CodedField* FindCodedField(std::string_view member) {
    const auto it = std::find_if(kFields.begin(), kFields.end(),
                                 [member](const CodedField& f) { return f.member == member; });
    return it == kFields.end() ? nullptr : &*it;
}

bool CanCode(const CodedField& field, std::string_view text) {
    std::vector<std::uint8_t> codes;
    switch (field.kind) {
    case CodeKind::Dial:
        return EncodeDialText(text, codes) &&
               codes.size() <= static_cast<std::size_t>(field.maxCodes);
    case CodeKind::Number:
        if (text.find_first_not_of(' ') == std::string_view::npos) return true;
        return EncodeNumberText(text, codes) &&
               codes.size() <= static_cast<std::size_t>(field.maxCodes);
    case CodeKind::Signal:
        return EncodeSignalText(text, field.maxCodes, codes);
    }
    return false;
}

std::string UncodableText::Caption() const {
    const std::string caption = field ? field->caption : "";
    return where.empty() ? caption : caption + " (" + where + ")";
}

std::string UncodableText::Reason() const {
    if (!field) return "cannot be coded for the unit";
    static constexpr const char* kTakes[] = {
        "dial codes (0-9 * # A-D X P & @ ! Q)",
        "number codes (0-9 * # A-D X P $ Q)",
        "signal codes (0-9 * # A-D J S T, I and two digits)",
    };
    return "cannot be coded for the unit: at most " + std::to_string(field->maxCodes) + " " +
           kTakes[static_cast<int>(field->kind)];
}

std::optional<UncodableText> FindUncodableText(const CQelDoc& d) {
    CWalk w;
    const std::pair<const char*, const std::string*> texts[] = {
        {"led1Code", &d.led1Code},
        {"led2Code", &d.led2Code},
        {"ledOffCode", &d.ledOffCode},
        {"lineSeizeCode", &d.lineSeizeCode},
        {"transferCode", &d.transferCode},
        {"recallOnBusy", &d.recallOnBusy},
        {"recallOnNoAnswer", &d.recallOnNoAnswer},
        {"answerSignal", &d.answerSignal},
        {"busySignal", &d.busySignal},
        {"dndSignal", &d.dndSignal},
        {"disconnectCode", &d.disconnectCode},
    };
    for (const auto& [member, text] : texts)
        w.Check(member, member, {}, *text);

    for (std::size_t p = 0; p < d.pages.size(); ++p)
        for (std::size_t k = 0; k < d.pages[p].size(); ++k) {
            const PageEntry& key = d.pages[p][k];
            if (key.op != kPageOpToExtension) continue;
            const int page = PageNumber(static_cast<int>(p));
            w.Check("pages[][].target",
                    "pages[" + std::to_string(p) + "][" + std::to_string(k) + "].target",
                    k == kTimeoutRow ? Format("Pagina %02d, Timeout", page)
                                     : Format("Pagina %02d, Tasto %d", page, static_cast<int>(k)),
                    Bytes(key.target.data(), std::min<std::size_t>(key.targetInfo, 4)));
        }

    for (std::size_t k = 0; k < d.dialStrings.size(); ++k)
        w.Check("dialStrings[]", "dialStrings[" + std::to_string(k) + "]",
                Format("N. %d", static_cast<int>(k)), d.dialStrings[k]);

    for (std::size_t e = 0; e < d.inBand.size(); ++e) {
        const InBandEntry& entry = d.inBand[e];
        const std::size_t length = std::min<std::size_t>(entry.codeLength, entry.code.size());
        if (length == 0) continue; // an entry without a code goes out as unused
        const std::string at = "inBand[" + std::to_string(e) + "]";
        const std::string where = Format("Evento %d", static_cast<int>(e));
        w.Check("inBand[].code", at + ".code", where, Bytes(entry.code.data(), length));
        if (entry.operation == kInBandOpToExtension)
            w.Check("inBand[].target", at + ".target", where,
                    Bytes(entry.target.data(),
                          static_cast<std::size_t>(std::clamp(entry.targetLength, 0, 4))));
    }

    const std::size_t count =
        std::min(static_cast<std::size_t>(std::max(d.mboxCount, 0)), d.mailboxes.size());
    for (std::size_t i = 0; i < count; ++i) {
        const MboxRecord& m = d.mailboxes[i];
        const std::string at = "mailboxes[" + std::to_string(i) + "]";
        w.Check("mailboxes[].phone", at + ".phone", "Casella " + m.number, m.phone);
        w.Check("mailboxes[].pager", at + ".pager", "Casella " + m.number, m.pager);
    }
    return w.Found();
}

} // namespace kiv
