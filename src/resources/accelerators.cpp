#include "resources/accelerators.h"

#include <vector>

namespace kep {

wxAcceleratorTable CreateMainAcceleratorTable() {
  std::vector<wxAcceleratorEntry> entries;
  for (const AcceleratorKey& key : kMainAccelerators) {
    entries.emplace_back(key.flags, key.keyCode, key.command);
  }
  return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}

}  // namespace kep
