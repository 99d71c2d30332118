#pragma once
// Removal notices between components: a component that others may reference
// tells each listener when it is destroyed, so no reference outlives it.
#include <algorithm>
#include <utility>
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
  ~FreeNotifier() { NotifyFree(); }

  // Listening changes nothing of the object, so readers of a const one may.
  void AddFreeListener(FreeListener* listener) const {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) listeners_.push_back(listener);
  }
  void RemoveFreeListener(FreeListener* listener) const { std::erase(listeners_, listener); }

 protected:
  // Tells every listener now. An object whose parts listeners read calls it
  // first in its destructor, before those parts go.
  void NotifyFree() {
    const auto listeners = std::exchange(listeners_, {});
    for (FreeListener* listener : listeners) listener->FreeNotification(this);
  }

 private:
  mutable std::vector<FreeListener*> listeners_;
};

}  // namespace zv
