#pragma once
// Removal notices between components: a component that others may reference
// tells each listener when it is destroyed, so no reference outlives it.
#include <algorithm>
#include <vector>

namespace zv {

class FreeNotifier;

class FreeListener {
 public:
  virtual void FreeNotification(const FreeNotifier* removed) = 0;

 protected:
  ~FreeListener() = default;
};

class FreeNotifier {
 public:
  FreeNotifier() = default;
  // Listeners follow the object, not its value.
  FreeNotifier(const FreeNotifier&) {}
  FreeNotifier& operator=(const FreeNotifier&) { return *this; }
  ~FreeNotifier() {
    const auto listeners = std::move(listeners_);
    for (FreeListener* listener : listeners) listener->FreeNotification(this);
  }

  void AddFreeListener(FreeListener* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) listeners_.push_back(listener);
  }
  void RemoveFreeListener(FreeListener* listener) { std::erase(listeners_, listener); }

 private:
  std::vector<FreeListener*> listeners_;
};

}  // namespace zv
