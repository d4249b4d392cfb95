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

template <class W> void WalkFileLayout(W& w, CQelDoc& d) {
    const Range key09{0, 9};
    const Range mode03{0, 2};
    w.Gate(FileGate::IdentityBegin);
    w.Text("identVersion", d.identVersion); // 1
    w.Text("identMaker", d.identMaker);
    w.Text("identDate", d.identDate);
    w.Text("identProduct", d.identProduct);
    w.Gate(FileGate::IdentityEnd);
    w.Text("unitPassword", d.unitPassword, 8); // 2
    w.Gate(FileGate::OperatorKeyBegin);
    w.Int("operatorKey", d.operatorKey, key09); // 3
    w.Gate(FileGate::OperatorKeyEnd);
    w.Int("extDigits", d.extDigits, Range{2, 4});
    w.Int("firstDtmfTimeout", d.firstDtmfTimeout, kAny);
    w.Int("interDtmfDelay", d.interDtmfDelay, kAny);
    w.Text("operatorDayExt", d.operatorDayExt); // 4
    w.Text("faxExt", d.faxExt);
    w.Text("operatorNightExt", d.operatorNightExt);
    w.Texts("allowedExt", d.allowedExt, 0, 20);                    // 5
    w.Int("transferModeOperator", d.transferModeOperator, mode03); // 6
    w.Int("transferModeOther", d.transferModeOther, mode03);
    w.Text("transferCode", d.transferCode); // 7
    w.Int("flash1", d.flash1, kAny);        // 8
    w.Int("flash2", d.flash2, kAny);
    w.Text("answerSignal", d.answerSignal); // 9
    w.Text("busySignal", d.busySignal);
    w.Text("dndSignal", d.dndSignal);
    w.Text("recallOnBusy", d.recallOnBusy);
    w.Text("recallOnNoAnswer", d.recallOnNoAnswer);
    w.Int("busyToneOff", d.busyToneOff, kAny); // 10
    w.Int("busyToneOn", d.busyToneOn, kAny);
    w.Int("noAnswerWait", d.noAnswerWait, kAny);
    w.Int("voiceSensitivity", d.voiceSensitivity, kAny);
    w.Int("supervisionType", d.supervisionType, kYesNo);
    w.Int("defaultLanguage", d.defaultLanguage, Range{0, 2});
    w.Ints("ringsBeforeAnswer", d.ringsBeforeAnswer, kAny);
    w.Int("archiveDays", d.archiveDays, kAny);
    w.Int("maxRecordTime", d.maxRecordTime, kAny);
    w.Ints("languageCode", d.languageCode, kByte);
    w.Text("disconnectCode", d.disconnectCode);          // 11
    w.Int("disconnectToneOn", d.disconnectToneOn, kAny); // 12
    w.Int("disconnectToneOff", d.disconnectToneOff, kAny);
    w.Gate(FileGate::ClockBegin);
    w.Int("clockHour", d.clockHour, Range{0, 23}); // 13
    w.Int("clockMinute", d.clockMinute, Range{0, 59});
    w.Int("clockDay", d.clockDay, Range{1, 31});
    w.Int("clockMonth", d.clockMonth, Range{1, 12});
    w.Int("clockYear", d.clockYear, kAny);
    w.Int("clockWeekday", d.clockWeekday, Range{1, 7});
    w.Int("operatingMode", d.operatingMode, Range{0, 4});
    w.Texts("workHours", d.workHours, 0, 14);             // 14
    w.Texts("workHoursCopy", d.workHoursCopy, 0, 14);     // 15
    w.Byte("holidayCount", d.holidayCount, Range{0, 50}); // 16
    w.Texts("holidayDate", d.holidayDate, 0, 50);         // 17
    w.Texts("holidayStart", d.holidayStart, 0, 50);
    w.Texts("holidayEnd", d.holidayEnd, 0, 50);
    w.Texts("holidayText", d.holidayText, 0, 50);
    w.Gate(FileGate::ScheduleEnd);
    w.Text("led1Code", d.led1Code); // 18
    w.Text("led2Code", d.led2Code);
    w.Text("ledOffCode", d.ledOffCode);
    w.Text("lineSeizeCode", d.lineSeizeCode);
    w.Int("ringInterval", d.ringInterval, kAny); // 19
    w.Int("ringAttempts", d.ringAttempts, kAny);
    w.Int("ringDuration", d.ringDuration, kYesNo);
    w.Int("ledMode", d.ledMode, kYesNo);
    w.Int("extNotifyStart", d.extNotifyStart, kMinuteOfDay);
    w.Int("extNotifyEnd", d.extNotifyEnd, kMinuteOfDay);
    w.Grid("pages", d.pages); // 20
    w.Gate(FileGate::KeyTableEnd);
    w.Ints("pageTimeout", d.pageTimeout, kAny);     // 21
    w.Grid("openingPage", d.openingPage);           // 22
    w.Records("inBand", d.inBand, 0, 10);           // 23
    w.Int("mboxCount", d.mboxCount, Range{0, 128}); // 24
    w.Gate(FileGate::MailboxCountEnd);
    w.Records("mailboxes", d.mailboxes, 0, d.mboxCount); // 25
    w.Text("supervisorMbox", d.supervisorMbox);          // 26
    w.Text("groupFirstDigit", d.groupFirstDigit);
    w.Gate(FileGate::GroupDigitEnd);
    w.Records("groups", d.groups, 0, 5);          // 27
    w.Ints("callsPerLine", d.callsPerLine, kAny); // 28
    w.Int("nameOrder", d.nameOrder, kYesNo);      // 29
    w.Int("listenKey", d.listenKey, kAny);
    w.Texts("pageFile", d.pageFile, 0, 39);   // 30
    w.Text("reservedText1", d.reservedText1); // 31
    w.Text("reservedText2", d.reservedText2);
    w.Texts("pageText", d.pageText, 0, 21);        // 32
    w.Int("autoVolume", d.autoVolume, kYesNo);     // 33
    w.Texts("dialStrings", d.dialStrings, 0, 10);  // 34
    w.Records("inBand", d.inBand, 10, 10);         // 35
    w.Texts("dialStrings", d.dialStrings, 10, 10); // 36
    w.Records("inBand", d.inBand, 20, 20);         // 37
    w.Gate(FileGate::InBandEnd);
    w.Grid("breaks", d.breaks); // 38
    w.Gate(FileGate::BreaksEnd);
}

} // namespace kiv
