#include "document/QelFile.h"

#include "document/Archive.h"
#include "document/FileLayout.h"
#include "document/PageOps.h"
#include "document/ProductType.h"
#include "document/Texts.h"

#include <algorithm>
#include <cstring>

namespace kiv {
namespace {

// Writes each item with its encoding: int32 as I32, byte as U8, text as TXT.
class FileWriter : public CElementWalker<FileWriter> {
  public:
    FileWriter(CQelDoc& doc, const StoreOptions& options) : doc_(doc), options_(options) {}

    void Int(const char*, int32_t& v, Range = kAny) { ar_.I32(v); }
    void Byte(const char*, uint8_t& v, Range = kAny) { ar_.U8(v); }
    void Text(const char* name, std::string& s, int = kMaxTextLen) {
        // The password never travels in clear text.
        ar_.Txt(std::string_view(name) == "unitPassword" ? options_.passwordText : s);
    }
    template <size_t N> void Ints(const char*, std::array<int32_t, N>& a, Range = kAny) {
        for (auto& v : a)
            ar_.I32(v);
    }
    template <size_t N> void Bytes(const char*, std::array<uint8_t, N>& a) {
        for (auto v : a)
            ar_.U8(v);
    }
    template <size_t N>
    void Texts(const char*, std::array<std::string, N>& a, size_t first, size_t count) {
        for (size_t i = first; i < std::min(N, first + count); ++i)
            ar_.Txt(a[i]);
    }
    void Gate(FileGate gate) {
        if (gate == FileGate::ClockBegin && options_.advanceClock) doc_.AdvanceClock(true);
    }
    ArchiveWriter& Archive() { return ar_; }

  private:
    CQelDoc& doc_;
    const StoreOptions& options_;
    ArchiveWriter ar_;
};

// Loading stops here: the file was refused.
struct StopLoad {};

enum class LoadMode { Open, Default };

// Reads each item into its member and applies the loading rules at the gates.
class FileReader : public CElementWalker<FileReader> {
  public:
    FileReader(CQelDoc& doc, std::span<const uint8_t> data, LoadMode mode,
               std::string_view fileName, MessageSink& sink)
        : doc_(doc), data_(data), ar_(data), mode_(mode), fileName_(fileName), sink_(sink) {}

    void Int(const char*, int32_t& v, Range = kAny) { v = ar_.I32(); }
    void Byte(const char*, uint8_t& v, Range = kAny) { v = ar_.U8(); }
    void Text(const char*, std::string& s, int = kMaxTextLen) {
        if (identityIndex_ >= 0) {
            // The identity texts of the file only serve the messages; a default
            // file gives its maker and product words to the configuration.
            std::string t = ar_.Txt();
            if (mode_ == LoadMode::Default && identityIndex_ == 1) doc_.identMaker = t;
            if (mode_ == LoadMode::Default && identityIndex_ == 3) doc_.identProduct = t;
            identity_[static_cast<size_t>(identityIndex_++)] = std::move(t);
            return;
        }
        s = ar_.Txt();
    }
    template <size_t N> void Ints(const char*, std::array<int32_t, N>& a, Range = kAny) {
        for (auto& v : a)
            v = ar_.I32();
    }
    template <size_t N> void Bytes(const char*, std::array<uint8_t, N>& a) {
        for (auto& v : a)
            v = ar_.U8();
    }
    template <size_t N>
    void Texts(const char*, std::array<std::string, N>& a, size_t first, size_t count) {
        for (size_t i = first; i < std::min(N, first + count); ++i)
            a[i] = ar_.Txt();
    }
    void Gate(FileGate gate);

    bool productTypeTaken = false;
    bool clockTaken = false;
    bool reachedEnd = false;
    std::array<std::string, 4> identity_;
    size_t endPosition = 0;

  private:
    void Refuse(const char* message) {
        sink_.Show(message);
        doc_.fileValid = 0;
        throw StopLoad{};
    }

    CQelDoc& doc_;
    std::span<const uint8_t> data_;
    ArchiveReader ar_;
    LoadMode mode_;
    std::string_view fileName_;
    MessageSink& sink_;
    int identityIndex_ = -1;
    int32_t previousOperatorKey_ = 0;

