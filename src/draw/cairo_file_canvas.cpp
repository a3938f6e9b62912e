#include "draw/cairo_file_canvas.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "draw/utf8_text.h"

namespace kep {

namespace {

constexpr double kFontSize = 11.0;
// Coordinates are kept within this distance of the picture, well inside the
// range of cairo's fixed-point arithmetic; anything beyond is invisible anyway.
constexpr double kFar = 1 << 20;

double Limit(double v) { return std::clamp(v, -kFar, kFar); }

enum class FileType { kUnknown, kPng, kSvg };

FileType FileTypeOf(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos) return FileType::kUnknown;
  std::string extension = path.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == "png") return FileType::kPng;
  if (extension == "svg") return FileType::kSvg;
  return FileType::kUnknown;
}

bool Fail(std::string* error, const std::string& reason) {
  if (error != nullptr) *error = reason;
  return false;
}

// Where a picture is written; remembers why a write failed.
struct FileSink {
  std::FILE* file;
  int error = 0;
};

cairo_status_t WriteToFile(void* closure, const unsigned char* data, unsigned int length) {
  auto* sink = static_cast<FileSink*>(closure);
  if (std::fwrite(data, 1, length, sink->file) == length) return CAIRO_STATUS_SUCCESS;
  sink->error = errno;
  return CAIRO_STATUS_WRITE_ERROR;
}

// Cuts the segment a-b down to the part inside the box [low, high] on both axes
// (Liang and Barsky); false when nothing of it is inside.
bool ClipSegment(double& ax, double& ay, double& bx, double& by, double lowX, double lowY,
                 double highX, double highY) {
  double enter = 0.0;
  double leave = 1.0;
  const double dx = bx - ax;
  const double dy = by - ay;
  const double directions[4] = {-dx, dx, -dy, dy};
  const double distances[4] = {ax - lowX, highX - ax, ay - lowY, highY - ay};
  for (int k = 0; k < 4; ++k) {
    if (directions[k] == 0.0) {
      if (distances[k] < 0.0) return false;
      continue;
    }
    const double t = distances[k] / directions[k];
    if (directions[k] < 0.0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  if (enter > leave) return false;
  bx = ax + leave * dx;
  by = ay + leave * dy;
  ax += enter * dx;
  ay += enter * dy;
  return true;
}

// Paints a recorded picture onto a target surface.
cairo_status_t Replay(cairo_surface_t* recording, cairo_surface_t* target) {
  cairo_t* cairo = cairo_create(target);
  cairo_set_source_surface(cairo, recording, 0.0, 0.0);
  cairo_paint(cairo);
  cairo_status_t status = cairo_status(cairo);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(target);
  cairo_destroy(cairo);
  return status;
}

}  // namespace

CairoFileCanvas::CairoFileCanvas(std::int32_t width, std::int32_t height)
    : m_width(std::max(width, 1)), m_height(std::max(height, 1)) {
  const cairo_rectangle_t extents{0.0, 0.0, static_cast<double>(m_width),
                                  static_cast<double>(m_height)};
  m_recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR, &extents);
  m_cairo = cairo_create(m_recording);
  cairo_set_line_width(m_cairo, 1.0);
  cairo_set_line_cap(m_cairo, CAIRO_LINE_CAP_BUTT);
  cairo_select_font_face(m_cairo, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(m_cairo, kFontSize);
  SetColour(kWhite);
  cairo_paint(m_cairo);
}

CairoFileCanvas::~CairoFileCanvas() {
  cairo_destroy(m_cairo);
  cairo_surface_destroy(m_recording);
}

Rgb CairoFileCanvas::SelectPen(Rgb colour) { return std::exchange(m_pen, colour); }

DrawMode CairoFileCanvas::SetDrawMode(DrawMode mode) { return std::exchange(m_mode, mode); }

void CairoFileCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  m_x = x;
  m_y = y;
}

void CairoFileCanvas::LineTo(std::int32_t x, std::int32_t y) {
  // Through the pixel centres, moved back by half a pixel along the line, so that
  // the stroke starts at the first pixel's edge and stops at the end pixel's.
  const double dx = static_cast<double>(x) - m_x;
  const double dy = static_cast<double>(y) - m_y;
  const double length = std::hypot(dx, dy);
  double ax = m_x + 0.5 - 0.5 * dx / length;
  double ay = m_y + 0.5 - 0.5 * dy / length;
  double bx = x + 0.5 - 0.5 * dx / length;
  double by = y + 0.5 - 0.5 * dy / length;
  MoveTo(x, y);
  if (length == 0.0 || !ClipSegment(ax, ay, bx, by, -2.0, -2.0, m_width + 2.0, m_height + 2.0)) {
    return;
  }
  SetColour(m_pen);
  cairo_move_to(m_cairo, ax, ay);
  cairo_line_to(m_cairo, bx, by);
  cairo_stroke(m_cairo);
}

void CairoFileCanvas::SetPixel(std::int32_t x, std::int32_t y, Rgb colour) {
  SetColour(colour);
  FillArea(x, y, static_cast<double>(x) + 1.0, static_cast<double>(y) + 1.0);
}

