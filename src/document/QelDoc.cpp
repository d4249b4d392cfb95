#include "document/QelDoc.h"

#include "document/ProductType.h"

#include <cstdio>

namespace kiv {

CQelDoc::CQelDoc(const IClock& clock) : CQelDoc(clock, NoReset{}) {
    ResetToDefaults();
}

// The member initializers are the default values; only what cannot be
// written as an initializer is filled in here.
CQelDoc::CQelDoc(const IClock& clock, NoReset) : clock_(&clock) {
    pageTimeout.fill(5);
    printPages.fill(-1);
}

void CQelDoc::SetProductType(int type) {
    productType = type;
    const ProductTypeInfo* info = FindProductType(type);
    slotLimit = info ? info->slotCount : -1;
}

void CQelDoc::SetClockFromNow() {
    const int64_t now = clock_->Now();
    SetClockTime(clock_->ToLocal(now), now);
}

LocalTime CQelDoc::ClockTime() const {
    LocalTime t;
    t.year = clockYear;
    t.month = clockMonth;
    t.day = clockDay;
    t.hour = clockHour;
    t.minute = clockMinute;
    t.second = clockSecond;
    t.weekday = clockWeekday;
    return t;
}

void CQelDoc::SetClockTime(const LocalTime& t, int64_t reference) {
    clockYear = t.year;
    clockMonth = t.month;
    clockDay = t.day;
    clockHour = t.hour;
    clockMinute = t.minute;
    clockSecond = t.second;
    clockWeekday = t.weekday;
    clockReference = reference;
}

void CQelDoc::AdvanceClock(bool secondFromZero) {
    const int64_t now = clock_->Now();
    const int64_t elapsed = now - clockReference;
    // Only the time of day moves; the date members stay as they were.
    int64_t secs = static_cast<int64_t>(clockHour) * 3600 + static_cast<int64_t>(clockMinute) * 60 +
                   (secondFromZero ? 0 : clockSecond) + elapsed;
    secs %= 86400;
    if (secs < 0) secs += 86400;
    clockHour = static_cast<int32_t>(secs / 3600);
    clockMinute = static_cast<int32_t>(secs / 60 % 60);
    clockSecond = static_cast<int32_t>(secs % 60);
    clockReference = now;
}

void CQelDoc::ResetToDefaults() {
    CQelDoc fresh(*clock_, NoReset{});

    // What a reset leaves alone: product type, run-time framework state, the
    // print selection and the folder settings (these belong to the profile).
    fresh.productType = productType;
    fresh.slotLimit = slotLimit;
    fresh.startDir = std::move(startDir);
    fresh.readFromUnit = readFromUnit;
    fresh.neverSaved = neverSaved;
    fresh.modified = modified;
    fresh.fileValid = fileValid;
    fresh.printSection = printSection;
    fresh.printPageCount = printPageCount;
    fresh.printAutoPageCount = printAutoPageCount;
    fresh.printPages = printPages;
    fresh.fileLocation = std::move(fileLocation);
    fresh.serialPortNumber = serialPortNumber;
    fresh.title = std::move(title);
    fresh.pathName = std::move(pathName);
    fresh.currentDir = std::move(currentDir);
    fresh.lastBackupFile = std::move(lastBackupFile);
    fresh.lastRestoreFile = std::move(lastRestoreFile);
    *this = std::move(fresh);

    SetClockFromNow();
    char date[32];
    std::snprintf(date, sizeof date, "%02d/%02d/%d", clockDay, clockMonth, clockYear);
    identDate = date;
    portIndex = (serialPortNumber >= 1 && serialPortNumber <= 4 ? serialPortNumber : 2) - 1;
    commTimeout = 10;
}

} // namespace kiv
