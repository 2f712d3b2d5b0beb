#pragma once
// Vellum: owner-drawn menus for desktop applications. A host includes this one header: it
// reaches every class, every enumeration and the automation runtime's types.

#include "accel/accelerator.hpp"
#include "accel/accelerator_shift_states.hpp"
#include "accel/accelerator_text.hpp"
#include "accel/accelerators.hpp"
#include "items/item_constants.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "items/system_menu.hpp"
#include "model/menu_constants.hpp"
#include "model/menu_lib_global.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "native/import_constants.hpp"
#include "persist/menu_set_file.hpp"
#include "platform/automation/runtime.hpp"
#include "render/item_visual_properties.hpp"
#include "render/multi_gradient.hpp"
#include "render/visual_constants.hpp"
