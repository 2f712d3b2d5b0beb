// Costs of the automation runtime that every menu operation pays: keyed look-ups, late-bound
// calls and conversions.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/automation/collection.hpp"
#include "platform/automation/std_font.hpp"

namespace {

using vellum::Collection;
using vellum::String;
using vellum::Variant;

String KeyOf(int i) {
  return u"_H" + vellum::Utf8ToString(std::to_string(4680 + i));
}

vellum::Ref<Collection> Filled(int count) {
  auto items = Collection::New();
  for (int i = 0; i < count; ++i)
    items->Add(i, KeyOf(i));
  return items;
}

// Look-up by key must not grow with the collection.
void BM_CollectionItemByKey(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto items = Filled(count);
  const Variant key = KeyOf(count / 2);
  for (auto _ : state)
    benchmark::DoNotOptimize(items->Item(key));
}
BENCHMARK(BM_CollectionItemByKey)->Arg(16)->Arg(1024)->Arg(65536);

void BM_CollectionItemByPosition(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto items = Filled(count);
  const Variant position = count / 2;
  for (auto _ : state)
    benchmark::DoNotOptimize(items->Item(position));
}
BENCHMARK(BM_CollectionItemByPosition)->Arg(16)->Arg(65536);

void BM_LateBoundPropertyGet(benchmark::State& state) {
  auto font = vellum::StdFont::New();
  for (auto _ : state) {
    benchmark::DoNotOptimize(font->Invoke(u"Size", vellum::CallType::PropertyGet));
  }
}
BENCHMARK(BM_LateBoundPropertyGet);

void BM_StringToLongConversion(benchmark::State& state) {
  const Variant text = u" 12345 ";
  for (auto _ : state)
    benchmark::DoNotOptimize(text.ToLong());
}
BENCHMARK(BM_StringToLongConversion);

}  // namespace
