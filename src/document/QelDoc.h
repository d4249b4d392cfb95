#pragma once
// CQelDoc: the one configuration the program holds, with every member the
// editors, the file, the report and the unit transfers use. Plain fixed
// arrays sized for the largest product; counts say how much is in use.

#include "document/Clock.h"
#include "document/Records.h"

#include <array>
#include <cstdint>
#include <string>

namespace kiv {

class CQelDoc {
  public:
    explicit CQelDoc(const IClock& clock = SystemClock::Instance());

    // Writes every default value (see the member list); keeps productType,
    // slotLimit, startDir, readFromUnit, neverSaved, the print selection,
    // the modified flag and the folder settings.
    void ResetToDefaults();

    // Moves the clock members forward by the time elapsed since
    // clockReference: hour, minute and second change, the date stays.
    // `secondFromZero` starts from second 0 instead of clockSecond (saves do).
    void AdvanceClock(bool secondFromZero = false);

    // Sets the clock members and clockReference from the present time.
    void SetClockFromNow();

    // The clock members as one calendar time, and back (with the instant at
    // which they are true).
    LocalTime ClockTime() const;
    void SetClockTime(const LocalTime& time, int64_t reference);

    // Sets productType and the matching slotLimit.
    void SetProductType(int type);

    const IClock& Clock() const { return *clock_; }
    void SetClock(const IClock& clock) { clock_ = &clock; }

    // --- 1. Identity and access -------------------------------------------
    std::string unitPassword = "6071";
    std::string identVersion = "7.01";
    std::string identMaker = "DKL";
    std::string identDate;
    std::string identProduct = "KIV";

    // --- 2. PBX integration -----------------------------------------------
    int32_t operatorKey = 0;
    int32_t extDigits = 3;
    int32_t firstDtmfTimeout = 3000;
    int32_t interDtmfDelay = 500;
    std::string operatorDayExt;
    std::string faxExt;
    std::string operatorNightExt;
    std::array<std::string, 20> allowedExt;
    int32_t transferModeOperator = 0;
    int32_t transferModeOther = 0;
    std::string transferCode = "&X";
    int32_t flash1 = 600;
    int32_t flash2 = 1200;
    std::string answerSignal;
    std::string busySignal;
    std::string dndSignal;
    std::string recallOnBusy = "&";
    std::string recallOnNoAnswer = "&";
    int32_t busyToneOff = 500;
    int32_t busyToneOn = 500;
    int32_t noAnswerWait = 20;
    int32_t voiceSensitivity = 5;
    int32_t supervisionType = 0;
    std::string disconnectCode = "###";
    int32_t disconnectToneOn = 240;
    int32_t disconnectToneOff = 240;

    // --- 3. System and mailbox parameters ---------------------------------
    int32_t defaultLanguage = 0;
    std::array<int32_t, 4> ringsBeforeAnswer{1, 1, 1, 1};
    int32_t archiveDays = 30;
    int32_t maxRecordTime = 2;
    std::array<int32_t, 3> languageCode{255, 255, 255};
    int32_t autoVolume = 1;
    int32_t nameOrder = 0;
    int32_t listenKey = 9;

    // --- 4. In-band DTMF protocol -----------------------------------------
    std::array<InBandEntry, 40> inBand{};

    // --- 5. Clock, operating mode and schedule ----------------------------
    int32_t clockHour = 0;
    int32_t clockMinute = 0;
    int32_t clockDay = 1;
    int32_t clockMonth = 1;
    int32_t clockYear = 1970;
    int32_t clockSecond = 0;
    int32_t clockWeekday = 4;
    int32_t operatingMode = 0;
    std::array<std::string, 14> workHours;
    std::array<std::string, 14> workHoursCopy;
    std::array<std::array<BreakSlot, 10>, 7> breaks{};
    uint8_t holidayCount = 0;
    std::array<std::string, 50> holidayDate;
    std::array<std::string, 50> holidayStart;
    std::array<std::string, 50> holidayEnd;
    std::array<std::string, 50> holidayText;

    // --- 6. Notification ---------------------------------------------------
    std::string led1Code;
    std::string led2Code;
    std::string ledOffCode;
    std::string lineSeizeCode = "9";
    int32_t ringInterval = 30;
    int32_t ringAttempts = 1;
    int32_t ringDuration = 0;
    int32_t ledMode = 0;
    int32_t extNotifyStart = 0;
    int32_t extNotifyEnd = 0;

    // --- 7. Mailboxes -------------------------------------------------------
    int32_t mboxCount = 0;
    std::array<MboxRecord, 129> mailboxes{};
    std::string supervisorMbox = "None";

    // --- 8. Mailbox groups --------------------------------------------------
    std::string groupFirstDigit = "9";
    std::array<MboxGroup, 5> groups{};

    // --- 9. Auto-attendant --------------------------------------------------
    std::array<std::array<PageEntry, 11>, 39> pages{};
    std::array<int32_t, 39> pageState{};
    std::array<int32_t, 39> pageTimeout{};
    std::array<std::array<int32_t, 4>, 4> openingPage{};
    std::array<std::string, 39> pageFile;
    std::string reservedText1;
    std::string reservedText2;
    std::array<std::string, 21> pageText;
    std::array<std::string, 20> dialStrings;

    // --- 10. Unit data -------------------------------------------------------
    std::array<int32_t, 4> callsPerLine{};
    std::array<uint8_t, 25> unitStatus{};
    int32_t msgMboxCount = 0;
    std::array<std::array<uint8_t, 352>, 129> msgMboxData{};
    int32_t msgCount = 0;
    std::array<std::array<uint8_t, 28>, 800> msgData{};

    // --- 11. Run-time state (never saved) ---------------------------------
    std::string startDir;
    std::array<std::string, 5> fileLocation;
    int32_t commTimeout = 10;
    int32_t portIndex = 1;
    int32_t passwordChanged = 0;
    int64_t clockReference = 0;
    int32_t productType = 0;
    int32_t slotLimit = 129;
    int32_t fileValid = 1;
    int32_t readFromUnit = 0;
    std::string unitVersion;
    std::string unitPasswordRead;
    int32_t printSection = 0;
    int32_t printPageCount = 0;
    int32_t printAutoPageCount = 0;
    std::array<int32_t, 39> printPages{};

    // Serial port number (1-4) of the process-wide serial settings; a reset
    // takes portIndex from it.
    int32_t serialPortNumber = 2;

    // Framework state: title, modified flag, first-save state and the folder
    // last used in a file dialog (where "&Salva" writes). The title (the
    // file's name), the path and the folder are the file system's own bytes,
    // not code page 1252 texts.
    std::string title = "Untitled.qel";
    std::string pathName;
    bool modified = false;
    bool neverSaved = true;
    std::string currentDir;
    // Last backup / restore file names, used to preset those dialogs.
    std::string lastBackupFile;
    std::string lastRestoreFile;

  private:
    struct NoReset {};
    CQelDoc(const IClock& clock, NoReset);
    const IClock* clock_;
};

} // namespace kiv
