#include "persist/menu_set_file.hpp"

#include <fstream>
#include <sstream>

#include "accel/accelerator.hpp"
#include "accel/accelerators.hpp"
#include "model/library_state.hpp"
#include "platform/automation/bag_section.hpp"

namespace vellum {
namespace {

const String kSource = u"Vellum10.MenuSetFile";
// The file's own key beside the set's: the prefix library, which the set does not store.
constexpr const char16_t* kPrefixLibKey = u"PrefixLib";

// While a set is loaded, it is the thread's active set: menus register in the active set when
// they get their native menus, and so register in the set being loaded instead of the live
// one. The live set and GlobalFont come back when the load ends; GlobalFont only after a
// failure, since a loaded set brings its own.
class LoadingInto {
 public:
  explicit LoadingInto(const Ref<Menus>& set)
      : live_(Library().activeMenus), liveFont_(GlobalFont()) {
    Library().activeMenus = set;
  }
  LoadingInto(const LoadingInto&) = delete;
  LoadingInto& operator=(const LoadingInto&) = delete;
  ~LoadingInto() {
    Library().activeMenus = live_;
    if (!succeeded_) Library().globalFont = liveFont_;
  }
  void Succeeded() { succeeded_ = true; }

 private:
  Ref<Menus> live_;
  Ref<StdFont> liveFont_;
  bool succeeded_ = false;
};

// The stored prefix library's entries join the set's own.
void LoadPrefixLib(Menus& set, const BagSection& bag) {
  const Ref<Accelerators> stored = bag.ReadObject<Accelerators>(kPrefixLibKey, nullptr);
  if (!stored) return;
  const Ref<Accelerators> prefixLib = set.PrefixLib();
  for (const Ref<Accelerator>& entry : stored->Entries()) {
    entry->AttachToTable(prefixLib);
    prefixLib->EntriesOf()->Add(entry);
  }
}

}  // namespace

const BagFileFormat& MenuSetFileFormat() {
  static const BagFileFormat format{"vellum-menu-set", 1, "menu-set file"};
  return format;
}

std::string MenuSetToJson(Menus& set) {
  const Ref<PropertyBag> bag = PropertyBag::New();
  set.SavePropertiesStrictly(*bag);
  BagSection(*bag, String()).WriteObject(kPrefixLibKey, set.PrefixLib());
  return bag->ToJson(MenuSetFileFormat());
}

Ref<Menus> MenuSetFromJson(std::string_view json) {
  const Ref<PropertyBag> bag = PropertyBag::New();
  bag->FromJson(json, MenuSetFileFormat());
  const Ref<Menus> set = Menus::New();
  {
    LoadingInto loading(set);
    set->LoadPropertiesStrictly(*bag);
    LoadPrefixLib(*set, BagSection(*bag, String()));
    loading.Succeeded();
  }
  // Registering in it while it was loaded marked it active; it is not.
  set->SetActive(false);
  return set;
}

void SaveMenuSetFile(Menus& set, const std::string& path) {
  const std::string json = MenuSetToJson(set);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out || !(out << json << '\n') || !out.flush()) {
    RaiseError(error::kPathFileAccess, kSource, Utf8ToString("Cannot write " + path));
  }
}

Ref<Menus> LoadMenuSetFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) RaiseError(error::kFileNotFound, kSource, Utf8ToString("Cannot open " + path));
  std::ostringstream text;
  text << in.rdbuf();
  return MenuSetFromJson(text.str());
}

}  // namespace vellum
