#pragma once
// Vellum: owner-drawn menus for desktop applications. A host includes this one header.

#include "accel/accelerator.hpp"
#include "accel/accelerator_shift_states.hpp"
#include "accel/accelerator_text.hpp"
#include "accel/accelerators.hpp"
#include "items/item_constants.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "model/menu_constants.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "platform/automation/runtime.hpp"
#include "render/item_visual_properties.hpp"
#include "render/visual_constants.hpp"
