#include "project/ui/project_view.h"

#include <sys/stat.h>

#include "project/image_reading.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/multi_select_list_box.h"
#include "project/ui/project_input_form.h"

namespace kep {

namespace {

// The file's modification time in nanoseconds, or -1 when it cannot be read.
std::int64_t ModificationTime(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return -1;
  return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

// The selected entry with the lowest index; without a selection, entry 0 becomes
// selected. Empty for an empty list.
std::string CurrentFile(CMultiSelectListBox& files) {
  if (files.IsEmpty()) return {};
  const std::vector<int> selected = files.SelectedIndices();
  const int index = selected.empty() ? 0 : selected.front();
  if (selected.empty()) files.SelectOnly(0);
  return files.GetString(static_cast<unsigned>(index)).utf8_string();
}

}  // namespace

void CProjectView::OnInitialUpdate() {
  ProjectPane::OnInitialUpdate();
  GetDocument()->m_pImageView = this;
}

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
  const std::string path =
      document->m_pInputForm ? CurrentFile(*document->m_pInputForm->m_fileList) : std::string();
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
