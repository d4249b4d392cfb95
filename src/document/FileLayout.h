#pragma once
// The configuration file, item by item, in stored order. One list serves
// every walker: the file writer and reader, the JSON dump and import.
//
// Walkers implement:
//   Int(name, int32_t&, Range)         I32
//   Byte(name, uint8_t&, Range)        U8
//   Text(name, std::string&, maxLen)   TXT
//   Ints/Bytes/Texts(name, std::array&, ...)   the item repeated, element 0 first
//   Records(name, std::array<R, N>&, first, count)   records [first, first+count)
//   Grid(name, std::array<std::array<R, M>, N>&)     row 0 elements 0..M-1, then row 1 ...
//   Gate(FileGate)                     a point where loading applies a rule
// A name may come more than once with different element ranges (in-band
// entries and dial strings are stored in three and two pieces).

#include "document/QelDoc.h"

#include <algorithm>

namespace kiv {

enum class FileGate {
    IdentityBegin,    // item 1 starts: the identity texts
    IdentityEnd,      // item 1 done
    OperatorKeyBegin, // item 3 starts with operatorKey
    OperatorKeyEnd,   // operatorKey read
    ClockBegin,       // item 13 is next: a save advances the clock here
    ScheduleEnd,      // item 17 done: a load sets the clock from the computer
    KeyTableEnd,      // item 20 done
    MailboxCountEnd,  // item 24 done: product type from the file name, count check
    GroupDigitEnd,    // item 26 done: groupFirstDigit check
    InBandEnd,        // item 37 done: a default file ends here
    BreaksEnd,        // item 38 done: only the password block follows
};

// Base of walkers that treat every element on its own, in stored order: it
// turns records, their ranges and grids into calls of the walker's own Int,
// Byte, Text ... (the file reader and writer are such walkers).
template <class Derived> class CElementWalker {
  public:
    template <class R, size_t N>
    void Records(const char*, std::array<R, N>& a, size_t first, int64_t count) {
        const size_t last =
            std::min<size_t>(N, first + static_cast<size_t>(std::max<int64_t>(count, 0)));
        for (size_t i = first; i < last; ++i)
            WalkRecord(Self(), a[i]);
    }
    template <class R, size_t M, size_t N>
    void Grid(const char* name, std::array<std::array<R, M>, N>& g) {
        for (auto& row : g)
            for (auto& e : row)
                Element(name, e);
    }

  private:
    Derived& Self() { return static_cast<Derived&>(*this); }
    void Element(const char* name, int32_t& v) { Self().Int(name, v, kAny); }
    template <class R> void Element(const char*, R& r) { WalkRecord(Self(), r); }
};

template <class W> void WalkFileLayout(W& w, CQelDoc& d) {
    const Range key09{0, 9};
    const Range mode03{0, 2};
    w.Gate(FileGate::IdentityBegin);
    // item 1
    w.Text("identVersion", d.identVersion);
    w.Text("identMaker", d.identMaker);
    w.Text("identDate", d.identDate);
    w.Text("identProduct", d.identProduct);
    w.Gate(FileGate::IdentityEnd);
    // item 2
    w.Text("unitPassword", d.unitPassword, 8);
    w.Gate(FileGate::OperatorKeyBegin);
    // item 3
    w.Int("operatorKey", d.operatorKey, key09);
    w.Gate(FileGate::OperatorKeyEnd);
    w.Int("extDigits", d.extDigits, Range{2, 4});
    w.Int("firstDtmfTimeout", d.firstDtmfTimeout, kAny);
    w.Int("interDtmfDelay", d.interDtmfDelay, kAny);
    // item 4
    w.Text("operatorDayExt", d.operatorDayExt);
    w.Text("faxExt", d.faxExt);
    w.Text("operatorNightExt", d.operatorNightExt);
    // item 5
    w.Texts("allowedExt", d.allowedExt, 0, 20);
    // item 6
    w.Int("transferModeOperator", d.transferModeOperator, mode03);
    w.Int("transferModeOther", d.transferModeOther, mode03);
    // item 7
    w.Text("transferCode", d.transferCode);
    // item 8
    w.Int("flash1", d.flash1, kAny);
    w.Int("flash2", d.flash2, kAny);
    // item 9
    w.Text("answerSignal", d.answerSignal);
    w.Text("busySignal", d.busySignal);
    w.Text("dndSignal", d.dndSignal);
    w.Text("recallOnBusy", d.recallOnBusy);
    w.Text("recallOnNoAnswer", d.recallOnNoAnswer);
    // item 10
    w.Int("busyToneOff", d.busyToneOff, kAny);
    w.Int("busyToneOn", d.busyToneOn, kAny);
    w.Int("noAnswerWait", d.noAnswerWait, kAny);
    w.Int("voiceSensitivity", d.voiceSensitivity, kAny);
    w.Int("supervisionType", d.supervisionType, kYesNo);
    w.Int("defaultLanguage", d.defaultLanguage, Range{0, 2});
    w.Ints("ringsBeforeAnswer", d.ringsBeforeAnswer, kAny);
    w.Int("archiveDays", d.archiveDays, kAny);
    w.Int("maxRecordTime", d.maxRecordTime, kAny);
    w.Ints("languageCode", d.languageCode, kByte);
    // item 11
    w.Text("disconnectCode", d.disconnectCode);
    // item 12
    w.Int("disconnectToneOn", d.disconnectToneOn, kAny);
    w.Int("disconnectToneOff", d.disconnectToneOff, kAny);
    w.Gate(FileGate::ClockBegin);
    // item 13
    w.Int("clockHour", d.clockHour, Range{0, 23});
    w.Int("clockMinute", d.clockMinute, Range{0, 59});
    w.Int("clockDay", d.clockDay, Range{1, 31});
    w.Int("clockMonth", d.clockMonth, Range{1, 12});
    w.Int("clockYear", d.clockYear, kAny);
    w.Int("clockWeekday", d.clockWeekday, Range{1, 7});
    w.Int("operatingMode", d.operatingMode, Range{0, 4});
    // item 14
    w.Texts("workHours", d.workHours, 0, 14);
    // item 15
    w.Texts("workHoursCopy", d.workHoursCopy, 0, 14);
    // item 16
    w.Byte("holidayCount", d.holidayCount, Range{0, 50});
    // item 17
    w.Texts("holidayDate", d.holidayDate, 0, 50);
    w.Texts("holidayStart", d.holidayStart, 0, 50);
    w.Texts("holidayEnd", d.holidayEnd, 0, 50);
    w.Texts("holidayText", d.holidayText, 0, 50);
    w.Gate(FileGate::ScheduleEnd);
    // item 18
    w.Text("led1Code", d.led1Code);
    w.Text("led2Code", d.led2Code);
    w.Text("ledOffCode", d.ledOffCode);
    w.Text("lineSeizeCode", d.lineSeizeCode);
    // item 19
    w.Int("ringInterval", d.ringInterval, kAny);
    w.Int("ringAttempts", d.ringAttempts, kAny);
    w.Int("ringDuration", d.ringDuration, kYesNo);
    w.Int("ledMode", d.ledMode, kYesNo);
    w.Int("extNotifyStart", d.extNotifyStart, kMinuteOfDay);
    w.Int("extNotifyEnd", d.extNotifyEnd, kMinuteOfDay);
    // item 20
    w.Grid("pages", d.pages);
    w.Gate(FileGate::KeyTableEnd);
    // item 21
    w.Ints("pageTimeout", d.pageTimeout, kAny);
    // item 22
    w.Grid("openingPage", d.openingPage);
    // item 23
    w.Records("inBand", d.inBand, 0, 10);
    // item 24
    w.Int("mboxCount", d.mboxCount, Range{0, 128});
    w.Gate(FileGate::MailboxCountEnd);
    // item 25
    w.Records("mailboxes", d.mailboxes, 0, d.mboxCount);
    // item 26
    w.Text("supervisorMbox", d.supervisorMbox);
    w.Text("groupFirstDigit", d.groupFirstDigit);
    w.Gate(FileGate::GroupDigitEnd);
    // item 27
    w.Records("groups", d.groups, 0, 5);
    // item 28
    w.Ints("callsPerLine", d.callsPerLine, kAny);
    // item 29
    w.Int("nameOrder", d.nameOrder, kYesNo);
    w.Int("listenKey", d.listenKey, kAny);
    // item 30
    w.Texts("pageFile", d.pageFile, 0, 39);
    // item 31
    w.Text("reservedText1", d.reservedText1);
    w.Text("reservedText2", d.reservedText2);
    // item 32
    w.Texts("pageText", d.pageText, 0, 21);
    // item 33
    w.Int("autoVolume", d.autoVolume, kYesNo);
    // item 34
    w.Texts("dialStrings", d.dialStrings, 0, 10);
    // item 35
    w.Records("inBand", d.inBand, 10, 10);
    // item 36
    w.Texts("dialStrings", d.dialStrings, 10, 10);
    // item 37
    w.Records("inBand", d.inBand, 20, 20);
    w.Gate(FileGate::InBandEnd);
    // item 38
    w.Grid("breaks", d.breaks);
    w.Gate(FileGate::BreaksEnd);
}

} // namespace kiv
