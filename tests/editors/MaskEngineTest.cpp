// The masked time and date fields: what each key does to the text and the caret.
#include "editors/MaskEngine.h"

#include <gtest/gtest.h>

namespace kiv::editors {
namespace {

// Types the characters one by one; returns what each key did.
std::vector<KeyResult> TypeAll(CMaskEngine& field, std::string_view keys) {
    std::vector<KeyResult> results;
    for (char c : keys)
        results.push_back(field.Type(c));
    return results;
}

using R = KeyResult;
using Results = std::vector<KeyResult>;

TEST(MaskEngine, HourDigitsAreLimitedSilentlyByTheMaximumHours) {
    CMaskEngine field = CMaskEngine::Time();
    field.SetMaxHours(23);
    field.SetMaxMinutes(59);
    field.SetText("00:00");
    EXPECT_EQ(TypeAll(field, "24"), (Results{R::Accepted, R::Silent}));
    EXPECT_EQ(field.Text(), "20:00");
    EXPECT_EQ(field.Caret(), 1) << "the refused 4 leaves the caret on the second hour digit";
    EXPECT_EQ(field.Type('3'), R::Accepted);
    EXPECT_EQ(field.Text(), "23:00");
    EXPECT_EQ(field.Caret(), 3) << "the colon is typed by itself";

    field.SetText("00:00");
    EXPECT_EQ(TypeAll(field, "19"), (Results{R::Accepted, R::Accepted}));
    EXPECT_EQ(field.Text(), "19:00");

    // A 3 is above the first digit of 23: refused at once.
    field.SetText("00:00");
    EXPECT_EQ(field.Type('3'), R::Silent);
    EXPECT_EQ(field.Text(), "00:00");
    EXPECT_EQ(field.Caret(), 0);

    // Another limit: 12 hours lets 1 then 2 in, refuses 1 then 3.
    field.SetMaxHours(12);
    field.SetText("00:00");
    EXPECT_EQ(TypeAll(field, "13"), (Results{R::Accepted, R::Silent}));
    EXPECT_EQ(TypeAll(field, "2"), (Results{R::Accepted}));
    EXPECT_EQ(field.Text(), "12:00");
}

TEST(MaskEngine, MinuteDigitsAreLimitedByTheMaximumMinutes) {
    CMaskEngine field = CMaskEngine::Time();
    field.SetText("00:00");
    EXPECT_EQ(TypeAll(field, "12"), (Results(2, R::Accepted)));
    EXPECT_EQ(field.Caret(), 3);
    EXPECT_EQ(field.Type('6'), R::Silent);
    EXPECT_EQ(field.Text(), "12:00");
    EXPECT_EQ(TypeAll(field, "59"), (Results(2, R::Accepted)));
    EXPECT_EQ(field.Text(), "12:59");

    field.SetMaxMinutes(30);
    field.SetText("00:00");
    field.SetCaret(3);
    EXPECT_EQ(TypeAll(field, "31"), (Results{R::Accepted, R::Silent}));
    field.SetCaret(3);
    EXPECT_EQ(TypeAll(field, "230"), (Results{R::Accepted, R::Accepted, R::Beep}));
    EXPECT_EQ(field.Text(), "00:23");
}

TEST(MaskEngine, FourDigitsFillATimeAndAFifthIsRefused) {
    CMaskEngine field = CMaskEngine::Time();
    field.SetText("00:00");
    EXPECT_EQ(TypeAll(field, "0845"), (Results(4, R::Accepted)));
    EXPECT_EQ(field.Text(), "08:45");
    EXPECT_EQ(field.Caret(), 5);
    EXPECT_EQ(field.Type('1'), R::Beep) << "past the mask";
    EXPECT_EQ(field.Text(), "08:45");

    // Typing with the caret on the colon types the colon first.
    field.SetText("11:11");
    field.SetCaret(2);
    EXPECT_EQ(field.Type('4'), R::Accepted);
    EXPECT_EQ(field.Text(), "11:41");
    EXPECT_EQ(field.Caret(), 4);

    // An empty field fills up as it is typed into.
    field.SetText("");
    EXPECT_EQ(TypeAll(field, "0730"), (Results(4, R::Accepted)));
    EXPECT_EQ(field.Text(), "07:30");
}

TEST(MaskEngine, CharactersOutsideThePositionBeepAndChangeNothing) {
    CMaskEngine field = CMaskEngine::Time();
    field.SetText("12:34");
    for (char c : {'a', 'Z', ' ', ':', '-'}) {
        field.SetCaret(1);
        EXPECT_EQ(field.Type(c), R::Beep) << c;
        EXPECT_EQ(field.Text(), "12:34") << c;
    }

    // The other mask characters.
    CMaskEngine any(CMaskEngine::Kind::Plain, "9#L?Aa&", "_______");
    any.SetText("       ");
    EXPECT_EQ(TypeAll(any, "x"), (Results{R::Beep})) << "9: digit or space";
    EXPECT_EQ(TypeAll(any, " k"), (Results(2, R::Accepted))) << "#: k";
    EXPECT_EQ(TypeAll(any, "5"), (Results{R::Beep})) << "L: a letter only";
    EXPECT_EQ(TypeAll(any, "b "), (Results(2, R::Accepted))) << "?: a space";
    EXPECT_EQ(TypeAll(any, " 7"), (Results{R::Beep, R::Accepted})) << "A: no space";
    EXPECT_EQ(TypeAll(any, "\x1f "), (Results{R::Beep, R::Accepted})) << "a: a space";
    EXPECT_EQ(TypeAll(any, "\t%"), (Results{R::Beep, R::Accepted})) << "&: printable";
    EXPECT_EQ(any.Text(), " kb 7 %");
}

TEST(MaskEngine, DateDaysAndMonthsAreLimited) {
    CMaskEngine field = CMaskEngine::Date();
    field.SetText("01/01/2026");
    EXPECT_EQ(TypeAll(field, "32"), (Results{R::Accepted, R::Silent}));
    EXPECT_EQ(TypeAll(field, "1"), (Results{R::Accepted}));
    EXPECT_EQ(field.Caret(), 3);
    EXPECT_EQ(TypeAll(field, "13"), (Results{R::Accepted, R::Silent}));
    EXPECT_EQ(TypeAll(field, "2"), (Results{R::Accepted}));
    EXPECT_EQ(field.Text(), "31/12/2026");
    EXPECT_EQ(field.Caret(), 6);
    field.SetCaret(0);
    EXPECT_EQ(field.Type('4'), R::Silent);
    field.SetCaret(3);
    EXPECT_EQ(field.Type('2'), R::Silent);
    // The year takes any digits.
    field.SetCaret(6);
    EXPECT_EQ(TypeAll(field, "1999"), (Results(4, R::Accepted)));
    EXPECT_EQ(field.Text(), "31/12/1999");
}

TEST(MaskEngine, BackspaceRestoresFromTheResetTextAndDeleteDoesNothing) {
    CMaskEngine field = CMaskEngine::Time();
    field.SetText("12:30");
    TypeAll(field, "0845");
    EXPECT_EQ(field.Backspace(), R::Accepted);
    EXPECT_EQ(field.Text(), "08:40");
    EXPECT_EQ(field.Caret(), 4);
    EXPECT_EQ(field.Backspace(), R::Accepted);
    EXPECT_EQ(field.Backspace(), R::Accepted); // onto the colon
    EXPECT_EQ(field.Caret(), 2);
    EXPECT_EQ(field.Text(), "08:30");
    field.Backspace();
    EXPECT_EQ(field.Text(), "02:30");
    field.Backspace();
    EXPECT_EQ(field.Text(), "12:30");
    EXPECT_EQ(field.Caret(), 0);
    EXPECT_EQ(field.Backspace(), R::Beep) << "at the first position";

    field.SetCaret(1, 3);
    EXPECT_EQ(field.Backspace(), R::Beep) << "with a selection";
    EXPECT_EQ(field.Caret(), 1);

    field.SetCaret(3);
    EXPECT_EQ(field.Delete(), R::Ignored);
    EXPECT_EQ(field.Insert(), R::Ignored);
    EXPECT_EQ(field.Text(), "12:30");
    EXPECT_EQ(field.Caret(), 3);

    // Typing collapses a selection to its start and overwrites there.
    field.SetCaret(0, 5);
    EXPECT_EQ(field.Type('2'), R::Accepted);
    EXPECT_EQ(field.Text(), "22:30");
    EXPECT_EQ(field.SelectionLength(), 0);
}

TEST(MaskEngine, DateTimeValuesAreFormattedAndParsed) {
    CMaskEngine time = CMaskEngine::Time();
    LocalTime t;
    t.hour = 7;
    t.minute = 5;
    time.SetDateTime(t);
    EXPECT_EQ(time.Text(), "07:05");
    EXPECT_EQ(time.ResetText(), "07:05");
    time.SetDateTime(std::nullopt);
    EXPECT_EQ(time.Text(), "");
    t.hour = -1;
    time.SetDateTime(t);
    EXPECT_EQ(time.Text(), "");
    time.SetText("23:59");
    ASSERT_TRUE(time.DateTime());
    EXPECT_EQ(time.DateTime()->hour, 23);
    EXPECT_EQ(time.DateTime()->minute, 59);
    time.SetText("24:00");
    EXPECT_FALSE(time.DateTime());

    CMaskEngine date = CMaskEngine::Date();
    LocalTime d;
    d.year = 2026;
    d.month = 3;
    d.day = 5;
    date.SetDateTime(d);
    EXPECT_EQ(date.Text(), "05/03/2026");
    d.day = 31;
    d.month = 2;
    date.SetDateTime(d);
    EXPECT_EQ(date.Text(), "") << "no 31 February";
    date.SetText("29/02/2024");
    ASSERT_TRUE(date.DateTime());
    EXPECT_EQ(date.DateTime()->weekday, 4) << "a Thursday";
    date.SetText("29/02/2026");
    EXPECT_FALSE(date.DateTime());
    date.SetText("__/__/____");
    EXPECT_FALSE(date.DateTime());

    CMaskEngine shortDate(CMaskEngine::Kind::Date, "00/00/00", "__/__/__");
    d.day = 9;
    d.month = 12;
    d.year = 2031;
    shortDate.SetDateTime(d);
    EXPECT_EQ(shortDate.Text(), "09/12/31");
    ASSERT_TRUE(shortDate.DateTime());
    EXPECT_EQ(shortDate.DateTime()->year, 1931);
    shortDate.SetText("09/12/29");
    EXPECT_EQ(shortDate.DateTime()->year, 2029);
}

} // namespace
} // namespace kiv::editors
