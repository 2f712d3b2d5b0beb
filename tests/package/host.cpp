// A host that knows Vellum only as an installed package and only through <vellum.hpp>: the
// README's example, then every class, every enumeration and the runtime's types, so that a
// class the header does not reach fails this build.
#include <vellum.hpp>

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void Check(bool condition, const char* what) {
  if (condition) return;
  std::printf("host: %s failed\n", what);
  ++failures;
}

}  // namespace

int main() {
  using namespace vellum;

  // --- the README's example ---
  auto bar = Menubar::New();
  auto file = bar->Add(u"&File", nullptr, u"File");
  auto open = file->SubMenu()->Add(u"&Open...", nullptr, u"Open");
  int clicks = 0;
  open->Click.Connect([&] { ++clicks; });
  file->SubMenu()->Add(u"&Save")->Checked(true);
  String chosen;
  bar->UserCommand.Connect([&](const Ref<MenuItem>& item) { chosen = item->Key(); });
  open->Invoke(u"Caption", CallType::PropertyLet, {u"Open &file..."});
  auto found = bar->Item(u"file");
  Check(found == file, "a key in any case");
  Check(open->CaptionPlain() == u"Open file...", "a caption by late binding");
  open->Click.Raise();
  Check(clicks == 1, "a typed event");

  // --- every class ---
  const Ref<Menus> set = MenuLibGlobal::New()->Menus();
  Check(set && set->Item(bar->Key()) == bar, "the active set through the global object");
  set->MenuDrawStyle(mdsOfficeXP);
  set->AcceleratorStyle(sbNormalKeys);
  const Ref<SubMenu> popup = file->SubMenu();
  const Ref<Sidebar> band = popup->Sidebar();
  band->Caption(u"Vellum");
  band->Escapement(esc270);
  band->Position(posLeft);
  const Ref<ItemVisualProperties> visual = open->Visual();
  visual->SelectionStyle(mssHotTrack | mssBevel);
  visual->TextAlign(taLeft);
  visual->PictureVAlign(ppCenter);
  const Ref<MultiGradient> stops = visual->MultiGradient();
  stops->Add(0x0000FF);
  stops->Add(0x00FF00);
  Check(stops->Color(2) == 0x00FF00, "a gradient's stops");
  const Ref<Accelerator> accelerator = open->Accelerator();
  accelerator->AccelWord(u"Ctrl+O");
  Check(accelerator->Shift() == acCtrl, "an accelerator's modifiers");
  const Ref<Accelerators> table = popup->Accelerators();
  Check(table->ItemByID(open->ItemId()) == accelerator, "the popup's accelerator table");
  const Ref<SystemMenu> system = SystemMenu::New();
  system->Add(u"&About...");
  Check(system->Count() == 1 && system->TopMostParent() == system, "a system menu");
  open->SeparatorType(mstNormal);
  Check(set->ItemType(bar->Key()) == mtcMenubar, "a member's kind");

  // --- the enumerations no member takes ---
  static_assert(tdString == 2 && selHotLight == 2 && emBarMenu == 2);

  // --- the runtime ---
  std::size_t walked = 0;
  for (const Variant& item : popup->NewEnum())
    walked += item.IsObject();
  Check(walked == 2, "a walk over a popup's items");
  int heard = 0;
  bar->ConnectEvent(u"UserCommand", [&](std::span<Variant> arguments) {
    heard += arguments.size() == 1 && arguments[0].ToObject() == open;
  });
  bar->UserCommand.Raise(open);
  Check(heard == 1 && chosen == u"Open", "an event connected by name");
  try {
    set->Invoke(u"NoSuchMember", CallType::Method);
    Check(false, "a missing member");
  } catch (const AutomationError& error) {
    Check(error.Number() == 438, "a missing member's error");
  }
  const Ref<PropertyBag> bag = PropertyBag::New();
  const Ref<StdFont> font = StdFont::New();
  font->Bold(true);
  bag->WriteProperty(u"Font", font);
  Check(bag->ReadProperty(u"Font").ToObjectOf<StdFont>()->Bold(), "a font through a bag");
  Check(StdPicture::New() != nullptr, "a picture object");

  return failures == 0 ? 0 : 1;
}
