#include <algorithm>

#include "win32/forms/form_registry.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

struct SentMessage {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

std::vector<SentMessage>* recorded = nullptr;

// Sees every message sent to a window of this thread before its window procedure.
LRESULT CALLBACK RecordSkinMessages(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  const bool skin = sent->message == 1225 || sent->message == 1226 || sent->message == 1227 ||
                    sent->message == 1274 || sent->message == 1294;
  if (code == HC_ACTION && recorded && skin) {
    recorded->push_back({sent->hwnd, sent->message, sent->wParam, sent->lParam});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class SkinMessageHook {
 public:
  explicit SkinMessageHook(std::vector<SentMessage>& log)
      : hook_(SetWindowsHookExW(WH_CALLWNDPROC, RecordSkinMessages, nullptr, GetCurrentThreadId())) {
    recorded = &log;
  }
  ~SkinMessageHook() {
    recorded = nullptr;
    UnhookWindowsHookEx(hook_);
  }
  bool ok() const { return hook_ != nullptr; }

 private:
  HHOOK hook_;
};

using SkinDataWindowTest = MainWindowTest;

TEST_F(SkinDataWindowTest, MainWindowPutsTheEmbeddedSkinInForceAndEveryFormHears) {
  std::vector<SentMessage> log;
  SkinMessageHook hook(log);
  ASSERT_TRUE(hook.ok());
  Open(false);
  TzsSkinData& data = *form->zsSkinData1;
  EXPECT_FALSE(data.Empty());
  EXPECT_FALSE(data.ChangingSkin());
  EXPECT_EQ(data.ActivePictures().size(), 8u);
  EXPECT_EQ(data.ObjectList().size(), 13u);
  EXPECT_EQ(data.ControlList().size(), 64u);
  EXPECT_EQ(data.FindObjectRecord("closebutton"), 0);
  EXPECT_EQ(data.FindControlRecord("panel"), 7);
  EXPECT_EQ(data.SkinList(), form->zsCompressedSkinList1.get());
  EXPECT_EQ(data.SkinIndex(), 0);

  // The program's own texts are linked first (1274), then the skin goes in force.
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].message, 1274u);
  EXPECT_EQ(log[0].hwnd, form->hwnd());
  log.erase(log.begin());
  for (std::size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].message, 1225u + i);
    EXPECT_EQ(log[i].hwnd, form->hwnd());
    EXPECT_EQ(log[i].wParam, reinterpret_cast<WPARAM>(&data));
    EXPECT_EQ(log[i].lParam, 1000);
  }

  // The hidden base form loads its own copy: its owner first, then the main window.
  log.clear();
  auto frmAd = Form::Create<TfrmAd>(*services, *state);
  ASSERT_EQ(log.size(), 8u);
  const std::vector<HWND> order{frmAd->hwnd(), form->hwnd()};
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(log[i].message, 1274u);
    EXPECT_EQ(log[i].hwnd, order[i]);
  }
  log.erase(log.begin(), log.begin() + 2);
  for (std::size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].message, 1225u + i / 2);
    EXPECT_EQ(log[i].hwnd, order[i % 2]);
    EXPECT_EQ(log[i].wParam, reinterpret_cast<WPARAM>(frmAd->zsSkinData1.get()));
  }

  log.clear();
  form->zsSkinData1->SetSkinnableForm(false);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].message, 1294u);
  EXPECT_EQ(log[0].hwnd, form->hwnd());
  EXPECT_EQ(log[1].hwnd, frmAd->hwnd());

  frmAd.reset();
  const auto forms = WinFormRegistry::Instance().Forms();
  EXPECT_EQ(forms.size(), 1u);
  EXPECT_EQ(std::count(forms.begin(), forms.end(), static_cast<SkinMessageTarget*>(form.get())), 1);
}

}  // namespace
}  // namespace zv::win::test
