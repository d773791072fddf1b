#include "pictures/picture_box.h"

namespace wufu {

Control* create_picture_box(const std::any&, const CreateContext&) { return nullptr; }

}  // namespace wufu
