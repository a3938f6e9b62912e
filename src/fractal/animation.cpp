#include "draw/clock.h"
#include "fractal/fractal_engine.h"
#include "fractal/window_position.h"

namespace kep {

void FractalEngine::BeginAnimation(DrawContext* window) {
  if (window == nullptr) return;
  drawContext = window;
  const Rect client = window->ClientRect();
  scaleX = (static_cast<double>(client.right) - client.left) / outlineImage.Width();
  scaleY = (static_cast<double>(client.bottom) - client.top) / outlineImage.Height();
}

void FractalEngine::EndAnimation() {
  if (drawContext != nullptr) drawContext->Flush();
  drawContext = nullptr;
}

void FractalEngine::PauseSeconds(std::int64_t seconds) {
  Clock& clock = CurrentClock();
  const std::int64_t start = clock.NowSeconds();
  while (clock.NowSeconds() - start < seconds) {
  }
}

void FractalEngine::RedrawOutlineImage() {
  if (drawContext == nullptr) return;
  for (std::int32_t x = 0; x < outlineImage.Width(); ++x) {
    for (std::int32_t y = 0; y < outlineImage.Height(); ++y) {
      const Rgb colour = IsObject(outlineImage.GetPixel(x, y)) ? kWhite : kBlack;
      drawContext->SetPixel(ToWindowX(x), ToWindowY(y), colour);
    }
  }
}

std::int32_t FractalEngine::ToWindowX(std::int32_t x) const { return ScaleToWindow(x, scaleX); }

std::int32_t FractalEngine::ToWindowY(std::int32_t y) const { return ScaleToWindow(y, scaleY); }

}  // namespace kep