  public:
    bool resetAgain = false;
    void TakeProductType() {
        productTypeTaken = true;
        if (auto t = ProductTypeFromFileName(fileName_))
            doc_.SetProductType(*t);
        else
            doc_.slotLimit = -1;
    }
};

void FileReader::Gate(FileGate gate) {
    switch (gate) {
    case FileGate::IdentityBegin:
        identityIndex_ = 0;
        break;
    case FileGate::IdentityEnd:
        identityIndex_ = -1;
        break;
    case FileGate::OperatorKeyBegin:
        previousOperatorKey_ = doc_.operatorKey;
        break;
    case FileGate::OperatorKeyEnd:
        if (doc_.operatorKey < 0 || doc_.operatorKey > 9) {
            // The member keeps its value: no editor ever sees an invalid key.
            doc_.operatorKey = previousOperatorKey_;
            resetAgain = true;
            Refuse(texts::kFileIncompatible);
        }
        break;
    case FileGate::ClockBegin:
        break;
    case FileGate::ScheduleEnd:
        doc_.SetClockFromNow();
        clockTaken = true;
        break;
    case FileGate::KeyTableEnd:
        if (mode_ == LoadMode::Default) {
            for (auto& page : doc_.pages)
                for (auto& key : page)
                    if (key.op == kPageOpNotUsed) {
                        key.target = {};
                        key.targetInfo = 0;
                    }
        }
        break;
    case FileGate::MailboxCountEnd:
        if (mode_ == LoadMode::Open) {
            TakeProductType();
            if (doc_.mboxCount < 0 || doc_.mboxCount >= doc_.slotLimit)
                Refuse(texts::kFileIncompatible);
        } else if (doc_.mboxCount < 0 || doc_.mboxCount > MaxMailboxes(doc_.productType)) {
            resetAgain = true;
            Refuse(texts::kFileIncompatible);
        }
        break;
    case FileGate::GroupDigitEnd:
        if (doc_.groupFirstDigit.size() != 1)
            Refuse(mode_ == LoadMode::Open ? texts::kFileIncompatible : texts::kDefaultCannotOpen);
        break;
    case FileGate::InBandEnd:
        if (mode_ == LoadMode::Default) {
            reachedEnd = true;
            throw StopLoad{};
        }
        break;
    case FileGate::BreaksEnd:
        reachedEnd = true;
        endPosition = ar_.Position();
        break;
    }
}

} // namespace

std::string EncodePasswordBlock(const std::string& password) {
    std::string out;
    if (password.empty()) return out;
    const size_t groups = std::clamp<size_t>(password.size(), 4, 8);
    for (size_t i = 0; i < groups; ++i) {
        if (i >= password.size()) {
            // A short password still fills the first four positions.
            out.append(4, '\0');
            continue;
        }
        const char c = password[i];
        const int d = (c >= '0' && c <= '9') ? c - '0' : 0;
        const uint32_t e = d == 9 ? 0u : static_cast<uint32_t>(d + 1);
        auto mix = [](uint32_t k) { return ((k * k * k + k) * k * k + 1) & 0xFF; };
        out += static_cast<char>('0' + e);
        out += static_cast<char>(((e * e + 1) * e * e * e + 1) & 0xFF);
        out += static_cast<char>(mix(e + 1));
        out += static_cast<char>(mix(e + 2));
    }
    return out;
}

std::string DecodePasswordBlock(std::span<const uint8_t> data) {
    std::string password;
    for (size_t pos = 0; pos + 4 <= data.size() && password.size() < 8; pos += 4) {
        const uint8_t first = data[pos];
        if (first < '0' || first > '9') break;
        // Accept the group only when its check bytes match the digit.
        const std::string expect =
            EncodePasswordBlock(std::string(1, static_cast<char>(first == '0' ? '9' : first - 1)));
        if (std::memcmp(expect.data(), data.data() + pos, 4) != 0) break;
        password += static_cast<char>(first == '0' ? '9' : first - 1);
    }
    return password;
}

void ClampBreaks(CQelDoc& doc) {
    for (auto& day : doc.breaks)
        for (auto& slot : day) {
            if (!kMinuteOfDay.Contains(slot.start)) slot.start = 0;
            if (!kMinuteOfDay.Contains(slot.end)) slot.end = 0;
            if (!kBreakPage.Contains(slot.page)) slot.page = 0;
        }
}

std::string StoreConfiguration(CQelDoc& doc, const StoreOptions& options) {
    doc.fileValid = 1;
    FileWriter writer(doc, options);
    WalkFileLayout(writer, doc);
    std::string bytes = writer.Archive().Bytes();
    bytes += EncodePasswordBlock(doc.unitPassword);
    return bytes;
}

int LoadConfiguration(CQelDoc& doc, std::span<const uint8_t> data, std::string_view fileName,
                      MessageSink& sink) {
    doc.fileValid = 1;
    FileReader reader(doc, data, LoadMode::Open, fileName, sink);
    try {
        WalkFileLayout(reader, doc);
        // The password block follows the last item.
        const std::string password = DecodePasswordBlock(data.subspan(reader.endPosition));
        if (!password.empty()) doc.unitPassword = password;
    } catch (const StopLoad&) {
    } catch (const ArchiveEndOfFile&) {
        sink.Show(texts::kFileOlderVersion);
        // A file that ends early still gets the computer's clock (never a
        // half-read one) and the product type of its name.
        if (!reader.clockTaken) doc.SetClockFromNow();
        if (!reader.productTypeTaken) reader.TakeProductType();
    } catch (const ArchiveBadClass&) {
        std::string message = texts::kFileIncompatible;
        const std::string& product = reader.identity_[3];
        if (product.size() >= 3 && product.compare(product.size() - 3, 3, "KIV") == 0)
            message += reader.identity_[0] + " " + reader.identity_[1] + " " + reader.identity_[2];
        sink.Show(message);
        doc.fileValid = 0;
        doc.ResetToDefaults();
    }
    ClampBreaks(doc);
    return doc.fileValid;
}

DefaultLoad LoadDefaultConfiguration(CQelDoc& doc, std::span<const uint8_t> data,
                                     MessageSink& sink) {
    doc.fileValid = 1;
    FileReader reader(doc, data, LoadMode::Default, {}, sink);
    try {
        WalkFileLayout(reader, doc);
    } catch (const StopLoad&) {
        if (!reader.reachedEnd)
            return reader.resetAgain ? DefaultLoad::ResetAgain : DefaultLoad::Partial;
    } catch (const ArchiveEndOfFile&) {
        sink.Show(texts::kFileOlderVersion);
        if (!reader.clockTaken) doc.SetClockFromNow();
    } catch (const ArchiveBadClass&) {
        sink.Show(texts::kDefaultCannotOpen);
        doc.fileValid = 0;
        return DefaultLoad::Partial;
    }
    return DefaultLoad::Loaded;
}

} // namespace kiv
