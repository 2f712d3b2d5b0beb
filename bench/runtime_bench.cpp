// Costs of the automation runtime that every menu operation pays.
#include <benchmark/benchmark.h>

#include "platform/automation/string.hpp"

namespace {

void BM_FoldCaseOfKey(benchmark::State& state) {
  const vellum::String key = u"Menu1.Item12.SubMenu.Caption";
  for (auto _ : state)
    benchmark::DoNotOptimize(vellum::FoldCase(key));
}
BENCHMARK(BM_FoldCaseOfKey);

}  // namespace
