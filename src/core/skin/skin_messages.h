#pragma once
// The skin engine's window messages, the skin data component's
// announcements and the seam they travel through:
// on Windows each target is a form's window and each message a window
// message; tests record them.
#include <vector>

namespace zv {

class TzsSkinData;

enum SkinMessage : unsigned {
  ZSM_SKINCHANGING = 1225,
  ZSM_SKINCHANGED = 1226,
  ZSM_SKINCHANGEDONE = 1227,
  ZSM_RESSTRINGSCHANGED = 1274,
  ZSM_PARENTBACKCHANGED = 1284,  // a transparent control's background changed
  ZSM_FORMSKINNABLECHANGED = 1294,
};

// The LPARAM every skin message carries.
constexpr long kSkinMessageParam = 1000;

class SkinMessageTarget {
 public:
  // Sent synchronously: the receiver is done when this returns.
  virtual void ReceiveSkinMessage(SkinMessage message, TzsSkinData& sender, long param) = 0;

 protected:
  ~SkinMessageTarget() = default;
};

// Every form of the application, in the application's form order.
class FormRegistry {
 public:
  virtual std::vector<SkinMessageTarget*> Forms() = 0;

 protected:
  ~FormRegistry() = default;
};

}  // namespace zv
