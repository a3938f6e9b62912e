#pragma once

#include <memory>

#include "image/image_buffer.h"
#include "project/measurement.h"

namespace kep::python {

// The working memory of one call of the module: the engine's, and the copy of the
// caller's array.
struct Workspace {
  MeasureWorkspace measure;
  ImageBuffer input;
};

// A workspace lent to one call and given back when the lease ends, so that the
// next call (the next array of a loop, the next file on a Dask worker) finds the
// memory for an image of the same size ready. While other calls still run, a
// workspace given back is kept for them; once none runs, only that last one is
// kept, and only when it holds at most kKeptIdleBytes: an idle process keeps at
// most one image's worth.
class WorkspaceLease {
 public:
  WorkspaceLease();
  ~WorkspaceLease();
  WorkspaceLease(const WorkspaceLease&) = delete;
  WorkspaceLease& operator=(const WorkspaceLease&) = delete;

  Workspace& operator*() const { return *m_workspace; }
  Workspace* operator->() const { return m_workspace.get(); }

 private:
  std::unique_ptr<Workspace> m_workspace;
};

inline constexpr std::size_t kKeptIdleBytes = std::size_t{128} << 20;

}  // namespace kep::python
