#include "tests/support/failing_allocations.h"

#include <cstdlib>
#include <new>

namespace {

long succeeding = -1;  // -1: every allocation succeeds

}  // namespace

// The test program's own allocator, so that a test can make one fail.
void* operator new(std::size_t size) {
  if (succeeding == 0) throw std::bad_alloc();
  if (succeeding > 0) --succeeding;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

// The standard library asks for a buffer it can do without (a merge's, say)
// without an exception: it fails the same way, and frees the same way.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (succeeding == 0) return nullptr;
  if (succeeding > 0) --succeeding;
  return std::malloc(size == 0 ? 1 : size);
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace corvale {

FailingAllocations::FailingAllocations(long count) { succeeding = count; }
FailingAllocations::~FailingAllocations() { succeeding = -1; }

}  // namespace corvale
