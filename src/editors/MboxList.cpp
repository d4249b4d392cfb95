#include "editors/MboxList.h"

#include "document/QelDoc.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"

#include <algorithm>

namespace kiv::editors {

MboxRecord NewMboxTemplate() {
    MboxRecord r;
    r.number.clear();
    r.type = 0;
    r.password = kDefaultMboxPassword;
    r.phone.clear();
    r.localNotify = 0;
    r.allowed = 0;
    r.phoneEnabled = 0;
    r.timeStamp = 1;
    r.dnd = 0;
    r.aux1 = 0;
    r.aux2 = 0;
    r.slot = kNoSlot;
    r.aux3 = -1;
    r.language = 0;
    r.pager.clear();
    r.pagerEnabled = 0;
    r.announcer = 0;
    return r;
}

std::string MboxLimitMessage(int slotLimit) {
    switch (slotLimit) {
    case 3:
        return texts::kLimit2;
    case 9:
        return texts::kLimit8;
    case 49:
        return texts::kLimit48;
    case 129:
        return texts::kLimit128;
    default:
        return FormatInt(texts::kLimitFormat, std::clamp(slotLimit, 1, kMaxMboxRecords) - 1);
    }
}

const std::array<MboxColumn, kMboxColumnCount> kMboxColumns{{
    {"Cas.", "Mbox", 1, 10},
    {"Tipo", "Type", 1, 10},
    {"Risponditore", "Announcer", 1, 6},
    {"Pswd", "PSWD", 1, 8},
    {"Notif. Int.", "Local Notif.", 1, 5},
    {"Autorizz.", "Allowed", 2, 15},
    {"Tel.", "Enable", 2, 15},
    {"N.", "Phone", 1, 12},
    {"TeleDrin", "Enable Pager", 1, 10},
    {"N.", "Pager", 1, 12},
    {"N.D.", "DND", 1, 9},
    {"Data/Ora", "Time Stamp", 1, 9},
    {"Ling.", "Lang", 1, 6},
}};

int DefaultColumnWidth(int column, int listWidth) {
    if (column < 0 || column >= kMboxColumnCount) return 0;
    const MboxColumn& c = kMboxColumns[static_cast<std::size_t>(column)];
    return listWidth * c.widthNum / c.widthDen;
}

std::string MboxCellText(const MboxRecord& r, int column) {
    using names::YesNo;
    switch (column) {
    case 0:
        return r.number;
    case 1:
        return names::kMboxType[r.type == 1 ? 1 : 0];
    case 2:
        return YesNo(r.announcer);
    case 3:
        return r.password == kDefaultMboxPassword ? r.password : texts::kHiddenPassword;
    case 4:
        return names::Name(names::kLocalNotify, r.localNotify);
    case 5:
        return YesNo(r.allowed);
    case 6:
        return YesNo(r.phoneEnabled);
    case 7:
        return r.phone;
    case 8:
        return YesNo(r.pagerEnabled);
    case 9:
        return r.pager;
    case 10:
        return YesNo(r.dnd);
    case 11:
        return YesNo(r.timeStamp);
    case 12:
        return names::Name(names::kLanguage, r.language);
    default:
        return {};
    }
}

FieldCheck<RangeField> CheckMboxRange(std::string_view from, std::string_view to, int extDigits,
                                      int slotLimit) {
    using E = FieldError<RangeField>;
    if (from.empty() && to.empty()) return std::nullopt;
    if (static_cast<int>(from.size()) != extDigits) return E{RangeField::From, texts::kInputError};
    if (static_cast<int>(to.size()) != extDigits) return E{RangeField::To, texts::kInputError};
    const long long a = LeadingNumber(from);
    const long long b = LeadingNumber(to);
    if (a > b) return E{RangeField::From, texts::kInputError};
    if (b - a > std::clamp(slotLimit, 1, kMaxMboxRecords) - 2)
        return E{RangeField::To, texts::kInputError};
    if (!NumberInRange(static_cast<int>(a), extDigits))
        return E{RangeField::From, texts::kInvalidMboxNumber};
    if (!NumberInRange(static_cast<int>(b), extDigits))
        return E{RangeField::To, texts::kInvalidMboxNumber};
    return std::nullopt;
}

CMboxList::CMboxList()
    : tables_(std::make_shared<MboxRefTables>()), pages(tables_->pages), inBand(tables_->inBand) {}

CMboxList::CMboxList(const CQelDoc& doc)
    : CMboxList(doc, std::make_shared<MboxRefTables>(MboxRefTables{doc.pages, doc.inBand})) {}

CMboxList::CMboxList(const CQelDoc& doc, std::shared_ptr<MboxRefTables> shared)
    : slotLimit(doc.slotLimit), extDigits(doc.extDigits), operatorKey(doc.operatorKey),
      mboxCount(std::clamp(doc.mboxCount, 0, kMaxMboxRecords)), mailboxes(doc.mailboxes),
      supervisorMbox(doc.supervisorMbox), currentRow(mboxCount > 0 ? 0 : -1),
      tables_(std::move(shared)), pages(tables_->pages), inBand(tables_->inBand) {
    Refresh();
}

CMboxList::CMboxList(const CMboxList& other)
    : slotLimit(other.slotLimit), extDigits(other.extDigits), operatorKey(other.operatorKey),
      mboxCount(other.mboxCount), mailboxes(other.mailboxes), supervisorMbox(other.supervisorMbox),
      currentRow(other.currentRow), tables_(std::make_shared<MboxRefTables>(*other.tables_)),
      pages(tables_->pages), inBand(tables_->inBand) {}

CMboxList& CMboxList::operator=(const CMboxList& other) {
    if (this == &other) return *this;
    slotLimit = other.slotLimit;
    extDigits = other.extDigits;
    operatorKey = other.operatorKey;
    mboxCount = other.mboxCount;
    mailboxes = other.mailboxes;
    supervisorMbox = other.supervisorMbox;
    currentRow = other.currentRow;
    *tables_ = *other.tables_;
    return *this;
}

void CMboxList::ApplyTo(CQelDoc& doc) const {
    doc.mboxCount = mboxCount;
    doc.mailboxes = mailboxes;
    doc.supervisorMbox = supervisorMbox;
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (std::size_t k = 0; k < pages[p].size(); ++k)
            doc.pages[p][k].target = pages[p][k].target;
    for (std::size_t e = 0; e < inBand.size(); ++e)
        doc.inBand[e].target = inBand[e].target;
}

int CMboxList::Slots() const {
    return std::clamp(slotLimit, 1, kMaxMboxRecords);
}

bool CMboxList::HasNumber(std::string_view number) const {
    for (int i = 0; i < mboxCount; ++i)
        if (Record(i).number == number) return true;
    return false;
}

std::string CMboxList::CheckCanAdd() const {
    return IsFull() ? MboxLimitMessage(slotLimit) : std::string();
}

void CMboxList::Append(const MboxRecord& record) {
    MboxRecord& r = mailboxes[static_cast<std::size_t>(mboxCount++)];
    r = record;
    r.slot = kNoSlot;
    r.aux1 = 0;
    r.aux2 = 0;
    r.aux3 = -1;
}

std::string CMboxList::Add(const MboxRecord& edited) {
    if (IsFull()) return MboxLimitMessage(slotLimit);
    if (!IsValidMboxNumber(edited.number, extDigits)) return texts::kInvalidMboxNumber;
    if (HasNumber(edited.number)) return texts::kMboxExists;
    Append(edited);
    AssignSlots();
    currentRow = mboxCount - 1;
    Refresh();
    return {};
}

std::string CMboxList::Copy(int row) {
    if (row < 0 || row >= mboxCount) return {};
    if (IsFull()) return MboxLimitMessage(slotLimit);
    long long largest = 0;
    for (int i = 0; i < mboxCount; ++i)
        largest = std::max<long long>(largest, LeadingNumber(Record(i).number));
    const long long next = largest + 1;
    if (next > HighestNumber(extDigits) || !NumberInRange(static_cast<int>(next), extDigits))
        return texts::kInvalidMboxNumber;

    const MboxRecord& from = Record(row);
    MboxRecord r = NewMboxTemplate();
    r.number = std::to_string(next);
    r.type = from.type;
    r.announcer = from.announcer;
    r.allowed = from.allowed;
    r.localNotify = from.localNotify;
    r.dnd = from.dnd;
    r.timeStamp = from.timeStamp;
    r.language = from.language;
    Append(r);
    AssignSlots();
    currentRow = mboxCount - 1;
    Refresh();
    return {};
}

void CMboxList::Change(int row, const MboxRecord& edited) {
    if (row < 0 || row >= mboxCount) return;
    MboxRecord& r = mailboxes[static_cast<std::size_t>(row)];
    MboxRecord kept = r;
    r = edited;
    r.number = kept.number;
    r.slot = kept.slot;
    r.aux1 = kept.aux1;
    r.aux2 = kept.aux2;
    r.aux3 = kept.aux3;
    currentRow = row;
    Refresh();
}

namespace {

void AssignSlotsIn(std::array<MboxRecord, kMaxMboxRecords>& records, int count, int slots) {
    std::array<bool, 256> used{};
    for (int i = 0; i < count; ++i) {
        MboxRecord& r = records[static_cast<std::size_t>(i)];
        if (r.slot < slots) {
            if (used[r.slot])
                r.slot = kNoSlot;
            else
                used[r.slot] = true;
        }
    }
    for (int i = 0; i < count; ++i) {
        MboxRecord& r = records[static_cast<std::size_t>(i)];
        if (r.slot < slots) continue;
        // The lowest free slot of 0..S-2, S-1 only when all of those are taken.
        for (int s = 0; s < slots; ++s) {
            if (!used[static_cast<std::size_t>(s)]) {
                used[static_cast<std::size_t>(s)] = true;
                r.slot = static_cast<std::uint8_t>(s);
                break;
            }
        }
    }
}

} // namespace

void CMboxList::AssignSlots() {
    AssignSlotsIn(mailboxes, mboxCount, Slots());
}

std::string CMboxList::Delete(int row) {
    if (row < 0 || row >= mboxCount) return {};
    // Work on a copy whose slots are unique and valid, so that every place has
    // a slot of its own to hand on; the list stays as it is when refused.
    auto records = mailboxes;
    AssignSlotsIn(records, mboxCount, Slots());
    const auto at = [&records](int i) -> MboxRecord& {
        return records[static_cast<std::size_t>(i)];
    };

    if (std::string refused = SlotInUseMessage(pages, inBand, operatorKey, at(row).slot);
        !refused.empty())
        return refused;

    // One map, built before anything moves: the mailbox at place i > row
    // moves to place i-1 and takes that place's slot.
    CSlotMap map;
    for (int i = row + 1; i < mboxCount; ++i)
        map.Set(at(i).slot, at(i - 1).slot);
    for (int i = row; i + 1 < mboxCount; ++i) {
        const std::uint8_t placeSlot = at(i).slot;
        at(i) = at(i + 1);
        at(i).slot = placeSlot;
    }
    at(mboxCount - 1) = NewMboxTemplate();
    RewritePageRefs(pages, operatorKey, map);
    RewriteInBandRefs(inBand, map);

    mailboxes = records;
    --mboxCount;
    AssignSlots();
    currentRow = std::max(row - 1, 0);
    Refresh();
    return {};
}

FieldCheck<RangeField> CMboxList::CreateRange(std::string_view from, std::string_view to,
                                              int localNotify) {
    if (auto failed = CheckMboxRange(from, to, extDigits, slotLimit)) return failed;
    if (from.empty() || to.empty()) return std::nullopt;
    const int a = LeadingNumber(from);
    const int b = LeadingNumber(to);
    const auto numberText = [this](int value) {
        return std::to_string(value).substr(0, static_cast<std::size_t>(extDigits));
    };
    int count = mboxCount;
    for (int v = a; v <= b; ++v) {
        if (count + 1 > MaxCount())
            return FieldError<RangeField>{RangeField::From, MboxLimitMessage(slotLimit)};
        if (HasNumber(numberText(v)))
            return FieldError<RangeField>{RangeField::From, texts::kMboxExists};
        ++count;
    }
    for (int v = a; v <= b; ++v) {
        MboxRecord r = NewMboxTemplate();
        r.number = numberText(v);
        r.localNotify = localNotify;
        Append(r);
    }
    currentRow = mboxCount - 1;
    AssignSlots();
    Refresh();
    return std::nullopt;
}

void CMboxList::Sort() {
    std::stable_sort(mailboxes.begin(), mailboxes.begin() + mboxCount,
                     [](const MboxRecord& x, const MboxRecord& y) {
                         return LeadingNumber(x.number) < LeadingNumber(y.number);
                     });
}

void CMboxList::Refresh() {
    Sort();
    currentRow = mboxCount == 0 ? -1 : std::clamp(currentRow, 0, mboxCount - 1);
}

std::vector<std::string> CMboxList::SupervisorChoices() const {
    std::vector<std::string> choices{names::kNoMailbox};
    for (int i = 0; i < mboxCount; ++i)
        choices.push_back(Record(i).number);
    return choices;
}

int CMboxList::SupervisorIndex() const {
    for (int i = 0; i < mboxCount; ++i)
        if (Record(i).number == supervisorMbox) return i + 1;
    return 0;
}

void CMboxList::SelectSupervisor(int index) {
    // The choice shown already keeps the stored value: "None", an empty text
    // and "Nessuna" all show as "Nessuna". A number whose mailbox is gone
    // becomes "Nessuna".
    if (index == SupervisorIndex() && (index > 0 || !IsAllDigits(supervisorMbox))) return;
    supervisorMbox = index >= 1 && index <= mboxCount ? Record(index - 1).number
                                                      : std::string(names::kNoMailbox);
}

FieldCheck<int> CMboxList::Leave() {
    for (int i = 0; i < mboxCount; ++i)
        if (!IsValidMboxNumber(Record(i).number, extDigits))
            return FieldError<int>{i, texts::kInvalidMboxNumber};
    LeaveWithoutNumberCheck();
    return std::nullopt;
}

void CMboxList::LeaveWithoutNumberCheck() {
    AssignSlots();
    SelectSupervisor(SupervisorIndex());
}

} // namespace kiv::editors
