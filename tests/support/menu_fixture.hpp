#pragma once
// The standard menu tree most tests start from: a menu bar with File (Open, Save, a separator,
// Recent with two entries) and Edit.

#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "model/menubar.hpp"
#include "support/fresh_thread.hpp"

namespace vellum::testing {

struct StandardMenus {
  StandardMenus() {
    bar = Menubar::New();
    file = bar->Add(u"&File", nullptr, u"File");
    open = file->SubMenu()->Add(u"&Open...", nullptr, u"Open");
    save = file->SubMenu()->Add(u"&Save", nullptr, u"Save");
    separator = file->SubMenu()->Add(u"-", nullptr, u"Sep");
    recent = file->SubMenu()->Add(u"&Recent", nullptr, u"Recent");
    recent1 = recent->SubMenu()->Add(u"1 notes.txt", nullptr, u"Recent1");
    recent2 = recent->SubMenu()->Add(u"2 todo.txt", nullptr, u"Recent2");
    edit = bar->Add(u"&Edit", nullptr, u"Edit");
  }

  Ref<SubMenu> FileMenu() const { return file->SubMenu(); }
  Ref<SubMenu> RecentMenu() const { return recent->SubMenu(); }

  Ref<Menubar> bar;
  Ref<MenuItem> file, open, save, separator, recent, recent1, recent2, edit;
};

}  // namespace vellum::testing
