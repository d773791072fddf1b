#include "texts/label.h"

namespace wufu {

Control* create_label(const std::any&, const CreateContext&) { return nullptr; }

}  // namespace wufu
