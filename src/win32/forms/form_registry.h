#pragma once
// Every form of the application in creation order, as the skin data's
// announcements reach them: each skin message becomes a window message sent
// to the form's window, WPARAM the sending skin data, LPARAM 1000.
#include <vector>

#include "core/skin/skin_messages.h"

namespace zv::win {

class Form;

class WinFormRegistry : public FormRegistry {
 public:
  static WinFormRegistry& Instance();
  std::vector<SkinMessageTarget*> Forms() override;
  void Add(Form& form);
  void Remove(Form& form);

 private:
  std::vector<Form*> forms_;
};

}  // namespace zv::win
