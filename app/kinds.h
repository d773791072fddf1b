// The kind registry of this program: one line per kind.
#pragma once

#include "window/kind.h"

namespace wufu {

KindRegistry program_kinds();

}  // namespace wufu
