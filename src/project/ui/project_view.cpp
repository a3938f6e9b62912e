#include "project/ui/project_view.h"

#include <sys/stat.h>

#include "project/image_reading.h"
#include "project/ui/kep_project_doc.h"

namespace kep {

namespace {

// The file's modification time in nanoseconds, or -1 when it cannot be read.
std::int64_t ModificationTime(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return -1;
  return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

}  // namespace

Rect CProjectView::ImageRect(const Rect& client, std::int32_t width, std::int32_t height) {
  const std::int64_t w = client.Width();
  const std::int64_t h = client.Height();
  if (static_cast<double>(width) / height < static_cast<double>(w) / static_cast<double>(h)) {
    return {client.left, client.top, client.left + static_cast<std::int32_t>(width * h / height),
            client.bottom};
  }
  return {client.left, client.top, client.right,
          client.top + static_cast<std::int32_t>(height * w / width)};
}

void CProjectView::OnDraw(DrawContext& dc) {
  CKepProjectDoc* document = GetDocument();
  const std::string path = document->ImageFile();
  const Rect client = dc.ClientRect();
  if (!path.empty() && ShowFile(path)) {
    document->m_image.Draw(dc,
                           ImageRect(client, document->m_image.Width(), document->m_image.Height()),
                           {0, 0, document->m_image.Width(), document->m_image.Height()});
    return;
  }
  const std::int32_t middle = (client.left + client.right) / 2;
  dc.DrawText(middle - 50, client.top + 30, "Show Image Here");
  dc.DrawText(middle - 45, client.top + 50, "(No Image Yet!)");
}

bool CProjectView::ShowFile(const std::string& path) {
  const std::int64_t time = ModificationTime(path);
  if (path == m_shownPath && time == m_shownTime) return m_shownLoaded;
  ImageBuffer& image = GetDocument()->m_image;
  image.Clear();
  m_shownPath = path;
  m_shownTime = time;
  m_shownLoaded = ReadImage(path, image).Loaded();
  return m_shownLoaded;
}

}  // namespace kep
