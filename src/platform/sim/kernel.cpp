// The kernel functions: integer scaling, the procedure check and the memory copy, with the
// blocks of memory the sim hands out.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "platform/kernel32.hpp"
#include "platform/sim/call_arguments.hpp"
#include "platform/sim/driver.hpp"
#include "platform/sim/live_memory.hpp"
#include "platform/sim/window_table.hpp"

namespace vellum::sim::detail {
namespace {

struct MemorySpace {
  std::map<std::uintptr_t, std::size_t> live;                        // start -> size
  std::map<std::uintptr_t, std::unique_ptr<unsigned char[]>> texts;  // stored text blocks
};

MemorySpace& Space() {
  thread_local MemorySpace space;
  return space;
}

platform::ULONG_PTR StoreBytes(const void* bytes, std::size_t size, std::size_t terminator) {
  auto block = std::make_unique<unsigned char[]>(size + terminator);
  std::memcpy(block.get(), bytes, size);
  std::memset(block.get() + size, 0, terminator);
  const auto address = reinterpret_cast<std::uintptr_t>(block.get());
  Space().live[address] = size + terminator;
  Space().texts[address] = std::move(block);
  return address;
}

}  // namespace

LiveBlock::LiveBlock(const void* address, std::size_t size) : address_(address) {
  Space().live[reinterpret_cast<std::uintptr_t>(address)] = size;
}

LiveBlock::~LiveBlock() {
  Space().live.erase(reinterpret_cast<std::uintptr_t>(address_));
}

bool IsLive(const void* address, std::size_t size) {
  const auto start = reinterpret_cast<std::uintptr_t>(address);
  const auto& live = Space().live;
  auto block = live.upper_bound(start);
  if (block == live.begin()) return false;
  --block;
  return start >= block->first && start - block->first <= block->second &&
         size <= block->second - (start - block->first);
}

}  // namespace vellum::sim::detail

namespace vellum::sim {

platform::ULONG_PTR StoreNarrowText(std::string_view bytes) {
  return detail::StoreBytes(bytes.data(), bytes.size(), 1);
}

platform::ULONG_PTR StoreWideText(const String& text) {
  return detail::StoreBytes(text.data(), text.size() * sizeof(char16_t), sizeof(char16_t));
}

void ReleaseText(platform::ULONG_PTR address) {
  detail::Space().live.erase(address);
  detail::Space().texts.erase(address);
}

}  // namespace vellum::sim

namespace vellum::platform {

// Rounds to nearest, halves away from zero; -1 for a zero divisor or a result beyond 32 bits.
int MulDiv(int nNumber, int nNumerator, int nDenominator) {
  sim::detail::LogCall("MulDiv", {{"nNumber", sim::detail::Dec(nNumber)},
                                  {"nNumerator", sim::detail::Dec(nNumerator)},
                                  {"nDenominator", sim::detail::Dec(nDenominator)}});
  if (nDenominator == 0) return -1;
  const std::int64_t product = std::int64_t{nNumber} * nNumerator;
  const std::int64_t divisor = nDenominator;
  const std::uint64_t magnitude = static_cast<std::uint64_t>(std::llabs(product));
  const std::uint64_t by = static_cast<std::uint64_t>(std::llabs(divisor));
  std::uint64_t quotient = magnitude / by;
  if (2 * (magnitude % by) >= by) ++quotient;
  const bool negative = (product < 0) != (divisor < 0);
  const std::int64_t result =
      negative ? -static_cast<std::int64_t>(quotient) : static_cast<std::int64_t>(quotient);
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int>(result);
}

BOOL IsBadCodePtr(FARPROC lpfn) {
  const auto address = reinterpret_cast<UINT_PTR>(lpfn);
  sim::detail::LogCall("IsBadCodePtr", {{"lpfn", sim::detail::Hex(address)}});
  return sim::detail::IsKnownProcedure(address) ? FALSE : TRUE;
}

// Copies only when the source or the destination range lies inside memory the sim handed out
// and still owns (a request record being sent, a stored text block); any other pair of
// addresses copies nothing, where the platform would follow whatever the integers point at.
void RtlMoveMemory(void* Destination, const void* Source, std::size_t Length) {
  sim::detail::LogCall(
      "RtlMoveMemory",
      {{"Destination", sim::detail::Hex(reinterpret_cast<std::uintptr_t>(Destination))},
       {"Source", sim::detail::Hex(reinterpret_cast<std::uintptr_t>(Source))},
       {"Length", sim::detail::Dec(static_cast<std::int64_t>(Length))}});
  if (Length == 0 || !Destination || !Source) return;
  if (!sim::detail::IsLive(Source, Length) && !sim::detail::IsLive(Destination, Length)) return;
  std::memmove(Destination, Source, Length);
}

}  // namespace vellum::platform
