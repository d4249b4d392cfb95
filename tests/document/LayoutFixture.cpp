#include "LayoutFixture.h"

namespace kiv::test {

#define EACH(arr, n, body)                                                                         \
    for (size_t i = 0; i < (n); ++i) {                                                             \
        const std::string nm = std::string(#arr) + "[" + std::to_string(i) + "]";                  \
        auto get = [i](CQelDoc & d) -> auto& {                                                     \
            return d.arr[i];                                                                       \
        };                                                                                         \
        body;                                                                                      \
    }

LayoutFixture::LayoutFixture(int mailboxes) {
    Item(1);
    bytes.Txt("9.99");
    bytes.Txt("MAK");
    bytes.Txt("01/02/2003");
    bytes.Txt("XKIV");
    Item(2);
    bytes.Txt("");
    Item(3);
    I32(KIV_MEMBER(operatorKey), 7);
    I32(KIV_MEMBER(extDigits), 4);
    I32(KIV_MEMBER(firstDtmfTimeout));
    I32(KIV_MEMBER(interDtmfDelay));
    Item(4);
    Txt(KIV_MEMBER(operatorDayExt));
    Txt(KIV_MEMBER(faxExt));
    Txt(KIV_MEMBER(operatorNightExt));
    Item(5);
    EACH(allowedExt, 20, Txt(nm, get));
    Item(6);
    I32(KIV_MEMBER(transferModeOperator), 2);
    I32(KIV_MEMBER(transferModeOther), 1);
    Item(7);
    Txt(KIV_MEMBER(transferCode));
    Item(8);
    I32(KIV_MEMBER(flash1));
    I32(KIV_MEMBER(flash2));
    Item(9);
    Txt(KIV_MEMBER(answerSignal));
    Txt(KIV_MEMBER(busySignal));
    Txt(KIV_MEMBER(dndSignal));
    Txt(KIV_MEMBER(recallOnBusy));
    Txt(KIV_MEMBER(recallOnNoAnswer));
    Item(10);
    I32(KIV_MEMBER(busyToneOff));
    I32(KIV_MEMBER(busyToneOn));
    I32(KIV_MEMBER(noAnswerWait));
    I32(KIV_MEMBER(voiceSensitivity));
    I32(KIV_MEMBER(supervisionType), 1);
    I32(KIV_MEMBER(defaultLanguage), 2);
    EACH(ringsBeforeAnswer, 4, I32(nm, get));
    I32(KIV_MEMBER(archiveDays));
    I32(KIV_MEMBER(maxRecordTime));
    EACH(languageCode, 3, I32(nm, get, static_cast<int32_t>(40 + i)));
    Item(11);
    Txt(KIV_MEMBER(disconnectCode));
    Item(12);
    I32(KIV_MEMBER(disconnectToneOn));
    I32(KIV_MEMBER(disconnectToneOff));
    Item(13);
    // The clock of a file is replaced by the computer's on load: no checks.
    for (int v : {21, 34, 28, 2, 2001, 3})
        bytes.I32(v);
    doc.clockHour = 21;
    doc.clockMinute = 34;
    doc.clockDay = 28;
    doc.clockMonth = 2;
    doc.clockYear = 2001;
    doc.clockWeekday = 3;
    doc.clockSecond = 0;
    I32(KIV_MEMBER(operatingMode), 3);
    Item(14);
    EACH(workHours, 14, Txt(nm, get));
    Item(15);
    EACH(workHoursCopy, 14, Txt(nm, get));
    Item(16);
    U8(KIV_MEMBER(holidayCount), 37);
    Item(17);
    EACH(holidayDate, 50, Txt(nm, get));
    EACH(holidayStart, 50, Txt(nm, get));
    EACH(holidayEnd, 50, Txt(nm, get));
    EACH(holidayText, 50, Txt(nm, get));
    Item(18);
    Txt(KIV_MEMBER(led1Code));
    Txt(KIV_MEMBER(led2Code));
    Txt(KIV_MEMBER(ledOffCode));
    Txt(KIV_MEMBER(lineSeizeCode));
    Item(19);
    I32(KIV_MEMBER(ringInterval));
    I32(KIV_MEMBER(ringAttempts));
    I32(KIV_MEMBER(ringDuration), 1);
    I32(KIV_MEMBER(ledMode), 1);
    I32(KIV_MEMBER(extNotifyStart), 480);
    I32(KIV_MEMBER(extNotifyEnd), 1200);
    Item(20);
    for (size_t p = 0; p < 39; ++p)
        for (size_t k = 0; k < 11; ++k) {
            const std::string nm = "pages[" + std::to_string(p) + "][" + std::to_string(k) + "]";
            I32(
                nm + ".op", [ p, k ](CQelDoc & d) -> auto& { return d.pages[p][k].op; },
                static_cast<int32_t>((p * 11 + k) % 19));
            for (size_t t = 0; t < 4; ++t)
                U8(
                    nm + ".target",
                    [ p, k, t ](CQelDoc & d) -> auto& { return d.pages[p][k].target[t]; });
            U8(
                nm + ".targetInfo",
                [ p, k ](CQelDoc & d) -> auto& { return d.pages[p][k].targetInfo; });
        }
    Item(21);
    EACH(pageTimeout, 39, I32(nm, get));
    Item(22);
    for (size_t l = 0; l < 4; ++l)
        for (size_t m = 0; m < 4; ++m)
            I32(
                "openingPage[" + std::to_string(l) + "][" + std::to_string(m) + "]",
                [ l, m ](CQelDoc & d) -> auto& { return d.openingPage[l][m]; });
    auto inBand = [this](size_t first, size_t count) {
        for (size_t e = first; e < first + count; ++e) {
            const std::string nm = "inBand[" + std::to_string(e) + "]";
            I32(
                nm + ".operation", [e](CQelDoc & d) -> auto& { return d.inBand[e].operation; },
                static_cast<int32_t>(e % 16));
            for (size_t c = 0; c < 20; ++c)
                U8(
                    nm + ".code", [ e, c ](CQelDoc & d) -> auto& { return d.inBand[e].code[c]; });
            U8(
                nm + ".codeLength", [e](CQelDoc & d) -> auto& { return d.inBand[e].codeLength; },
                static_cast<uint8_t>(e % 21));
            for (size_t t = 0; t < 4; ++t)
                U8(
                    nm + ".target",
                    [ e, t ](CQelDoc & d) -> auto& { return d.inBand[e].target[t]; });
            I32(
                nm + ".targetLength",
                [e](CQelDoc & d) -> auto& { return d.inBand[e].targetLength; },
                static_cast<int32_t>(e % 5));
        }
    };
    Item(23);
    inBand(0, 10);
    Item(24);
    I32(KIV_MEMBER(mboxCount), mailboxes);
    Item(25);
    for (size_t m = 0; m < static_cast<size_t>(mailboxes); ++m) {
        const std::string nm = "mailboxes[" + std::to_string(m) + "]";
#define MB(field)                                                                                  \
    nm + "." #field, [m](CQelDoc & d) -> auto& {                                                   \
        return d.mailboxes[m].field;                                                               \
    }
        Txt(MB(number), std::to_string(100 + m));
        I32(MB(type));
        Txt(MB(password));
        Txt(MB(phone));
        I32(MB(localNotify));
        I32(MB(allowed));
        I32(MB(phoneEnabled));
        I32(MB(timeStamp));
        I32(MB(dnd));
        I32(MB(aux1));
        I32(MB(aux2));
        U8(MB(slot));
        I32(MB(aux3));
        I32(MB(language));
        Txt(MB(pager));
        I32(MB(pagerEnabled));
        I32(MB(announcer));
#undef MB
    }
    Item(26);
    Txt(KIV_MEMBER(supervisorMbox));
    Txt(KIV_MEMBER(groupFirstDigit), "4");
    Item(27);
    for (size_t g = 0; g < 5; ++g) {
        const std::string nm = "groups[" + std::to_string(g) + "]";
        U8(
            nm + ".memberCount", [g](CQelDoc & d) -> auto& { return d.groups[g].memberCount; });
        for (size_t k = 0; k < 20; ++k)
            I32(
                nm + ".members", [ g, k ](CQelDoc & d) -> auto& { return d.groups[g].members[k]; });
    }
    Item(28);
    EACH(callsPerLine, 4, I32(nm, get));
    Item(29);
    I32(KIV_MEMBER(nameOrder), 1);
    I32(KIV_MEMBER(listenKey));
    Item(30);
    EACH(pageFile, 39, Txt(nm, get));
    Item(31);
    Txt(KIV_MEMBER(reservedText1));
    Txt(KIV_MEMBER(reservedText2));
    Item(32);
    EACH(pageText, 21, Txt(nm, get));
    Item(33);
    I32(KIV_MEMBER(autoVolume));
    Item(34);
    for (size_t i = 0; i < 10; ++i)
        Txt(
            "dialStrings[" + std::to_string(i) + "]", [i](CQelDoc & d) -> auto& {
                return d.dialStrings[i];
            });
    Item(35);
    inBand(10, 10);
    Item(36);
    for (size_t i = 10; i < 20; ++i)
        Txt(
            "dialStrings[" + std::to_string(i) + "]", [i](CQelDoc & d) -> auto& {
                return d.dialStrings[i];
            });
    Item(37);
    inBand(20, 20);
    Item(38);
    for (size_t w = 0; w < 7; ++w)
        for (size_t s = 0; s < 10; ++s) {
            const std::string nm = "breaks[" + std::to_string(w) + "][" + std::to_string(s) + "]";
            const auto n = static_cast<int32_t>(w * 10 + s);
            I32(
                nm + ".start", [ w, s ](CQelDoc & d) -> auto& { return d.breaks[w][s].start; },
                100 + n);
            I32(
                nm + ".end", [ w, s ](CQelDoc & d) -> auto& { return d.breaks[w][s].end; },
                900 + n);
            I32(
                nm + ".page", [ w, s ](CQelDoc & d) -> auto& { return d.breaks[w][s].page; },
                n % 98);
        }
    Item(39);
    doc.unitPassword.clear();
}

} // namespace kiv::test
