#include "report/Report.h"

#include "autoattendant/PageRules.h"
#include "autoattendant/ProtocolEdit.h"
#include "autoattendant/ScriptPages.h"
#include "document/PageOps.h"
#include "document/ProductType.h"
#include "document/QelDoc.h"
#include "document/TimeText.h"
#include "document/ValueNames.h"
#include "editors/MboxRefs.h"
#include "report/Texts.h"
#include "unit/stats/Statistics.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <span>
#include <string_view>

namespace kiv::report {
namespace {

// Columns of the layout, in average character widths.
constexpr double kHeadingColumn = 25;
constexpr double kLabelColumn = 2;
constexpr double kValueColumn = 40;
// Vertical steps, in line heights.
constexpr double kHeadingDrop = 2.5; // from the section's start to its heading
constexpr double kFirstLineDrop = 4; // from the heading to the first line
constexpr double kLineStep = 1.5;    // between lines
// Where the system parameters start when they share a page with the PBX
// parameters' second page.
constexpr double kSystemAfterPbx = 2 * kHeadingDrop + 10 * kLineStep;

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string Value(const std::string& text) {
    return ": " + text;
}
std::string Value(int value) {
    return Format(": %d", value);
}
std::string Value(int value, const char* unit) {
    return Format(": %d %s", value, unit);
}

// Writes one section's lines down the page: the heading, then lines 4 h below
// it and 1.5 h apart.
class Writer {
  public:
    Writer(ReportPage& page, double start) : page_(page), y_(start) {}

    void Heading(const char* text) {
        y_ += kHeadingDrop;
        Put(kHeadingColumn, text);
        next_ = kFirstLineDrop;
    }
    // Moves to the next line; the texts of that line follow with At.
    Writer& NextLine() {
        y_ += next_;
        next_ = kLineStep;
        return *this;
    }
    Writer& At(double column, std::string text) {
        Put(column, std::move(text));
        return *this;
    }
    void Label(const char* label) { NextLine().At(kLabelColumn, label); }
    // A label too long for the value column pushes its value to the right, so
    // that the two never run into each other.
    void Label(const char* label, std::string value) {
        const double end = kLabelColumn + static_cast<double>(std::string_view(label).size()) + 3;
        NextLine().At(kLabelColumn, label).At(std::max(kValueColumn, end), std::move(value));
    }
    // An empty line between two blocks of a section.
    void Gap() { y_ += kLineStep; }
    // The last line written: the start of a section that follows.
    double Bottom() const { return y_; }

