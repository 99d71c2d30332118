#include "win32/forms/form_registry.h"

#include <algorithm>

#include "win32/forms/form.h"

namespace zv::win {

WinFormRegistry& WinFormRegistry::Instance() {
  static WinFormRegistry registry;
  return registry;
}

std::vector<SkinMessageTarget*> WinFormRegistry::Forms() { return {forms_.begin(), forms_.end()}; }

void WinFormRegistry::Add(Form& form) {
  if (std::find(forms_.begin(), forms_.end(), &form) == forms_.end()) forms_.push_back(&form);
}

void WinFormRegistry::Remove(Form& form) { std::erase(forms_, &form); }

}  // namespace zv::win
