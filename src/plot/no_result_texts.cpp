#include "plot/no_result_texts.h"

#include <cstdint>

namespace kep {

void DrawNoResultTexts(DrawContext& dc, const std::string& title) {
  const Rect client = dc.ClientRect();
  const std::int32_t centre = (client.left + client.right) / 2;
  dc.DrawText(centre - 50, client.top + 50, title);
  dc.DrawText(centre - 40, client.top + 70, "(No Result Yet!)");
}

}  // namespace kep
