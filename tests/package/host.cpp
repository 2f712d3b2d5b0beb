// A host that knows Vellum only as an installed package: the README's example, checked.
#include <platform/platform.hpp>
#include <vellum.hpp>

int main() {
  auto bar = vellum::Menubar::New();
  auto file = bar->Add(u"&File", nullptr, u"File");
  auto open = file->SubMenu()->Add(u"&Open...", nullptr, u"Open");
  int clicks = 0;
  open->Click.Connect([&] { ++clicks; });
  file->SubMenu()->Add(u"&Save")->Checked(true);
  vellum::String chosen;
  bar->UserCommand.Connect(
      [&](const vellum::Ref<vellum::MenuItem>& item) { chosen = item->Key(); });
  open->Invoke(u"Caption", vellum::CallType::PropertyLet, {u"Open &file..."});
  auto found = bar->Item(u"file");
  open->ExecCmd(static_cast<vellum::platform::WPARAM>(open->ItemId()),
                vellum::platform::WM_COMMAND);
  const bool ok =
      found == file && clicks == 1 && chosen == u"Open" && open->CaptionPlain() == u"Open file...";
  return ok ? 0 : 1;
}
