#include "app/kinds.h"

#include "pages/group_box.h"
#include "pages/group_box_properties.h"
#include "pages/tab_control.h"
#include "pages/tab_control_properties.h"
#include "pictures/picture_box.h"
#include "pictures/picture_box_properties.h"
#include "texts/label.h"
#include "texts/label_properties.h"
#include "window/main_window.h"
#include "window/window_properties.h"

namespace wufu {

KindRegistry program_kinds() {
  static const Kind kinds[] = {
      // code, name, property block codec, create control, create window, paged container
      {window_kind_code, "窗口", window_codec, nullptr, &create_main_window, false},
      {picture_box_kind_code, "图片框", picture_box_codec, &create_picture_box, nullptr, false},
      {group_box_kind_code, "分组框", group_box_codec, &create_group_box, nullptr, false},
      {label_kind_code, "标签", label_codec, &create_label, nullptr, false},
      {tab_control_kind_code, "选择夹", tab_control_codec, &create_tab_control, nullptr, true},
  };
  return kinds;
}

}  // namespace wufu