  private:
    void Put(double column, std::string text) {
        if (!text.empty()) page_.texts.push_back({column, y_, std::move(text)});
    }
    ReportPage& page_;
    double y_;
    double next_ = 0;
};

std::span<const MboxRecord> Mailboxes(const CQelDoc& doc) {
    return editors::MailboxesInUse(doc);
}

// --- Sections ------------------------------------------------------------------------------------

void PbxFirstPage(const CQelDoc& doc, ReportPage& page) {
    Writer w(page, 0);
    w.Heading(kPbxHeading);
    w.Label(kExtensions);
    w.Label(kExtDigits, Value(doc.extDigits));
    w.Label(kOperatorKey, Value(doc.operatorKey));
    w.Label(kOperatorDay, Value(doc.operatorDayExt));
    w.Label(kOperatorNight, Value(doc.operatorNightExt));
    w.Label(kFax, Value(doc.faxExt));
    w.Label(kAllowedExt);
    // Range g runs from element g to element g + 10; ranges g and g + 5 share a line.
    for (int g = 0; g < 5; ++g) {
        w.NextLine();
        for (int half = 0; half < 2; ++half) {
            const int range = g + 5 * half;
            const double x = kLabelColumn + 2 + half * 44;
            w.At(x, Format(kRangeGroup, range + 1))
                .At(x + 13, kFrom)
                .At(x + 16, doc.allowedExt[static_cast<std::size_t>(range)])
                .At(x + 27, kTo)
                .At(x + 29, doc.allowedExt[static_cast<std::size_t>(range + 10)]);
        }
    }
    w.Label(kCallTransfer);
    w.Label(kTransferCode, Value(doc.transferCode));
    w.Label(kRecallOnBusy, Value(doc.recallOnBusy));
    w.Label(kRecallOnNoAnswer, Value(doc.recallOnNoAnswer));
    w.Label(kFlash1, Value(doc.flash1, kMsec));
    w.Label(kFlash2, Format(kFlash2Value, kMsec));
    w.Label(kSupervision);
    w.Label(kSupervisionType, Value(names::kSupervisionType[doc.supervisionType != 0 ? 1 : 0]));
    w.Label(kAnswerSignal, Value(doc.answerSignal));
    w.Label(kBusySignal, Value(doc.busySignal));
    w.Label(kDndSignal, Value(doc.dndSignal));
    w.Label(kTransferMode);
    w.Label(kToOperator, Value(names::Name(names::kTransferMode, doc.transferModeOperator)));
    w.Label(kToOthers, Value(names::Name(names::kTransferMode, doc.transferModeOther)));
    w.Label(kNoAnswerWait, Value(doc.noAnswerWait, kSec));
    w.Label(kVoiceSensitivity, Value(doc.voiceSensitivity));
}

void PbxSecondPage(const CQelDoc& doc, ReportPage& page) {
    Writer w(page, 0);
    w.Heading(kPbxHeading);
    w.Label(kCallTones);
    w.Label(kBusyTone);
    w.Label(kBusyToneOn, Value(doc.busyToneOn, kMsec));
    w.Label(kBusyToneOff, Value(doc.busyToneOff, kMsec));
    w.Label(kDisconnectTone);
    w.Label(kDisconnectCode, Value(doc.disconnectCode));
    w.Label(kDisconnectToneOn, Value(doc.disconnectToneOn, kMsec));
    w.Label(kDisconnectToneOff, Value(doc.disconnectToneOff, kMsec));
}

void SystemSection(const CQelDoc& doc, ReportPage& page, double start) {
    Writer w(page, start);
    w.Heading(kSystemHeading);
    w.Label(kMaxRecordTime, Value(doc.maxRecordTime, kMin));
    w.Label(kDefaultLanguage, Value(names::Name(names::kLanguage, doc.defaultLanguage)));
    w.Label(kNameOrder, Value(names::Name(names::kNameOrder, doc.nameOrder)));
    w.Label(kAutoVolume, Value(names::kAutoVolume[doc.autoVolume != 0 ? 1 : 0]));
}

void InBandSection(const CQelDoc& doc, ReportPage& page) {
    constexpr double kCode = 12, kOp = 38, kDesc = 78;
    Writer w(page, 0);
    w.Heading(kInBandHeading);
    w.NextLine()
        .At(kLabelColumn, kEvent)
        .At(kCode, kCodeFromPbx)
        .At(kOp, kOperation)
        .At(kDesc, kDescription);
    for (std::size_t i = 0; i < doc.inBand.size(); ++i) {
        InBandEntry entry = doc.inBand[i];
        if (entry.operation == 0) continue;
        const auto length = std::min<std::size_t>(entry.codeLength, entry.code.size());
        const std::string code(entry.code.begin(), entry.code.begin() + static_cast<long>(length));
        w.NextLine()
            .At(kLabelColumn, Format("%d", static_cast<int>(i)))
            .At(kCode, code)
            .At(kOp, InBandOpLabel(entry.operation))
            .At(kDesc, autoatt::DrawInBandDestination(entry, Mailboxes(doc), doc.slotLimit));
    }
    w.Gap();
    w.Label(kFirstDtmf, Value(doc.firstDtmfTimeout, kMsec));
    w.Label(kInterDtmf, Value(doc.interDtmfDelay, kMsec));
}

std::string Period(const std::string& text) {
    return text.empty() ? "00:00" : text;
}

void ScheduleFirstPage(const CQelDoc& doc, ReportPage& page) {
    Writer w(page, 0);
    w.Heading(kClockHeading);
    w.Label(kSystemTime, Format(": %02d:%02d", doc.clockHour, doc.clockMinute));
    w.Label(kSystemDate, Format(": %02d/%02d/%d", doc.clockDay, doc.clockMonth, doc.clockYear));
    w.Label(kOperatingMode, Value(names::Name(names::kOperatingMode, doc.operatingMode)));

    Writer week(page, w.Bottom());
    week.Heading(kWeeklyHeading);
    week.Label(kWorkHours);
    // Two weekdays a line; Sunday alone on the last.
    for (int d = 0; d < 7; d += 2) {
        week.NextLine();
        for (int day = d; day < std::min(d + 2, 7); ++day) {
            const double x = kLabelColumn + 2 + (day - d) * 44;
            week.At(x, names::kWeekday[day])
                .At(x + 12, kFrom)
                .At(x + 16, Period(doc.workHours[static_cast<std::size_t>(day)]))
                .At(x + 24, kTo)
                .At(x + 26, Period(doc.workHours[static_cast<std::size_t>(day + 7)]));
        }
    }
    week.Label(kBreaks);
    // The breaks in use (an empty break starts and ends at 00:00), two a line.
    int onLine = 0;
    for (int day = 0; day < 7; ++day) {
        for (const BreakSlot& b : doc.breaks[static_cast<std::size_t>(day)]) {
            if (b.start == 0 && b.end == 0) continue;
            if (onLine == 0) week.NextLine();
            const double x = kLabelColumn + 2 + onLine * 48;
            week.At(x, names::kWeekday[day])
                .At(x + 12, kFrom)
                .At(x + 16, TimeText(b.start))
                .At(x + 23, kTo)
                .At(x + 25, TimeText(b.end))
                .At(x + 32, kBreakPage)
                .At(x + 41, Format("%d", b.page));
            onLine = (onLine + 1) % 2;
        }
    }
}

void ScheduleSecondPage(const CQelDoc& doc, ReportPage& page) {
    Writer w(page, 0);
    w.Heading(kHolidayHeading);
    const int count = std::min<int>(doc.holidayCount, static_cast<int>(doc.holidayDate.size()));
    auto columns = [&](double x) { return std::array<double, 4>{x, x + 8, x + 15, x + 22}; };
    w.NextLine();
    for (int half = 0; half < 2; ++half) {
        const auto c = columns(kLabelColumn + half * 55);
        w.At(c[0], kHolidayDate)
            .At(c[1], kHolidayStart)
            .At(c[2], kHolidayEnd)
            .At(c[3], kDescription);
    }
    for (int i = 0; i < count; ++i) {
        if (i % 2 == 0) w.NextLine();
        const auto c = columns(kLabelColumn + (i % 2) * 55);
        const auto k = static_cast<std::size_t>(i);
        w.At(c[0], doc.holidayDate[k].empty() ? kEmptyHolidayDate : doc.holidayDate[k])
            .At(c[1], doc.holidayStart[k])
            .At(c[2], doc.holidayEnd[k])
            .At(c[3], doc.holidayText[k]);
    }
}

void NotificationSection(const CQelDoc& doc, ReportPage& page) {
    Writer w(page, 0);
    w.Heading(kNotifyHeading);
    w.Label(kLed1Code, Value(doc.led1Code));
    w.Label(kLed2Code, Value(doc.led2Code));
    w.Label(kLedOffCode, Value(doc.ledOffCode));
    w.Label(kLineSeizeCode, Value(doc.lineSeizeCode));
    w.Label(kRingInterval, Value(doc.ringInterval, kMin));
    w.Label(kRingAttempts, Value(doc.ringAttempts));
    w.Label(kRingDuration, Value(names::Name(names::kRingDuration, doc.ringDuration)));
    w.Label(kNotifyStart, Value(TimeText(doc.extNotifyStart)));
    w.Label(kNotifyEnd, Value(TimeText(doc.extNotifyEnd)));
    w.Label(kLedMode, Value(names::Name(names::kLedMode, doc.ledMode)));

    Writer m(page, w.Bottom());
    m.Heading(kMboxParamHeading);
    m.Label(kListenKey, Value(doc.listenKey));
    m.Label(kListenKey2);
    m.Label(kOperatorKey, Value(doc.operatorKey));
    m.Label(kArchiveDays, Value(doc.archiveDays));
}

// Up to three auto-attendant pages: the `sheet`th three of the page list.
void AutoAttendantSheet(const CQelDoc& doc, ReportPage& page, int sheet) {
    constexpr double kOpColumn = 14, kDestColumn = 62;
    Writer w(page, 0);
    w.Heading(kAutoAttHeading);
    const auto mailboxes = Mailboxes(doc);
    for (int n = 0; n < kPagesPerSheet; ++n) {
        const auto listed = static_cast<std::size_t>(sheet * kPagesPerSheet + n);
        if (listed >= doc.printPages.size()) break;
        const int index = doc.printPages[listed];
        if (index < 0 || index >= kPageCount) break;
        if (n > 0) w.Gap();
        w.NextLine()
            .At(kLabelColumn, Format(kPageMessage, PageNumber(index)))
            .At(kValueColumn, PageDescription(doc.pageText, index));
        w.NextLine()
            .At(kLabelColumn + 2, kKey)
            .At(kOpColumn, kOperationType)
            .At(kDestColumn, kDestination);
        const auto& keys = doc.pages[static_cast<std::size_t>(index)];
        for (int k = 0; k < kPageKeys; ++k) {
            const PageEntry& entry = keys[static_cast<std::size_t>(k)];
            w.NextLine().At(kLabelColumn + 2, k == kTimeoutKey ? kTimeoutRow : Format("%d", k));
            if (k == doc.operatorKey) {
                w.At(kOpColumn, kOperatorRow);
                continue;
            }
            w.At(kOpColumn, PageOpLabel(entry.op));
            if (autoatt::PageOpHasDestination(entry.op))
                w.At(kDestColumn, autoatt::DestinationText(entry, mailboxes, doc.slotLimit));
        }
        w.Label(kPageTimeout, Value(doc.pageTimeout[static_cast<std::size_t>(index)], kSec));
    }
}

void InitialPagesSection(const CQelDoc& doc, ReportPage& page) {
    const int lines = LineCount(doc.productType);
    Writer w(page, 0);
    w.Heading(kInitialHeading);
    w.Label(kRings);
    for (int l = 0; l < lines; ++l)
        w.NextLine()
            .At(kLabelColumn + 2, Format(kLine, l + 1))
            .At(kValueColumn, Value(doc.ringsBeforeAnswer[static_cast<std::size_t>(l)]));
    w.Gap();
    w.NextLine();
    for (int m = 0; m < 4; ++m)
        w.At(16 + 10 * m, kModes[m]);
    for (int l = 0; l < lines; ++l) {
        w.NextLine().At(kLabelColumn + 2, Format(kLine, l + 1));
        for (int m = 0; m < 4; ++m)
            w.At(16 + 10 * m,
                 Format("%d",
                        doc.openingPage[static_cast<std::size_t>(l)][static_cast<std::size_t>(m)]));
    }
    w.Gap();
    w.Label(kDialStrings);
    w.NextLine().At(kLabelColumn + 2, kDialNumber).At(10, kDialString);
    for (std::size_t s = 0; s < doc.dialStrings.size(); ++s)
        w.NextLine()
            .At(kLabelColumn + 2, Format("%d", static_cast<int>(s)))
            .At(10, doc.dialStrings[s]);
}

void PageStatusSection(const CQelDoc& doc, ReportPage& page) {
    constexpr double kProg = 14, kRec = 28, kDesc = 42;
    Writer w(page, 0);
    w.Heading(kPageStatusHeading);
    w.NextLine()
        .At(kLabelColumn, kPageNumberHead)
        .At(kProg, kProgrammed)
        .At(kRec, kRecorded)
        .At(kDesc, kDescription);
    for (int i = 0; i < kPageCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        w.NextLine()
            .At(kLabelColumn, Format("%02d", PageNumber(i)))
            .At(kProg, autoatt::IsPageProgrammed(doc.pages[k]) ? kYes : kNo)
            .At(kRec, doc.pageState[k] == 1 ? kYes : kNo)
            .At(kDesc, PageDescription(doc.pageText, i));
    }
}

// A telephone or pager number as the list prints it: at most ten characters,
// then "..." when it was longer.
std::string ShortNumber(const std::string& number) {
    return number.size() > 10 ? number.substr(0, 10) + kCutMark : number;
}

void MailboxSheet(const CQelDoc& doc, ReportPage& page, int sheet) {
    // Column starts; the phone and pager columns hold a switch and a number.
    constexpr double kColumns[kMboxColumns] = {2, 9, 16, 22, 28, 45, 54, 72, 90, 96, 103};
    Writer w(page, 0);
    w.Heading(kMboxHeading);
    w.NextLine();
    for (int c = 0; c < kMboxColumns; ++c)
        w.At(kColumns[c], kMboxHead1[c]);
    w.NextLine();
    for (int c = 0; c < kMboxColumns; ++c)
        w.At(kColumns[c], kMboxHead2[c]);
    const auto mailboxes = Mailboxes(doc);
    const auto first = static_cast<std::size_t>(sheet) * kMailboxesPerSheet;
    for (std::size_t i = first; i < std::min(first + kMailboxesPerSheet, mailboxes.size()); ++i) {
        const MboxRecord& m = mailboxes[i];
        const std::string cells[kMboxColumns] = {
            m.number,
            names::Name(names::kMboxType, m.type),
            names::YesNo(m.announcer),
            m.password == kDefaultPassword ? m.password : kHiddenPassword,
            names::Name(names::kLocalNotify, m.localNotify),
            names::YesNo(m.allowed),
            std::string(names::YesNo(m.phoneEnabled)) + " " + ShortNumber(m.phone),
            std::string(names::YesNo(m.pagerEnabled)) + " " + ShortNumber(m.pager),
            names::YesNo(m.dnd),
            names::YesNo(m.timeStamp),
            names::Name(names::kLanguage, m.language),
        };
        w.NextLine();
        for (int c = 0; c < kMboxColumns; ++c)
            w.At(kColumns[c], cells[c]);
    }
}

void StatisticsSection(const CQelDoc& doc, ReportPage& page) {
    const GeneralStatistics stats = ComputeGeneralStatistics(StatInputsOf(doc));
    const std::vector<UnitMessage> messages = CollectMessages(doc);
    const MessageTotals totals = TotalsOf(messages);
    auto hours = [](const std::string& text, const char* unit) { return ": " + text + " " + unit; };
    Writer w(page, 0);
    w.Heading(kStatsHeading);
    w.Label(kGeneral);
    w.Label(kFlashUse);
    w.Label(kTotalTime, hours(stats.flash.total, kHourMinute));
    w.Label(kUsedTime, hours(stats.flash.used, kHourMinute));
    w.Label(kPercentInUse, Format(kPercentValue, stats.flash.percent));
    w.Label(kRemainingTime, hours(stats.flash.remaining, kHourMinute));
    w.Label(kLanguageCount, Value(stats.languages));
    w.Label(kCallsPerLine);
    w.NextLine().At(kLabelColumn + 2, kLineHead).At(kValueColumn, kCallsHead);
    // Every line of the product type, in service or not.
    for (int l = 0; l < LineCount(doc.productType); ++l)
        w.NextLine()
            .At(kLabelColumn + 2, Format("%d", l + 1))
            .At(kValueColumn, Format("%d", doc.callsPerLine[static_cast<std::size_t>(l)]));
    w.Label(kMessagesGroup);
    w.Label(kNewLength, hours(HourMinuteSecondText(totals.newSeconds), kHourMinuteSecond));
    w.Label(kArchivedLength,
            hours(HourMinuteSecondText(totals.archivedSeconds), kHourMinuteSecond));
    w.Label(kNewCount, Value(totals.newCount));
    w.Label(kArchivedCount, Value(totals.archivedCount));
    w.Label(kMessageCount, Value(totals.Count()));
    w.Label(kVersion, Value(VersionText(doc.unitVersion)));
}

void MessageSheet(const CQelDoc& doc, ReportPage& page, int sheet) {
    constexpr double kDate = 14, kTime = 26, kLength = 38, kState = 50;
    Writer w(page, 0);
    w.Heading(kMessagesHeading);
    w.NextLine()
        .At(kLabelColumn, kMailboxHead)
        .At(kDate, kDateHead)
        .At(kTime, kTimeHead)
        .At(kLength, kLengthHead)
        .At(kState, kStateHead);
    const std::vector<UnitMessage> messages = CollectMessages(doc);
    const auto first = static_cast<std::size_t>(sheet) * kMessagesPerSheet;
    for (std::size_t i = first; i < std::min(first + kMessagesPerSheet, messages.size()); ++i) {
        const UnitMessage& m = messages[i];
        const MessageRow row = MessageRowOf(m);
        w.NextLine()
            .At(kLabelColumn, m.mailbox)
            .At(kDate, Format(kDateValue, m.day, m.month))
            .At(kTime, Format(kTimeValue, m.hour, m.minute))
            .At(kLength, row.length)
            .At(kState, row.state);
    }
}

int AutoSheets(const CQelDoc& doc) {
    return std::max(0, doc.printAutoPageCount);
}

// Page `number` of an all-sections report.
void AllPage(const CQelDoc& doc, ReportPage& page, int number) {
    const int a = AutoSheets(doc);
    const int mb = MailboxSheets(doc.mboxCount);
    switch (number) {
    case 1:
        return PbxFirstPage(doc, page);
    case 2:
        PbxSecondPage(doc, page);
        return SystemSection(doc, page, kSystemAfterPbx);
    case 3:
        return InBandSection(doc, page);
    case 4:
        return ScheduleFirstPage(doc, page);
    case 5:
        return ScheduleSecondPage(doc, page);
    case 6:
        return NotificationSection(doc, page);
    default:
        break;
    }
    if (number <= a + 6) return AutoAttendantSheet(doc, page, number - 7);
    if (number == a + 7) return InitialPagesSection(doc, page);
    if (number == a + 8) return PageStatusSection(doc, page);
    if (number <= a + 8 + mb) return MailboxSheet(doc, page, number - a - 9);
    if (number == a + 9 + mb) return StatisticsSection(doc, page);
    if (number <= doc.printPageCount) return MessageSheet(doc, page, number - a - 10 - mb);
}

} // namespace

bool IsSection(int code) {
    return code >= kAll && code <= kMessages && code != 6;
}

int MailboxSheets(int mboxCount) {
    const int n = std::clamp(mboxCount, 0, 128);
    return (n + kMailboxesPerSheet - 1) / kMailboxesPerSheet;
}

int MessageSheets(int markedMessages) {
    return std::max(1, (std::max(0, markedMessages) + kMessagesPerSheet - 1) / kMessagesPerSheet);
}

int MarkedMessageCount(const CQelDoc& doc) {
    return static_cast<int>(CollectMessages(doc).size());
}

void SelectSection(CQelDoc& doc, int code) {
    if (!IsSection(code)) return;
    doc.printSection = code;
    switch (code) {
    case kAll:
        break; // computed when printing starts
    case kPbx:
    case kSchedule:
        doc.printPageCount = 2;
        break;
    case kMessages:
        doc.printPageCount = MessageSheets(MarkedMessageCount(doc));
        break;
    default:
        doc.printPageCount = 1;
        break;
    }
}

void PreparePrint(CQelDoc& doc) {
    const int code = doc.printSection;
    if (code == kAll || code == kAutoAttendant) {
        doc.printPages.fill(-1);
        std::size_t listed = 0;
        for (int i = 0; i < kPageCount; ++i)
            if (autoatt::IsPageProgrammed(doc.pages[static_cast<std::size_t>(i)]))
                doc.printPages[listed++] = i;
        doc.printAutoPageCount = static_cast<int>((listed + kPagesPerSheet - 1) / kPagesPerSheet);
    }
    const int messages = MessageSheets(MarkedMessageCount(doc));
    switch (code) {
    case kAll:
        // One page is the message list's; a longer list takes the pages it needs.
        doc.printPageCount =
            doc.printAutoPageCount + 10 + MailboxSheets(doc.mboxCount) + messages - 1;
        break;
    case kAutoAttendant:
        doc.printPageCount = doc.printAutoPageCount + 2;
        break;
    case kMailboxes:
        doc.printPageCount = std::max(1, MailboxSheets(doc.mboxCount));
        break;
    case kMessages:
        doc.printPageCount = messages;
        break;
    case kPbx:
    case kSchedule:
        doc.printPageCount = 2;
        break;
    default:
        doc.printPageCount = 1;
        break;
    }
}

ReportPage BuildPage(const CQelDoc& doc, int number) {
    ReportPage page;
    if (number < 1 || number > doc.printPageCount) return page;
    switch (doc.printSection) {
    case kAll:
        AllPage(doc, page, number);
        break;
    case kPbx:
        (number == 1 ? PbxFirstPage : PbxSecondPage)(doc, page);
        break;
    case kSystem:
        SystemSection(doc, page, 0);
        break;
    case kInBand:
        InBandSection(doc, page);
        break;
    case kAutoAttendant: {
        const int a = AutoSheets(doc);
        if (number <= a)
            AutoAttendantSheet(doc, page, number - 1);
        else if (number == a + 1)
            InitialPagesSection(doc, page);
        else
            PageStatusSection(doc, page);
        break;
    }
    case kSchedule:
        (number == 1 ? ScheduleFirstPage : ScheduleSecondPage)(doc, page);
        break;
    case kNotification:
        NotificationSection(doc, page);
        break;
    case kMailboxes:
        MailboxSheet(doc, page, number - 1);
        break;
    case kStatistics:
        StatisticsSection(doc, page);
        break;
    case kMessages:
        MessageSheet(doc, page, number - 1);
        break;
    default:
        break;
    }
    return page;
}

std::string PageNumberText(int number) {
    return Format("%s %d", kPageWord, number);
}

std::string DateText(const LocalTime& date) {
    const int month = std::clamp(date.month, 1, 12);
    return Format("%02d %s %d", date.day, kMonths[month - 1], date.year);
}

} // namespace kiv::report
