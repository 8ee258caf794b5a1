#pragma once
// A per-thread free list of binding-sized blocks: decoding a reply creates one binding per
// value and the reply handler drops them all soon after.

#include <cstddef>

namespace binding_pool {

// A block of `size` bytes, recycled when one is free.
void* Take(std::size_t size);
// Keeps the block for reuse, or frees it when the list is full.
void Give(void* p, std::size_t size);

} // namespace binding_pool
