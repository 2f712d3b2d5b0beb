// The demo host: builds a small menu description and says, in plain text, what it did.
#include <cstdio>

#include "vellum.hpp"

int main() {
  std::printf("%s\n", vellum::StringToUtf8(u"Vellum demo").c_str());
  return 0;
}
