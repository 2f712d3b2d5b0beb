#pragma once
// The menu-set file: a menu set saved into a property bag and written as the runtime's JSON bag
// file under a format name and version of its own ("vellum-menu-set", 1), so that menus written
// once can be kept, edited, rendered and loaded by a host. Besides the set's own keys the file
// holds the set's prefix library under "PrefixLib", which two-keystroke accelerators need.
//
// Loading is all or nothing: the whole file is read and checked into a fresh bag and loaded
// into a fresh set first; any fault fails with an AutomationError whose description names the
// key (or the line and column) and what was wrong, and leaves the thread's menus as they were.

#include <string>
#include <string_view>

#include "model/menus.hpp"

namespace vellum {

// The file format's name and version.
const BagFileFormat& MenuSetFileFormat();

// The file's text for `set`; the first failure to save a member reaches the caller.
std::string MenuSetToJson(Menus& set);
// A new set holding the menus of the file's text. The set is not made active; its menus have
// their native menus and are registered in it alone.
Ref<Menus> MenuSetFromJson(std::string_view json);

void SaveMenuSetFile(Menus& set, const std::string& path);
Ref<Menus> LoadMenuSetFile(const std::string& path);

}  // namespace vellum
