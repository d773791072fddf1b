#include "app/lifecycle.h"

#include <algorithm>

namespace wufu {

void CleanupList::add(Routine routine) {
  if (std::find(routines_.begin(), routines_.end(), routine) == routines_.end()) {
    routines_.push_back(routine);
  }
}

void CleanupList::run() {
  // A routine that registers another one while the list runs is not run this time.
  const std::vector<Routine> routines = std::move(routines_);
  routines_.clear();
  for (Routine r : routines) r();
}

}  // namespace wufu
