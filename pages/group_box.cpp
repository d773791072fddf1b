#include "pages/group_box.h"

namespace wufu {

Control* create_group_box(const std::any&, const CreateContext&) { return nullptr; }

}  // namespace wufu
