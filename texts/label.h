// The label (标签) kind's live control.
#pragma once

#include <any>

#include "window/kind.h"

namespace wufu {

// The kind's create operation: the control, created hidden, or nullptr.
Control* create_label(const std::any& properties, const CreateContext& context);

}  // namespace wufu
