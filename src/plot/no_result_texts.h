#pragma once

#include <string>

#include "draw/draw_context.h"

namespace kep {

// A plot's title and "(No Result Yet!)" below it, where the plot would be.
void DrawNoResultTexts(DrawContext& dc, const std::string& title);

}  // namespace kep
