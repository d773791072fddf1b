// The tab control (选择夹) kind's live control.
#pragma once

#include <any>

#include "window/kind.h"

namespace wufu {

// The kind's create operation: the control, created hidden, or nullptr.
Control* create_tab_control(const std::any& properties, const CreateContext& context);

}  // namespace wufu
