#include "compare/ConfigDiff.h"

#include "autoattendant/PageRules.h"
#include "autoattendant/ProtocolEdit.h"
#include "autoattendant/Texts.h"
#include "compare/Texts.h"
#include "document/PageOps.h"
#include "document/ProductType.h"
#include "document/QelDoc.h"
#include "document/TimeText.h"
#include "document/ValueNames.h"
#include "editors/FieldCheck.h"
#include "editors/GroupEdit.h"
#include "editors/MboxEdit.h"
#include "editors/MboxList.h"
#include "editors/MboxRefs.h"
#include "editors/Texts.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

namespace kiv {

namespace {

namespace et = editors::texts;
namespace at = autoatt::texts;

// The captions of the sheets and the fields that have no caption of their own
// in an editor's texts.
constexpr const char* kInBandSheet = "Protocollo In-Band DTMF";
constexpr const char* kEvent = "Evento %d";
constexpr const char* kFirstDtmfTimeout = "Tempo Primo DTMF";
constexpr const char* kInterDtmfDelay = "Tempo tra DTMF";
constexpr const char* kTransferOperator = "Modalit\xE0 Trasferimento Operatore";
constexpr const char* kTransferOther = "Modalit\xE0 Trasferimento Altri Interni";
constexpr const char* kGroup = "Gruppo %s";

// A caption as a label shows it: "&" marks the mnemonic, "&&" is one "&";
// trailing blanks dropped.
std::string Shown(const char* caption) {
    std::string out;
    for (const char* p = caption; *p; ++p) {
        if (*p == '&') {
            if (p[1] == '&') out += *++p;
            continue;
        }
        out += *p;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string Join(std::initializer_list<std::string> parts) {
    std::string out;
    for (const std::string& p : parts) {
        if (p.empty()) continue;
        if (!out.empty()) out += ' ';
        out += p;
    }
    return out;
}

std::string Num(int value) {
    return std::to_string(value);
}

std::string Two(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// A stored time text as hh:mm, as the unit keeps it (an empty one is 00:00);
// a text that is no time stays as typed.
std::string TimeForm(const std::string& text) {
    const bool blank = text.find_first_not_of(' ') == std::string::npos;
    const auto minutes = StoredTimeMinutes(blank ? std::string() : text);
    return minutes ? TimeText(*minutes) : text;
}

std::string DateForm(const std::string& text) {
    const auto date = StoredDayMonth(text);
    return date ? DayMonthText(date->day, date->month) : text;
}

// An extension range bound as the unit keeps it: a number, none for 0.
std::string RangeForm(const std::string& text) {
    const auto value = StoredNumber(text);
    if (!value) return text;
    return *value == 0 ? std::string() : Num(*value);
}

// "None" and "Nessuna" both mean no supervisor mailbox.
std::string SupervisorForm(const std::string& text) {
    if (text.empty() || text == "None" || text == names::kNoMailbox) return names::kNoMailbox;
    return text;
}

std::string CodeChars(std::span<const std::uint8_t> bytes, int count) {
    std::string out;
    for (int i = 0; i < std::clamp(count, 0, static_cast<int>(bytes.size())); ++i)
        out += static_cast<char>(bytes[static_cast<std::size_t>(i)]);
    return out;
}

std::string MailboxMembers(const MboxGroup& g) {
    std::string out;
    for (int i = 0; i < std::clamp<int>(g.memberCount, 0, 20); ++i) {
        if (i) out += ' ';
        out += Num(g.members[static_cast<std::size_t>(i)]);
    }
    return out;
}

// The display form of every field of one configuration, keyed by sheet and
// caption. A field whose display hides its value (a password shown as "****")
// is compared by the value itself.
class CView {
  public:
    struct Value {
        std::string shown;
        std::string compared;
    };
    void Add(const char* sheet, std::string caption, std::string value) {
        std::string compared = value;
        AddHidden(sheet, std::move(caption), std::move(value), std::move(compared));
    }
    void Add(const char* sheet, const char* caption, std::string value) {
        Add(sheet, Shown(caption), std::move(value));
    }
    // A dial code text: the unit takes its letters in either case.
    void AddCode(const char* sheet, std::string caption, std::string value) {
        std::string compared = value;
        for (char& c : compared)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        AddHidden(sheet, std::move(caption), std::move(value), std::move(compared));
    }
    void AddCode(const char* sheet, const char* caption, std::string value) {
        AddCode(sheet, Shown(caption), std::move(value));
    }
    void AddHidden(const char* sheet, std::string caption, std::string shown,
                   std::string compared) {
        auto key = std::make_pair(Shown(sheet), std::move(caption));
        if (values_.emplace(key, Value{std::move(shown), std::move(compared)}).second)
            order_.push_back(std::move(key));
    }
    const std::vector<std::pair<std::string, std::string>>& Order() const { return order_; }
    const Value* Find(const std::pair<std::string, std::string>& key) const {
        const auto it = values_.find(key);
        return it == values_.end() ? nullptr : &it->second;
    }

  private:
    std::map<std::pair<std::string, std::string>, Value> values_;
    std::vector<std::pair<std::string, std::string>> order_;
};

void PbxSheet(CView& v, const CQelDoc& d) {
    const char* s = et::kPbxCaption;
    v.Add(s, et::kExtDigits, Num(d.extDigits));
    v.Add(s, et::kOperatorDayExt, d.operatorDayExt);
    v.Add(s, et::kOperatorNightExt, d.operatorNightExt);
    v.Add(s, et::kFaxExt, d.faxExt);
    for (int r = 0; r < 10; ++r) {
        const std::string row =
            Join({Shown(et::kAllowedExt), editors::FormatInt(et::kRangeRow, r)});
        v.Add(s, Join({row, et::kRangeFrom}), RangeForm(d.allowedExt[static_cast<std::size_t>(r)]));
        v.Add(s, Join({row, et::kRangeTo}),
              RangeForm(d.allowedExt[static_cast<std::size_t>(10 + r)]));
    }
    v.AddCode(s, et::kTransferCode, d.transferCode);
    v.AddCode(s, et::kRecallOnBusy, d.recallOnBusy);
    v.AddCode(s, et::kRecallOnNoAnswer, d.recallOnNoAnswer);
    v.Add(s, et::kFlash1, Num(d.flash1));
    v.Add(s, et::kFlash2, Num(d.flash2));
    v.Add(s, et::kSupervisionType, names::Name(names::kSupervisionType, d.supervisionType != 0));
    v.AddCode(s, et::kAnswerSignal, d.answerSignal);
    v.AddCode(s, et::kBusySignal, d.busySignal);
    v.AddCode(s, et::kDndSignal, d.dndSignal);
    v.Add(s, kTransferOperator, names::Name(names::kTransferMode, d.transferModeOperator));
    v.Add(s, kTransferOther, names::Name(names::kTransferMode, d.transferModeOther));
    v.Add(s, et::kNoAnswerWait, Num(d.noAnswerWait));
    v.Add(s, et::kVoiceSensitivity, Num(d.voiceSensitivity));
    v.Add(s, et::kBusyToneOn, Num(d.busyToneOn));
    v.Add(s, et::kBusyToneOff, Num(d.busyToneOff));
    v.Add(s, et::kDisconnectToneOn, Num(d.disconnectToneOn));
    v.Add(s, et::kDisconnectToneOff, Num(d.disconnectToneOff));
    v.AddCode(s, et::kDisconnectCode, d.disconnectCode);
}

void SystemSheet(CView& v, const CQelDoc& d, CompareScope scope) {
    const char* s = et::kSysParCaption;
    v.Add(s, et::kMaxRecordTime, Num(d.maxRecordTime));
    v.Add(s, et::kDefaultLanguage, names::Name(names::kLanguageChoice, d.defaultLanguage));
    v.Add(s, et::kAutoVolume, names::YesNo(d.autoVolume));
    v.Add(s, et::kNameOrder, names::Name(names::kNameOrder, d.nameOrder));
    if (scope != CompareScope::File) return;
    // A send takes the languages from the unit and changes the unit's
    // password only through its own command; a file keeps both.
    for (int i = 0; i < 3; ++i)
        v.Add(s, editors::FormatInt(texts::compareLanguageCode, i + 1),
              Num(d.languageCode[static_cast<std::size_t>(i)]));
    v.AddHidden(s, texts::compareUnitPassword,
                d.unitPassword.empty() ? std::string() : et::kHiddenPassword, d.unitPassword);
}

void MailboxSheet(CView& v, const CQelDoc& d) {
    const char* s = et::kListMboxCaption;
    v.Add(s, et::kSupervisorMbox, SupervisorForm(d.supervisorMbox));
    v.Add(s, et::kArchiveDays, Num(d.archiveDays));
    v.Add(s, et::kListenKey, Num(d.listenKey));
    v.Add(s, et::kOperatorKey, Num(d.operatorKey));
    for (const MboxRecord& r : editors::MailboxesInUse(d)) {
        const editors::CMboxEdit e(r, d.extDigits, false);
        const std::string mbox = Join({et::kMbox, r.number});
        const auto field = [&](const char* caption, std::string value) {
            v.Add(s, Join({mbox, Shown(caption)}), std::move(value));
        };
        v.Add(s, mbox, names::kYesNo[1]);
        field(et::kMboxType, names::kMboxTypeChoice[e.type]);
        field(et::kAnnouncer, names::YesNo(e.announcer));
        // Two different hidden passwords differ, though both show "****".
        v.AddHidden(s, Join({mbox, Shown(et::kUserPassword)}), e.password, r.password);
        field(et::kUserLanguage, names::Name(names::kLanguageChoice, e.language));
        field(et::kLocalNotifyLabel, names::Name(names::kLocalNotify, e.localNotify));
        field(et::kAllowed, names::YesNo(e.allowed));
        v.AddCode(s, Join({mbox, Shown(et::kPhone)}), e.phone);
        field((Shown(et::kPhone) + " " + et::kEnabled).c_str(), names::YesNo(e.phoneEnabled));
        v.AddCode(s, Join({mbox, Shown(et::kPager)}), e.pager);
        field((Shown(et::kPager) + " " + et::kEnabled).c_str(), names::YesNo(e.pagerEnabled));
        field(et::kDnd, names::YesNo(e.dnd));
        field(et::kTimeStamp, names::YesNo(e.timeStamp));
    }
}

// `captions` names the groups: the first configuration's, so that both sides
// meet under the same name when only the first digit differs.
void GroupSheet(CView& v, const CQelDoc& d, const CQelDoc& captions) {
    const char* s = et::kGroupCaption;
    v.Add(s, et::kGroupFirstDigit, d.groupFirstDigit);
    // The unit holds four groups, named as their sheet names them (900-903).
    const editors::CGroupEdit named(captions);
    for (int g = 0; g < editors::kEditableGroups; ++g) {
        char caption[64];
        std::snprintf(caption, sizeof caption, kGroup, named.Caption(g).c_str());
        v.Add(s, std::string(caption), MailboxMembers(d.groups[static_cast<std::size_t>(g)]));
    }
}

void NotificationSheet(CView& v, const CQelDoc& d) {
    const char* s = et::kNotificationCaption;
    v.Add(s, et::kRingAttempts, Num(d.ringAttempts));
    v.Add(s, et::kRingInterval, Num(d.ringInterval));
    v.Add(s, et::kRingDuration, names::Name(names::kRingDuration, d.ringDuration));
    v.AddCode(s, et::kLed1Code, d.led1Code);
    v.AddCode(s, et::kLed2Code, d.led2Code);
    v.AddCode(s, et::kLedOffCode, d.ledOffCode);
    v.Add(s, et::kLedMode, names::Name(names::kLedMode, d.ledMode));
    v.Add(s, et::kExtNotifyStart, TimeText(d.extNotifyStart));
    v.Add(s, et::kExtNotifyEnd, TimeText(d.extNotifyEnd));
    v.AddCode(s, et::kLineSeizeCode, d.lineSeizeCode);
}

void TimeSheet(CView& v, const CQelDoc& d, CompareScope scope) {
    const char* s = et::kTimeDateCaption;
    v.Add(s, et::kOperatingMode, names::Name(names::kOperatingMode, d.operatingMode));
    for (int day = 0; day < 7; ++day) {
        const std::string dayName = names::kWeekday[day];
        const std::string work = Join({Shown(et::kWorkHours), dayName});
        v.Add(s, Join({work, et::kFrom}), TimeForm(d.workHours[static_cast<std::size_t>(day)]));
        v.Add(s, Join({work, et::kTo}), TimeForm(d.workHours[static_cast<std::size_t>(day + 7)]));
        for (int b = 0; b < 10; ++b) {
            const BreakSlot& slot =
                d.breaks[static_cast<std::size_t>(day)][static_cast<std::size_t>(b)];
            const std::string row =
                Join({Shown(et::kAutoBreakTab), dayName, editors::FormatInt(et::kBreakRow, b)});
            v.Add(s, Join({row, et::kFrom}), TimeText(slot.start));
            v.Add(s, Join({row, et::kTo}), TimeText(slot.end));
            v.Add(s, Join({row, et::kBreakPage}), Two(slot.page));
        }
    }
    for (int h = 0; h < std::min<int>(d.holidayCount, 50); ++h) {
        const auto i = static_cast<std::size_t>(h);
        const std::string row = Join({Shown(et::kHolidayTab), Num(h + 1)});
        v.Add(s, Join({row, et::kHolidayDate}), DateForm(d.holidayDate[i]));
        v.Add(s, Join({row, et::kHolidayStart}), TimeForm(d.holidayStart[i]));
        v.Add(s, Join({row, et::kHolidayEnd}), TimeForm(d.holidayEnd[i]));
        if (scope == CompareScope::File) v.Add(s, Join({row, et::kHolidayText}), d.holidayText[i]);
    }
}

void PageSheet(CView& v, const CQelDoc& d, CompareScope scope) {
    const char* s = at::kSheetCaption;
    const auto mailboxes = editors::MailboxesInUse(d);
    for (int p = 0; p < kPageCount; ++p) {
        const std::string page = Join({at::kPageWord, autoatt::PageNumberText(p)});
        for (int k = 0; k < kPageKeys; ++k) {
            const PageEntry& e = d.pages[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)];
            const std::string key = Join({page, k == kTimeoutKey ? std::string(at::kTimeoutRow)
                                                                 : Join({at::kKeyHead, Num(k)})});
            v.Add(s, Join({key, at::kOperationHead}), PageOpLabel(e.op));
            v.Add(s, Join({key, at::kDestinationHead}),
                  autoatt::DestinationText(e, mailboxes, d.slotLimit));
        }
        v.Add(s, Join({page, at::kTimeoutField}), Num(d.pageTimeout[static_cast<std::size_t>(p)]));
        if (scope != CompareScope::File) continue;
        // What only the file keeps: the description and the recording's file.
        if (p < static_cast<int>(d.pageText.size()))
            v.Add(s, Join({page, at::kDescriptionHead}), d.pageText[static_cast<std::size_t>(p)]);
        v.Add(s, Join({Shown(at::kRecordingTab), page}), d.pageFile[static_cast<std::size_t>(p)]);
    }
    for (int line = 0; line < 4; ++line) {
        const std::string l = Join({at::kLine, Num(line + 1)});
        v.Add(s, Join({at::kRingsGroup, l}),
              Num(d.ringsBeforeAnswer[static_cast<std::size_t>(line)]));
        for (int mode = 0; mode < 4; ++mode)
            v.Add(
                s, Join({at::kOpenScriptTab, l, at::kModeHeads[mode]}),
                Two(d.openingPage[static_cast<std::size_t>(line)][static_cast<std::size_t>(mode)]));
    }
    for (int n = 0; n < 20; ++n)
        v.AddCode(s, Join({at::kDialStringTab, Num(n)}),
                  d.dialStrings[static_cast<std::size_t>(n)]);
}

void InBandSheet(CView& v, const CQelDoc& d) {
    const char* s = kInBandSheet;
    v.Add(s, kFirstDtmfTimeout, Num(d.firstDtmfTimeout));
    v.Add(s, kInterDtmfDelay, Num(d.interDtmfDelay));
    const auto mailboxes = editors::MailboxesInUse(d);
    for (int e = 0; e < autoatt::kInBandEvents; ++e) {
        InBandEntry entry = d.inBand[static_cast<std::size_t>(e)];
        const std::string row = editors::FormatInt(kEvent, e);
        const bool used = entry.codeLength > 0;
        v.Add(s, Join({row, at::kOperationHead}), used ? InBandOpLabel(entry.operation) : "");
        v.AddCode(s, Join({row, "Codice"}), CodeChars(entry.code, entry.codeLength));
        v.Add(s, Join({row, at::kDestinationHead}),
              used ? autoatt::DrawInBandDestination(entry, mailboxes, d.slotLimit) : "");
    }
}

CView ViewOf(const CQelDoc& d, const CQelDoc& first, CompareScope scope) {
    CView v;
    // Another product type is the difference that matters first: it decides
    // the mailbox slots, the lines and the unit the file is for.
    v.Add(texts::compareProductType, texts::compareProductType, ProductTypeName(d.productType));
    PbxSheet(v, d);
    SystemSheet(v, d, scope);
    MailboxSheet(v, d);
    GroupSheet(v, d, first);
    NotificationSheet(v, d);
    TimeSheet(v, d, scope);
    PageSheet(v, d, scope);
    InBandSheet(v, d);
    return v;
}

} // namespace

std::vector<ConfigDifference> CompareConfigurations(const CQelDoc& first, const CQelDoc& second,
                                                    CompareScope scope) {
    const CView a = ViewOf(first, first, scope);
    const CView b = ViewOf(second, first, scope);
    std::vector<ConfigDifference> out;
    const auto compare = [&](const std::pair<std::string, std::string>& key, bool fromFirst) {
        const CView::Value* x = a.Find(key);
        const CView::Value* y = b.Find(key);
        if (!fromFirst && x) return; // already compared
        const CView::Value none;
        const CView::Value& vx = x ? *x : none;
        const CView::Value& vy = y ? *y : none;
        if (vx.compared == vy.compared) return;
        out.push_back({key.first, key.second, vx.shown, vy.shown});
    };
    for (const auto& key : a.Order())
        compare(key, true);
    for (const auto& key : b.Order())
        compare(key, false);
    // Sheets in their order; within a sheet the first configuration's order,
    // then what only the second one has.
    std::vector<std::string> sheets;
    for (const auto& key : a.Order())
        if (std::find(sheets.begin(), sheets.end(), key.first) == sheets.end())
            sheets.push_back(key.first);
    std::stable_sort(out.begin(), out.end(),
                     [&](const ConfigDifference& x, const ConfigDifference& y) {
                         const auto rank = [&](const std::string& sheet) {
                             return std::find(sheets.begin(), sheets.end(), sheet) - sheets.begin();
                         };
                         return rank(x.sheet) < rank(y.sheet);
                     });
    return out;
}

std::string DifferenceLine(const ConfigDifference& d) {
    return d.sheet + " | " + d.caption + ": " + (d.first.empty() ? "\"\"" : d.first) + " -> " +
           (d.second.empty() ? "\"\"" : d.second);
}

} // namespace kiv
