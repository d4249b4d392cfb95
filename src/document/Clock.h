#pragma once
// The calendar clock the document reads: injectable so that dates, clock
// advancing and saved clock values can be tested.

#include <cstdint>

namespace kiv {

struct LocalTime {
    int year = 1970;
    int month = 1; // 1-12
    int day = 1;   // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 4; // 1 Monday ... 7 Sunday
};

class IClock {
  public:
    virtual ~IClock() = default;
    // Present time in whole seconds since the epoch.
    virtual int64_t Now() const = 0;
    // The local calendar date and time of an instant.
    virtual LocalTime ToLocal(int64_t instant) const = 0;
};

// The computer's clock and time zone.
class SystemClock : public IClock {
  public:
    int64_t Now() const override;
    LocalTime ToLocal(int64_t instant) const override;
    static SystemClock& Instance();
};

// A settable clock on UTC calendar arithmetic, for tests and reproducible runs.
class FixedClock : public IClock {
  public:
    explicit FixedClock(int64_t now = 0) : now_(now) {}
    int64_t Now() const override { return now_; }
    LocalTime ToLocal(int64_t instant) const override;
    void Set(int64_t now) { now_ = now; }
    void Advance(int64_t seconds) { now_ += seconds; }

  private:
    int64_t now_;
};

// Calendar helpers (proleptic Gregorian, UTC arithmetic).
int64_t DaysFromCivil(int year, int month, int day);
LocalTime CivilFromSeconds(int64_t seconds);
int64_t SecondsFromCivil(const LocalTime& t);

} // namespace kiv
