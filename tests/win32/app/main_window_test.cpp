#include <windows.h>

#include "core/app/texts.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

std::string Loaded(const std::string& item) { return std::string(texts::kLibraryLoaded) + item; }

// Clicks an item of a list box as the mouse does.
void ClickListItem(ListBox& list, int index) {
  RECT item{};
  SendMessageW(list.hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 5, item.top + 3);
  SendMessageW(list.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list.hwnd(), WM_LBUTTONUP, 0, at);
  PumpMessages();
}

void Click(Control& control) {
  SendMessageW(control.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageW(control.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  PumpMessages();
}

void PressButton(Button& button) {
  SendMessageW(button.hwnd(), BM_CLICK, 0, 0);
  PumpMessages();
}

TEST_F(MainWindowTest, ControlsStandWhereTheWindowPlacesThem) {
  Open();
  RECT client{};
  GetClientRect(form->hwnd(), &client);
  EXPECT_EQ(client.right, 791);
  EXPECT_EQ(client.bottom, 496);
  EXPECT_EQ(form->Caption(), texts::kMainCaption);
  EXPECT_EQ(WindowBounds(*form->TopPnl), Rect::FromSize(0, 0, 791, 49));
  EXPECT_EQ(WindowBounds(*form->Panel1), Rect::FromSize(0, 49, 791, 428));
  EXPECT_EQ(WindowBounds(*form->Memo1), Rect::FromSize(1, 1, 614, 426));
  EXPECT_EQ(WindowBounds(*form->pnl1), Rect::FromSize(615, 1, 175, 426));
  EXPECT_EQ(WindowBounds(*form->ListBox1), Rect::FromSize(1, 1, 173, 208));
  EXPECT_EQ(WindowBounds(*form->Label1), Rect::FromSize(1, 209, 173, 13));
  EXPECT_EQ(WindowBounds(*form->Memo2), Rect::FromSize(1, 222, 173, 89));
  EXPECT_EQ(WindowBounds(*form->btnGen), Rect::FromSize(44, 328, 85, 25));
  EXPECT_EQ(WindowBounds(*form->btnScan), Rect::FromSize(44, 368, 85, 25));
  EXPECT_EQ(WindowBounds(*form->btn1), Rect::FromSize(528, 104, 75, 25));
  EXPECT_EQ(WindowBounds(*form->SbStatusBar1), Rect::FromSize(0, 477, 791, 19));

  // The promotion slots moved at creation: slot 1 to the panel's right, slot 2
  // over the list's bottom, the list's full client width.
  EXPECT_EQ(GetParent(form->img1->hwnd()), form->TopPnl->hwnd());
  EXPECT_EQ(WindowBounds(*form->img1), (Rect{791 - 2 - 225, 2, 789, 47}));  // inside the skinned frame
  RECT list{};
  GetClientRect(form->ListBox1->hwnd(), &list);
  EXPECT_EQ(GetParent(form->img2->hwnd()), form->ListBox1->hwnd());
  EXPECT_EQ(WindowBounds(*form->img2), Rect::FromSize(0, list.bottom - 48, list.right, 48));

  // Stacking: the folder button lies under Panel1, so a click there hits the panel.
  EXPECT_EQ(GetWindow(form->Panel1->hwnd(), GW_HWNDPREV), form->SbStatusBar1->hwnd());
  POINT p{560, 110};
  ClientToScreen(form->hwnd(), &p);
  EXPECT_NE(WindowFromPoint(p), form->btn1->hwnd());
}

TEST_F(MainWindowTest, ResizingKeepsAlignmentsAndAnchors) {
  Open();
  RECT frame{};
  GetWindowRect(form->hwnd(), &frame);
  SetWindowPos(form->hwnd(), nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 50,
               SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages();
  EXPECT_EQ(WindowBounds(*form->SbStatusBar1), Rect::FromSize(0, 527, 891, 19));
  EXPECT_EQ(WindowBounds(*form->pnl1), Rect::FromSize(615, 1, 275, 476));
  EXPECT_EQ(WindowBounds(*form->btnGen), Rect::FromSize(144, 328, 85, 25));  // anchored right
  EXPECT_EQ(WindowBounds(*form->btnScan), Rect::FromSize(44, 368, 85, 25));
}

TEST_F(MainWindowTest, TabWalksTheControlsInOrder) {
  Open();
  std::vector<std::string> names;
  for (Control* c : form->TabStops()) names.push_back(c->name());
  EXPECT_EQ(names, (std::vector<std::string>{"Memo1", "ListBox1", "Memo2", "btnGen", "btnScan", "btn1"}));

  EXPECT_EQ(GetFocus(), form->Memo1->hwnd());
  std::vector<HWND> visited;
  for (int i = 0; i < 6; ++i) {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    PumpMessages();
    visited.push_back(GetFocus());
  }
  EXPECT_EQ(visited, (std::vector<HWND>{form->ListBox1->hwnd(), form->Memo2->hwnd(), form->btnGen->hwnd(),
                                        form->btnScan->hwnd(), form->btn1->hwnd(), form->Memo1->hwnd()}));

  // The hidden folder button still works from the keyboard.
  SetFocus(form->btn1->hwnd());
  SendMessageW(form->btn1->hwnd(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(form->btn1->hwnd(), WM_KEYUP, VK_SPACE, 0);
  PumpMessages();
  EXPECT_EQ(shell.folders, std::vector<std::string>{folder.path()});
}

// Enter presses the focused push button, as in dialog boxes, and still
// starts a new line in the keyword box.
TEST_F(MainWindowTest, EnterPressesTheFocusedButton) {
  folder.Write("data\\one.txt", "first\r\n");
  folder.Write("data\\two.txt", "second\r\n");
  Open();
  const auto press = [](UINT key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    PumpMessages();
  };
  for (const UINT key : {VK_TAB, VK_DOWN, VK_TAB, VK_TAB}) press(key);
  ASSERT_EQ(GetFocus(), form->btnGen->hwnd());
  press(VK_RETURN);
  const std::string article = form->Memo1->Text();
  ASSERT_FALSE(article.empty()) << "Enter did not press the button";
  EXPECT_EQ(folder.Read((article.rfind("first", 0) == 0 ? "first" : "second") + std::string(".txt")), article);

  SetFocus(form->Memo2->hwnd());
  const auto end = static_cast<WPARAM>(GetWindowTextLengthW(form->Memo2->hwnd()));
  SendMessageW(form->Memo2->hwnd(), EM_SETSEL, end, static_cast<LPARAM>(end));
  press(VK_RETURN);
  EXPECT_EQ(form->Memo2->Text(), std::string(texts::kKeywordInitial) + "\r\n");
}

TEST_F(MainWindowTest, SelectingALibraryLoadsItAndSaysSo) {
  folder.Write("data\\abc.txt", "one\r\ntwo\r\n");
  folder.Write("data\\def.txt", "x\ny\nz");
  folder.Write("data\\skip.txt.bak", "no");
  Open();
  ASSERT_EQ(form->ListBox1->Count(), 2);
  const int abc = form->ListBox1->Item(0) == "abc.txt" ? 0 : 1;

  ClickListItem(*form->ListBox1, abc);
  EXPECT_EQ(state->gLibraryLines.lines, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(form->SbStatusBar1->PaneCaption(0), Loaded("abc.txt"));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{Loaded("abc.txt")});

  // The arrow key moves the selection and loads the next library.
  SetFocus(form->ListBox1->hwnd());
  SendMessageW(form->ListBox1->hwnd(), WM_KEYDOWN, abc == 0 ? VK_DOWN : VK_UP, 0);
  PumpMessages();
  EXPECT_EQ(state->gLibraryLines.lines, (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_EQ(form->SbStatusBar1->PaneCaption(0), Loaded("def.txt"));

  // A re-scan keeps the loaded library though nothing is selected any more.
  folder.Write("data\\ghi.txt", "new");
  PressButton(*form->btnScan);
  EXPECT_EQ(form->ListBox1->Count(), 3);
  EXPECT_EQ(SendMessageW(form->ListBox1->hwnd(), LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(state->gLibraryLines.lines.size(), 3u);
}

TEST_F(MainWindowTest, OneLibraryLoadsSilentlyAndAVanishedOneReportsAnError) {
  folder.Write("data\\only.txt", "a\r\n\r\nb");
  Open();
  ClickListItem(*form->ListBox1, 0);
  EXPECT_EQ(state->gLibraryLines.lines, (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(form->SbStatusBar1->PaneCaption(0), "");

  folder.Write("data\\second.txt", "b");
  PressButton(*form->btnScan);
  DeleteFileW(WideFromUtf8(folder.path() + "data\\only.txt").c_str());
  ClickListItem(*form->ListBox1, form->ListBox1->Item(0) == "only.txt" ? 0 : 1);
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0].rfind("Cannot open file \"" + folder.path() + "data\\only.txt\". ", 0), 0u);
  EXPECT_EQ(dialogs.errors[0].back(), '.');
  EXPECT_TRUE(state->gLibraryLines.lines.empty());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTest, GenerateShowsAndSavesTheArticle) {
  Open();
  PressButton(*form->btnGen);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{texts::kLoadLibraryFirst});

  folder.Write("data\\lib.txt", "\xb4\xca\xbf\xe2\r\nline two\r\n");
  PressButton(*form->btnScan);
  ClickListItem(*form->ListBox1, 0);
  form->Memo1->SetText("old article");
  PressButton(*form->btnGen);
  const std::string article = form->Memo1->Text();
  ASSERT_FALSE(article.empty());
  const std::string first = article.rfind("line two", 0) == 0 ? "line two" : "\xb4\xca\xbf\xe2";
  EXPECT_EQ(folder.Read(codec.Utf8FromCp936(first) + ".txt"), article);  // paths are UTF-8
  EXPECT_NE(article.find(texts::kKeywordInitial), std::string::npos);
  EXPECT_EQ(article.find('\r'), std::string::npos);

  // 誠信經營: the "\" that ends 誠 (D5 5C) names no folder.
  const std::string chengXinJingYing = "\xd5\x5c\xd0\xc5\xbd\x9b\xa0\x49";
  folder.Write("data\\lib.txt", chengXinJingYing);
  PressButton(*form->btnScan);
  ClickListItem(*form->ListBox1, 0);
  PressButton(*form->btnGen);
  EXPECT_EQ(folder.Read(codec.Utf8FromCp936(chengXinJingYing) + ".txt"), form->Memo1->Text());
  EXPECT_TRUE(dialogs.errors.empty());
}

// A library as Notepad saves it (UTF-8 with a mark), named with a character
// outside CP936 (한): listed, loaded, its article shown as the characters it
// holds, an emoji keyword among them, and saved with its mark under its
// first line.
TEST_F(MainWindowTest, UnicodeLibrariesGiveUnicodeArticlesAndNames) {
  const std::string han = "\xED\x95\x9C";
  const std::string name = "data\\" + han + ".txt";
  const std::string line = "\xE4\xBB\x8A\xE5\xA4\xA9" + han;  // 今天한
  const std::string emoji = "\xF0\x9F\x98\x80";
  folder.Write(name, "\xEF\xBB\xBF" + line + "\r\n");
  Open();
  ASSERT_EQ(form->ListBox1->Count(), 1);
  EXPECT_EQ(form->ListBox1->Item(0), han + ".txt");
  ClickListItem(*form->ListBox1, 0);
  EXPECT_EQ(state->gLibraryLines.lines, std::vector<std::string>{line});
  form->Memo2->SetTextUtf8(emoji);
  PressButton(*form->btnGen);
  const std::string article = form->Memo1->TextUtf8();
  EXPECT_EQ(article.substr(0, line.size() + emoji.size()), line + emoji);
  EXPECT_EQ(folder.Read(line + ".txt"), "\xEF\xBB\xBF" + article);
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(MainWindowTest, AFileNameTheSystemRefusesGoesToTheErrorDisplay) {
  for (const std::string line : {"a?b", "..\\escape", "sub/x"}) {
    folder.Write("data\\bad.txt", line);
    dialogs.errors.clear();
    Open();
    ClickListItem(*form->ListBox1, 0);
    PressButton(*form->btnGen);
    ASSERT_EQ(dialogs.errors.size(), 1u) << line;
    EXPECT_EQ(dialogs.errors[0].rfind("Cannot create file \"" + folder.path() + line + ".txt\". ", 0), 0u)
        << dialogs.errors[0];
    EXPECT_EQ(dialogs.errors[0].back(), '.');
    EXPECT_FALSE(form->Memo1->Text().empty()) << "the article stays shown";
    EXPECT_FALSE(folder.Exists("escape.txt"));
    form.reset();
  }
}

TEST_F(MainWindowTest, KeywordBoxHandsOutItsLinesAsDisplayed) {
  Open();
  form->Memo2->SetText("a\r\n\r\nb\r\n");
  EXPECT_EQ(form->Memo2->DisplayedLines(), (std::vector<std::string>{"a", "", "b"}));
  form->Memo2->SetText("");
  EXPECT_TRUE(form->Memo2->DisplayedLines().empty());

  // A keyword wider than the box comes out in the pieces the box shows.
  const std::string wide = "alpha beta gamma delta epsilon zeta eta theta iota kappa lambda";
  form->Memo2->SetText(wide);
  const auto pieces = form->Memo2->DisplayedLines();
  ASSERT_GT(pieces.size(), 1u);
  std::string joined;
  for (const auto& piece : pieces) joined += piece;
  EXPECT_EQ(joined, wide);
}

TEST_F(MainWindowTest, TopPanelShowsTheAboutBoxAndCloseOpensNoEmptyLink) {
  Open();
  Click(*form->TopPnl);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{texts::kAbout});
  Click(*form->img1);  // the slot, not the panel, takes this click: its fallback link
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(shell.urls, std::vector<std::string>{server.baseUrl()});
  form->img1->core().URL.clear();
  state->gLibraryLines = {{"x"}};
  form->Close();
  EXPECT_EQ(shell.urls.size(), 1u);  // an empty link is never handed to the shell
  EXPECT_TRUE(state->gLibraryLines.lines.empty());
  EXPECT_FALSE(IsWindow(form->hwnd()));
}

}  // namespace
}  // namespace zv::win::test

namespace zv::win::test {
namespace {

bool SameColour(Pixel a, ColorRef c) { return a.r == RedOf(c) && a.g == GreenOf(c) && a.b == BlueOf(c); }

TEST_F(MainWindowTest, TopPanelIsTheSkinsGroupBoxWithACheckBoxInItsCaption) {
  Open();
  SkinPanelWindow& top = *form->TopPnl;
  TzsSkinPanel& panel = top.panel();
  ASSERT_NE(panel.Record(), nullptr) << "the embedded skin's panel record is in force";
  EXPECT_EQ(panel.Record()->Name(), "panel");

  // Frame lines in the skin's button-shadow colour along the bottom and the
  // sides; the window's own background, the skin's client piece repeated
  // from the client's corner, shows through inside.
  const Bitmap shot = top.Snapshot();
  ASSERT_EQ(shot.width(), 791);
  ASSERT_EQ(shot.height(), 49);
  ColorRef shadow = form->zsSkinData1->SkinColors().cBtnShadow;
  if (shadow & 0xFF000000u) shadow = GetSysColor(static_cast<int>(shadow & 0xFF));
  EXPECT_TRUE(SameColour(shot.At(400, 48), shadow));
  EXPECT_TRUE(SameColour(shot.At(790, 30), shadow));
  EXPECT_TRUE(SameColour(shot.At(0, 30), shadow));
  const Rect clientPiece = form->zsSkinData1->FormInfo().clientRect;
  EXPECT_TRUE(SameColour(shot.At(200, 30),
                         ToColorRef(form->zsSkinData1->Picture().At(clientPiece.left + 200, clientPiece.top + 30))));
  const Rect band = panel.CaptionHitRect();
  EXPECT_FALSE(band.IsEmpty());

  // A click on the caption band ticks the box and enables or disables the
  // promotion slot inside the panel; the about box comes with every click.
  auto clickAt = [&](int x, int y) {
    SendMessageW(top.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(top.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
  };
  const int y = (band.top + band.bottom) / 2;
  clickAt(band.left + 5, y);
  EXPECT_TRUE(panel.Checked());
  EXPECT_TRUE(IsWindowEnabled(form->img1->hwnd()));
  clickAt(band.left + 5, y);
  EXPECT_FALSE(panel.Checked());
  EXPECT_FALSE(IsWindowEnabled(form->img1->hwnd()));
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>(2, texts::kAbout)));
}

}  // namespace
}  // namespace zv::win::test
