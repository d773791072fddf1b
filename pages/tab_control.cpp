#include "pages/tab_control.h"

namespace wufu {

Control* create_tab_control(const std::any&, const CreateContext&) { return nullptr; }

}  // namespace wufu
