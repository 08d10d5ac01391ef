#pragma once
#include <string>

namespace kestrowa {

// Draws the PNG file `path` from `svg` with rsvg-convert (librsvg), found on the PATH only:
// a program of that name in the folder the report is started from never runs. The SVG reaches it
// through a temporary file of its own. False with the reason in `error`.
bool RenderPng(const std::string& svg, const std::string& path, std::string& error);

}  // namespace kestrowa
