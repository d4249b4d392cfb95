#pragma once
// The week picture in the formats it is exported to: the SVG drawing as it
// is, or drawn by Qt's SVG renderer into a PNG image or a one-page PDF of the
// picture's own size. Painting text needs a Qt GUI application object (the
// window has one; kivtool makes an offscreen one).

#include "schedule/WeekFormat.h"

#include <string>

namespace kiv::schedule {

// The bytes of `svg` in `format`; false with `error` set when the drawing
// cannot be read or painted.
bool RenderWeekPicture(const std::string& svg, WeekFormat format, std::string& bytes,
                       std::string& error);

} // namespace kiv::schedule
