// A host that knows Vellum only as an installed package: the README's example, checked.
#include <vellum.hpp>

int main() {
  auto items = vellum::Collection::New();
  items->Add(u"&Open...", u"mnuOpen");
  items->Add(u"&New", u"mnuNew", u"mnuOpen");
  auto font = vellum::StdFont::New({.name = u"Tahoma", .size = 8});
  vellum::String changed;
  font->FontChanged.Connect([&](const vellum::String& name) { changed = name; });
  font->Invoke(u"Bold", vellum::CallType::PropertyLet, {true});
  auto bag = vellum::PropertyBag::New();
  bag->WriteProperty(u"GlobalFont", font);
  const bool ok = items->Item(1) == vellum::Variant(u"&New") && changed == u"Bold" &&
                  bag->ReadProperty(u"GlobalFont").ToObjectOf<vellum::StdFont>()->Bold();
  return ok ? 0 : 1;
}
