#pragma once

namespace corvale {

// While one lives, the test program's allocations with operator new succeed `succeeding` more times
// and then throw std::bad_alloc, as when memory runs out, until it goes.
class FailingAllocations {
 public:
  explicit FailingAllocations(long succeeding);
  ~FailingAllocations();
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;
};

}  // namespace corvale