void CairoFileCanvas::FillRect(const Rect& rect, Rgb colour) {
  SetColour(colour);
  FillArea(rect.left, rect.top, rect.right, rect.bottom);
}

void CairoFileCanvas::DrawText(std::int32_t x, std::int32_t y, const std::string& text) {
  cairo_font_extents_t font;
  cairo_font_extents(m_cairo, &font);
  SetColour(kBlack);
  cairo_move_to(m_cairo, Limit(x), Limit(y + font.ascent));
  cairo_show_text(m_cairo, ValidUtf8(text).c_str());
  cairo_new_path(m_cairo);
}

void CairoFileCanvas::StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                                  std::int32_t height, std::int32_t stride, const Rect& source) {
  const double destWidth = static_cast<double>(dest.right) - dest.left;
  const double destHeight = static_cast<double>(dest.bottom) - dest.top;
  const double sourceWidth = static_cast<double>(source.right) - source.left;
  const double sourceHeight = static_cast<double>(source.bottom) - source.top;
  if (pixels == nullptr || width <= 0 || height <= 0 || stride < width || destWidth <= 0 ||
      destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
    return;
  }
  // Only the part of the source rectangle that lies inside the image is shown.
  const std::int32_t left = std::clamp(source.left, 0, width);
  const std::int32_t right = std::clamp(source.right, 0, width);
  const std::int32_t top = std::clamp(source.top, 0, height);
  const std::int32_t bottom = std::clamp(source.bottom, 0, height);
  if (left >= right || top >= bottom) return;

  cairo_surface_t* image =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, right - left, bottom - top);
  if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(image);
    return;
  }
  cairo_surface_flush(image);
  unsigned char* data = cairo_image_surface_get_data(image);
  const int imageStride = cairo_image_surface_get_stride(image);
  for (std::int32_t y = top; y < bottom; ++y) {
    auto* row =
        reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y - top) * imageStride);
    const std::uint8_t* sourceRow = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    for (std::int32_t x = left; x < right; ++x) {
      const std::uint32_t grey = sourceRow[x];
      row[x - left] = grey << 16 | grey << 8 | grey;
    }
  }
  cairo_surface_mark_dirty(image);

  // Nearest-neighbour sampling: each picture pixel shows the source pixel under
  // its centre, as on the raster canvas.
  const double scaleX = sourceWidth / destWidth;
  const double scaleY = sourceHeight / destHeight;
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(image);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
  cairo_matrix_t toImage;
  cairo_matrix_init_translate(&toImage, static_cast<double>(source.left) - left,
                              static_cast<double>(source.top) - top);
  cairo_matrix_scale(&toImage, scaleX, scaleY);
  cairo_matrix_translate(&toImage, -static_cast<double>(dest.left), -static_cast<double>(dest.top));
  cairo_pattern_set_matrix(pattern, &toImage);
  cairo_set_source(m_cairo, pattern);
  FillArea(dest.left + (left - static_cast<double>(source.left)) / scaleX,
           dest.top + (top - static_cast<double>(source.top)) / scaleY,
           dest.left + (right - static_cast<double>(source.left)) / scaleX,
           dest.top + (bottom - static_cast<double>(source.top)) / scaleY);
  cairo_pattern_destroy(pattern);
  cairo_surface_destroy(image);
}

bool CairoFileCanvas::Save(const std::string& path, std::string* error) const {
  const FileType type = FileTypeOf(path);
  if (type == FileType::kUnknown) return Fail(error, "unknown picture type: use .png or .svg");
  if (cairo_status(m_cairo) != CAIRO_STATUS_SUCCESS) {
    return Fail(error, cairo_status_to_string(cairo_status(m_cairo)));
  }
  FileSink sink{std::fopen(path.c_str(), "wb")};
  if (sink.file == nullptr) return Fail(error, std::strerror(errno));

  cairo_surface_t* target = nullptr;
  if (type == FileType::kPng) {
    target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, m_width, m_height);
  } else {
    target = cairo_svg_surface_create_for_stream(WriteToFile, &sink, m_width, m_height);
    cairo_svg_surface_set_document_unit(target, CAIRO_SVG_UNIT_PX);
  }
  cairo_status_t status = Replay(m_recording, target);
  if (status == CAIRO_STATUS_SUCCESS && type == FileType::kPng) {
    status = cairo_surface_write_to_png_stream(target, WriteToFile, &sink);
  }
  cairo_surface_finish(target);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(target);
  cairo_surface_destroy(target);
  if (std::fclose(sink.file) != 0 && sink.error == 0) sink.error = errno;
  if (status == CAIRO_STATUS_SUCCESS && sink.error == 0) return true;
  std::remove(path.c_str());
  return Fail(error, sink.error != 0 ? std::strerror(sink.error) : cairo_status_to_string(status));
}

void CairoFileCanvas::SetColour(Rgb colour) {
  cairo_set_source_rgb(m_cairo, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

void CairoFileCanvas::FillArea(double left, double top, double right, double bottom) {
  left = Limit(left);
  top = Limit(top);
  right = Limit(right);
  bottom = Limit(bottom);
  if (left >= right || top >= bottom) return;
  cairo_rectangle(m_cairo, left, top, right - left, bottom - top);
  cairo_fill(m_cairo);
}

}  // namespace kep
