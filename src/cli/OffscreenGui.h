#pragma once
// Painting text (the report, the week picture's PNG and PDF) needs a Qt GUI
// application object. kivtool makes one, offscreen so that no display is
// needed and no window shows, for as long as the returned object lives; null
// when the process already has one.

#include <QGuiApplication>
#include <memory>

namespace kiv::cli {

std::unique_ptr<QGuiApplication> MakeOffscreenGuiApplication();

} // namespace kiv::cli
