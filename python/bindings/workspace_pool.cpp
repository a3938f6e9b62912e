#include "workspace_pool.h"

#include <mutex>
#include <vector>

namespace kep::python {

namespace {

std::size_t ByteCount(const Workspace& workspace) {
  const MeasureWorkspace& measure = workspace.measure;
  std::size_t bytes = workspace.input.ByteCount() + measure.loaded.ByteCount() +
                      measure.prepared.ByteCount() +
                      measure.engine.sourceImage.ByteCount() +
                      measure.engine.outlineImage.ByteCount();
  for (const PointSeries& outline : measure.engine.outlines) {
    bytes += static_cast<std::size_t>(outline.Count()) * sizeof(SeriesPoint);
  }
  return bytes;
}

struct Pool {
  std::mutex mutex;
  std::vector<std::unique_ptr<Workspace>> idle;
  int lent = 0;
};

Pool& ThePool() {
  // Never destroyed: leases may end while the interpreter shuts down.
  static Pool* pool = new Pool;
  return *pool;
}

}  // namespace

WorkspaceLease::WorkspaceLease() {
  Pool& pool = ThePool();
  {
    const std::lock_guard lock(pool.mutex);
    ++pool.lent;
    if (!pool.idle.empty()) {
      m_workspace = std::move(pool.idle.back());
      pool.idle.pop_back();
    }
  }
  if (!m_workspace) m_workspace = std::make_unique<Workspace>();
}

WorkspaceLease::~WorkspaceLease() {
  Pool& pool = ThePool();
  std::vector<std::unique_ptr<Workspace>> released;
  {
    const std::lock_guard lock(pool.mutex);
    --pool.lent;
    if (pool.lent > 0) {
      pool.idle.push_back(std::move(m_workspace));
    } else {
      released.swap(pool.idle);
      if (ByteCount(*m_workspace) <= kKeptIdleBytes) pool.idle.push_back(std::move(m_workspace));
    }
  }
  // `released` and a workspace too large to keep are freed here, outside the lock.
}

}  // namespace kep::python
