#pragma once
// Internal to the sim: the memory whose addresses the sim hands out as integers (request
// records while they are being sent, stored text blocks), so that RtlMoveMemory can tell an
// address it may follow from one it must not.

#include <cstddef>

namespace vellum::sim::detail {

// Registers [address, address + size) for as long as the object lives.
class LiveBlock {
 public:
  LiveBlock(const void* address, std::size_t size);
  ~LiveBlock();
  LiveBlock(const LiveBlock&) = delete;
  LiveBlock& operator=(const LiveBlock&) = delete;

 private:
  const void* address_;
};

// Whether [address, address + size) lies inside one live block.
bool IsLive(const void* address, std::size_t size);

}  // namespace vellum::sim::detail
