#include "sim/SimFactory.h"

#include <algorithm>
#include <initializer_list>

namespace kiv::sim {

namespace {

constexpr std::uint8_t kNone = 0xFF;

// Bytes set down at an offset of the image.
struct Bytes {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

void Put(std::vector<std::uint8_t>& image, const Bytes& field) {
    for (std::size_t k = 0; k < field.bytes.size(); ++k)
        if (field.offset + k < image.size()) image[field.offset + k] = field.bytes[k];
}

void Fill(std::vector<std::uint8_t>& image, std::size_t offset, std::size_t count,
          std::uint8_t value) {
    Put(image, {offset, std::vector<std::uint8_t>(count, value)});
}

// Page 0 and page 1: the header fields, one line each, at their offsets.
const std::initializer_list<Bytes> kHeader = {
    {106, {9}},                               // operator key
    {107, {1}},                               // transfer mode to the operator
    {108, {4}},                               // operating mode: break
    {109, {3}},                               // extension digits
    {110, {0xFF}},                            // constant
    {112, {2}},                               // transfer mode to others
    {114, {8}},                               // flash: 160 ms
    {115, {21}},                              // busy tone off: 420 ms
    {116, {19}},                              // busy tone on: 380 ms
    {119, {24}},                              // no-answer wait, seconds
    {120, {2, 2, 0, 1, 0, 0}},                // lengths of the six page-1 codes
    {126, {2, 7, 1, 0, 3}},                   // operator by day "271"
    {131, {3, 8, 0, 0, 2}},                   // operator by night "38"
    {136, {4, 5, 9, 0, 4}},                   // fax "4590"
    {141, {2, 3, 4, 5}},                      // rings before answer, lines 1-4
    {158, {100, 0, 0x2C, 0x01}},              // allowed from 100, 300 (LE)
    {162, std::vector<std::uint8_t>(16, 0)},  // allowed from, ranges 3-10 unused
    {181, {0}},                               // default language: the first
    {182, {199, 0, 0x8F, 0x01}},              // allowed to 199, 399 (LE)
    {186, std::vector<std::uint8_t>(16, 0)},  // allowed to, ranges 3-10 unused
    {202, {9, 0, 0, 0, 1}},                   // line seize "9"
    {207, {5}},                               // ring duration: long
    {208, {12}},                              // ring interval, minutes
    {209, {14}},                              // archive days
    {210, {4}},                               // ring attempts
    {211, {22}},                              // disconnect tone off: 440 ms
    {212, {13}},                              // disconnect tone on: 260 ms
    {213, {6}},                               // voice sensitivity
    {214, {0}},                               // no in-band protocol
    {215, {44, 1}},                           // first DTMF: 6000 ms = 300 steps
    {217, {8}},                               // inter-DTMF: 160 ms
    {218, {2}},                               // supervision type
    {231, {1}},                               // automatic volume
    {234, {1}},                               // name order
    {235, {1, 0, 1, 0xFF, 3}},                // supervisor mailbox "101"
    {242, {2}},                               // LED mode
    {243, {8}},                               // listen key
    {244, {0xE0, 0x01, 0xB0, 0x04}},          // notification 480 to 1200 min (LE)
    {250, {4}},                               // disconnect code: four code bytes
    {251, {12, 5, 0xFF, 0xFF}},               // disconnect code "#5"
    {255, {7}},                               // group first digit
    {512, {10, 1}},                           // LED 1 code "*1"
    {552, {2, 12}},                           // LED 2 code "2#"
    {632, {50}},                              // transfer code "&"
    {3864, {1, 2, 0xFF, 0xFF}},               // answer signal "12"
    {3868, {0xFF, 0xFF, 0xFF, 0xFF}},         // busy signal: none
    {3872, {3, 0xFF, 0xFF, 0xFF}},            // DND signal "3"
    {6144, {0, 1, 2, 3, 4, 5, 6, 7}},         // opening pages, lines 1 and 2
    {6152, {0, 0, 0, 0, 0, 0, 0, 0}},         // opening pages, lines 3 and 4
    {6188, {25, 12, 0x00, 0x00, 0x05, 0x9F}}, // holiday 1: 25/12 00:00-23:59 (BE)
    {7168, {0x02, 0xD0, 0x03, 0x0C, 21}},     // break 1 of Monday: 12:00-13:00, page 21
    {8193, {0}},                              // page 0 key 1: operation 1 (code 0)
    {9220, {2, 0, 0, 0}},                     // page 0 key 1: to page 2
};

} // namespace

std::vector<std::uint8_t> FactorySection1(std::size_t length) {
    std::vector<std::uint8_t> section(length);
    for (std::size_t k = 0; k < length; ++k)
        section[k] = static_cast<std::uint8_t>(k * 7 + 3);
    return section;
}

std::vector<std::uint8_t> FactorySection2(std::size_t length, const std::string& password,
                                          const std::array<std::uint8_t, 3>& languages,
                                          std::uint8_t sectionBlocks, std::uint8_t divisor) {
    // Bytes of the unit's own everywhere the system neither reads nor writes.
    std::vector<std::uint8_t> image(length);
    for (std::size_t k = 0; k < length; ++k)
        image[k] = static_cast<std::uint8_t>(k * 13 + 5);

    // Pages 2-5 and 7: forty in-band entries, none with a code.
    for (std::size_t e = 0; e < 40; ++e)
        Fill(image, 1024 + 512 * (e / 10) + 20 * (e % 10), 20, kNone);
    Fill(image, 3584, 40, 0);      // code counts
    Fill(image, 3624, 40, kNone);  // operations
    Fill(image, 3664, 160, kNone); // destinations
    Fill(image, 3824, 40, 0);      // further destination byte
    // Pages 9 and 10: twenty dial strings, 21 bytes each; all empty but two.
    for (std::size_t k = 0; k < 10; ++k) {
        Fill(image, 4608 + 21 * k, 1, 0);
        Fill(image, 5120 + 21 * k, 1, 0);
    }
    Put(image, {4608, {3, 1, 2, 3}});  // string 0 "123"
    Put(image, {5120, {3, 4, 5, 10}}); // string 10 "45*"
    // Page 12: working hours 08:0d-18:0d on weekday d (BE minutes), then
    // thirty holidays of which only the first is set; page 13: twenty more.
    for (std::uint8_t d = 0; d < 7; ++d) {
        const unsigned from = 480 + d, to = 1080 + d;
        Put(image, {6160 + 4u * d,
                    {static_cast<std::uint8_t>(from >> 8), static_cast<std::uint8_t>(from & 0xFF),
                     static_cast<std::uint8_t>(to >> 8), static_cast<std::uint8_t>(to & 0xFF)}});
    }
    Fill(image, 6188, 30 * 6, 0);
    Fill(image, 6656, 20 * 6, 0);
    // Page 14: seventy breaks of five bytes, all unused but one.
    Fill(image, 7168, 7 * 10 * 5, 0);
    // Pages 16-17: key operations (255 unused); 18-25: four argument bytes per
    // key, five pages per image page; 27-28: parameter bytes.
    Fill(image, 8192, 23 * 11, kNone);
    Fill(image, 8704, 16 * 11, kNone);
    for (std::size_t page = 0; page < 39; ++page)
        Fill(image, 9216 + 512 * (page / 5) + 44 * (page % 5), 44, 0);
    Fill(image, 13824, 23 * 11, 0);
    Fill(image, 14336, 16 * 11, 0);
    // Page 31: page time-outs in 20 ms steps (LE): 10 s for page 0, 15 s after.
    Put(image, {15872, {0xF4, 0x01}});
    for (std::size_t page = 1; page < 39; ++page)
        Put(image, {15872 + 2 * page, {0xEE, 0x02}});

    for (const Bytes& field : kHeader)
        Put(image, field);

    // The unit password: its digits, 255 to eight places, then its length.
    std::vector<std::uint8_t> digits(8, kNone);
    const std::size_t n = std::min<std::size_t>(password.size(), 8);
    for (std::size_t k = 0; k < n; ++k)
        digits[k] = static_cast<std::uint8_t>(password[k] - '0');
    digits.push_back(static_cast<std::uint8_t>(n));
    Put(image, {149, digits});
    Put(image, {178, {languages[0], languages[1], languages[2]}});

    // Recording size for a maximum recording time of 3: blocks of 512 bytes
    // per divisor, times 10, less one (LE).
    if (divisor != 0) {
        const unsigned q = sectionBlocks * 512u / divisor;
        if (q != 0) {
            const unsigned v = (q * 10 - 1) & 0xFFFF;
            Put(image,
                {240, {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)}});
        }
    }
    return image;
}

std::array<std::uint8_t, 233> FactoryMailboxRecord(const std::string& number) {
    std::array<std::uint8_t, 233> r{};
    r[10] = kNone;                                    // do not disturb: off
    r[14] = 0x80;                                     // allowed, no notification
    std::fill(r.begin() + 15, r.begin() + 23, kNone); // password and number
    std::fill(r.begin() + 173, r.end(), kNone);       // phone and pager codes
    for (std::size_t i = 0; i < 4 && i < number.size(); ++i) {
        const auto digit = static_cast<std::uint8_t>(number[i] - '0');
        r[15 + i] = digit; // password: the number
        r[19 + i] = digit; // number
    }
    return r;
}

} // namespace kiv::sim
