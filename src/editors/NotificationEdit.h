#pragma once
// CNotificationEdit: what "Parametri Notifica Interna e Esterna" edits: the
// PBX codes that switch the message lamps, the ring notification's interval,
// retries and length, when the lamp is lit, the window of the day in which
// external notification may call, and the code that seizes an outside line.
// The window's two times are shown as "hh:mm" texts and stored as minutes
// after midnight. The wizard's twin of the page checks only the fields it
// shows.

#include "editors/FieldCheck.h"

#include <string>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

enum class NotifField {
    Led1Code,
    Led2Code,
    LedOffCode,
    LineSeizeCode,
    Start,
    End,
    RingInterval,
    RingAttempts,
};

inline constexpr int kLedCodeMaxLength = 40;
inline constexpr int kLineSeizeMaxLength = 4;
inline constexpr int kMaxRingCount = 99; // interval (minutes) and retries: 1 to 99

class CNotificationEdit {
  public:
    explicit CNotificationEdit(const CQelDoc& doc);

    // The three lamp codes, the outside-line code, the window (unless both
    // times are empty: each must be a time of day, the start not later than
    // the end), the interval, the retries.
    FieldCheck<NotifField> Check() const;
    // The wizard's page: the first lamp code, the off code, the outside-line
    // code, the interval and the retries.
    FieldCheck<NotifField> CheckWizard() const;
    // After Check passed. An emptied window is stored as 0 to 0.
    void ApplyTo(CQelDoc& doc) const;

    std::string led1Code;
    std::string led2Code;
    std::string ledOffCode;
    std::string lineSeizeCode;
    std::string start; // "hh:mm"
    std::string end;
    std::string ringInterval;
    std::string ringAttempts;
    int ledMode = 0;
    int ringDuration = 0;

  private:
    FieldCheck<NotifField> CheckWindow() const;
};

} // namespace kiv::editors
