#pragma once
// The simulated unit's memory as it leaves the factory: its two parameter
// sections and the template of a mailbox record, written out byte by byte
// from the unit's layout. Nothing here comes from the system's own encoder,
// so a read of a fresh unit checks the system's decoder against bytes that
// were set down independently.
//
// The factory configuration, as a reader of the image should find it:
//   operatorKey 9, transferModeOperator 1, operatingMode 2 (break, stored 4),
//   extDigits 3, transferModeOther 2, flash1 160 ms, busy tone off 420 /
//   on 380 ms, noAnswerWait 24 s; led1Code "*1", led2Code "2#",
//   transferCode "&", the other page-1 codes empty; operator day "271",
//   night "38", fax "4590"; rings 2, 3, 4, 5; allowed ranges 100-199 and
//   300-399; the unit's languages, default language the first; line seize
//   "9"; long rings, ring interval 12 min, archive 14 days, 4 ring attempts;
//   disconnect tone off 440 / on 260 ms; voice sensitivity 6; first DTMF
//   time-out 6000 ms, inter-DTMF 160 ms; supervision 2; automatic volume on;
//   name order 1; supervisor mailbox "101"; maxRecordTime 3; LED mode 2;
//   listen key 8; external notification 08:00 to 20:00; disconnect code
//   "#5"; group first digit "7"; no in-band entry; answer signal "12", busy
//   signal empty, DND signal "3"; dial string 0 "123", dial string 10 "45*";
//   opening pages 0..7 for lines 1 and 2, 0 after; working hours from
//   08:0d to 18:0d on weekday d (0 Monday); holiday 25/12 00:00-23:59 only;
//   one break, Monday 12:00-13:00 to page 21; key 1 of page 0 goes to page 2
//   (operation 1), every other key unused; page time-outs 10 s for page 0,
//   15 s for the others.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kiv::sim {

// Section 1: bytes of the unit's own that the system reads and leaves alone.
std::vector<std::uint8_t> FactorySection1(std::size_t length);

// Section 2, the parameter image, for a unit whose password and language
// slots are given, and whose status bytes s8 and s19 are sectionBlocks and
// divisor (they enter the recording size at offsets 240-241). Fields past the
// section's end are left out.
std::vector<std::uint8_t> FactorySection2(std::size_t length, const std::string& password,
                                          const std::array<std::uint8_t, 3>& languages,
                                          std::uint8_t sectionBlocks, std::uint8_t divisor);

// A mailbox record holding `number` (up to four digits): the number also as
// its password, first language, time stamp on, do-not-disturb off, allowed,
// no phone or pager, no message.
std::array<std::uint8_t, 233> FactoryMailboxRecord(const std::string& number);

} // namespace kiv::sim
