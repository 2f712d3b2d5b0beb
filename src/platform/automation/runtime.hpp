#pragma once
// The automation runtime in one include.

#include "platform/automation/bag_section.hpp"
#include "platform/automation/collection.hpp"
#include "platform/automation/enumerator.hpp"
#include "platform/automation/error.hpp"
#include "platform/automation/event.hpp"
#include "platform/automation/object.hpp"
#include "platform/automation/property_bag.hpp"
#include "platform/automation/std_font.hpp"
#include "platform/automation/std_picture.hpp"
#include "platform/automation/string.hpp"
#include "platform/automation/variant.hpp"
