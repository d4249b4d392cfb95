#pragma once
// The parameter image: the unit's section 2, in which the configuration travels.
//
// The image is made of 512-byte pages. The codec owns a fixed set of bytes in it (the header
// page, the notification codes, the in-band protocol, the dial strings, the schedule, the
// auto-attendant keys and the page time-outs); every other byte belongs to the unit and goes
// back exactly as the unit sent it. Encoding therefore works in place, over the unit's own
// image read in the same exchange.

#include "document/QelDoc.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kiv {

inline constexpr std::size_t kImagePageSize = 512;

// What the codec needs beyond the configuration.
struct ParamImageContext {
    // Status bytes s8 (blocks of the section) and s19 of the unit's status reply; together
    // with maxRecordTime they give the computed size at offsets 240-241.
    int s8 = 0;
    int s19 = 0;
    // The unit password at offsets 149-157 is written only when the user chose a new one that
    // has not reached the unit yet; otherwise the unit's bytes stay.
    bool passwordChangePending = false;
};

// One past the highest offset the codec reads or writes. An image shorter than this is
// refused by both directions.
std::size_t ParamImageExtent();

// Writes the configuration over `image`, the unit's section 2. Only the bytes of the layout
// change. A text that cannot be coded for its field (a character outside its code set, or too
// long for the field) is written as an empty field and its member name is appended to
// `uncoded`. Returns false, leaving the image untouched, when it is shorter than
// ParamImageExtent().
bool EncodeParamImage(const CQelDoc& doc, const ParamImageContext& context,
                      std::span<std::uint8_t> image, std::vector<std::string>* uncoded = nullptr);

// Reads the fields the image carries into `doc`; members the image does not carry keep their
// values. `languageCode` is taken from offsets 178-180: a reading transfer replaces it by the
// identification's language slots afterwards. A text field whose codes do not decode becomes
// empty. Returns false, leaving `doc` untouched, when the image is shorter than
// ParamImageExtent().
bool DecodeParamImage(std::span<const std::uint8_t> image, const ParamImageContext& context,
                      CQelDoc& doc);

} // namespace kiv
