// A host that knows Vellum only as an installed package.
#include <vellum.hpp>

int main() {
  const vellum::String caption = vellum::Utf8ToString("&File");
  return vellum::StringToUtf8(caption) == "&File" ? 0 : 1;
}
