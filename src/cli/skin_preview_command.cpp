#include "cli/skin_preview_command.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>

#include "cli/cell_text_renderer.h"
#include "cli/cli_error.h"
#include "cli/json_text.h"
#include "cli/preview_platform.h"
#include "cli/skin_frame_command.h"
#include "cli/skin_render.h"
#include "cli/terminal_text.h"
#include "core/app/program_strings.h"
#include "core/base/display_scale.h"
#include "core/frame/system_menu.h"
#include "core/menus/skin_hint.h"
#include "core/menus/skin_menu.h"

namespace zv {

namespace {

constexpr const char* kMenuForm =
    "expected 'skin menu FILE|--embedded --item TEXT [--item TEXT]... [--at X,Y] [--work L,T,R,B] "
    "[--max-items N] [--cell CWxCH] [--dpi N] [--json] [--render OUT]'";
constexpr const char* kSysMenuForm =
    "expected 'skin sysmenu FILE|--embedded|--program [--state normal|maximized|rolledup|minimized] [--icons LIST] "
    "[--cell CWxCH] [--dpi N] [--json] [--render OUT]'";
constexpr const char* kHintForm =
    "expected 'skin hint FILE|--embedded --text TEXT [--title TEXT] [--at X,Y] [--work L,T,R,B] "
    "[--cell CWxCH] [--dpi N] [--json] [--render OUT]'";

struct PreviewArgs {
  std::string source;
  std::vector<std::string> items;
  std::map<std::string, std::string> values;
  bool json = false;
};

// `program`: "--program" may stand for the skin file (the program's own window).
PreviewArgs ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valued, const char* form,
                      bool program = false) {
  PreviewArgs parsed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--item" || std::find(valued.begin(), valued.end(), a) != valued.end();
    if (a == "--json") {
      parsed.json = true;
    } else if (takesValue) {
      if (i + 1 >= args.size()) throw CliError(a + " needs a value; " + form);
      if (a == "--item") {
        parsed.items.push_back(args[++i]);
      } else if (!parsed.values.emplace(a, args[++i]).second) {
        throw CliError(a + " given twice");
      }
    } else if (parsed.source.empty() && (a == "--embedded" || (program && a == "--program") || a.rfind("--", 0) != 0)) {
      parsed.source = a;
    } else if (a.starts_with("--")) {
      throw CliError::UnknownOption(a);
    } else {
      throw CliError("unexpected '" + a + "'; " + form);
    }
  }
  if (parsed.source.empty()) throw CliError(std::string("no skin file; ") + form);
  return parsed;
}

std::vector<int> ParseNumbers(const std::string& text, std::size_t count, const char* what) {
  std::vector<int> numbers;
  std::string_view rest(text);
  while (true) {
    int value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || value < -100000 || value > 100000) break;
    numbers.push_back(value);
    rest.remove_prefix(end - rest.data());
    if (rest.empty() || rest.front() != ',') break;
    rest.remove_prefix(1);
  }
  if (numbers.size() != count || !rest.empty())
    throw CliError(std::string("expected ") + what + ", got '" + text + "'");
  return numbers;
}

std::string Cp936(const std::string& text) {
  std::optional<std::string> converted = FromTerminal(text);
  if (!converted) throw CliError("'" + text + "' holds a character that code page 936 lacks");
  return *converted;
}

// JSON is UTF-8 everywhere; the Windows console's text is not.
std::string Utf8Of(const std::string& cp936) {
#ifdef _WIN32
  const int n = MultiByteToWideChar(936, 0, cp936.data(), static_cast<int>(cp936.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(936, 0, cp936.data(), static_cast<int>(cp936.size()), wide.data(), n);
  const int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(m), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, utf8.data(), m, nullptr, nullptr);
  return utf8;
#else
  return ToTerminal(cp936);
#endif
}

std::string JsonOfCp936(const std::string& cp936) { return JsonString(Utf8Of(cp936)); }

std::string FourNumbers(const Rect& r, const char* format) {
  char text[96];
  std::snprintf(text, sizeof text, format, r.left, r.top, r.right, r.bottom);
  return text;
}

std::string JsonRects(const std::vector<Rect>& rects) {
  std::string out = "[";
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (i) out += ", ";
    out += JsonRect(rects[i]);
  }
  return out + "]";
}

std::string TextRect(const Rect& r) { return FourNumbers(r, "(%d, %d)-(%d, %d)"); }

struct Common {
  Point at;
  Rect work{0, 0, 1920, 1040};
  int dpi = kBaseDpi;
  std::unique_ptr<TextRenderer> ownText;
  TextRenderer* text = nullptr;
};

Common ReadCommon(const PreviewArgs& a, TextRenderer* given) {
  Common c;
  c.dpi = DpiOption(a.values);
  if (auto it = a.values.find("--at"); it != a.values.end()) {
    const auto n = ParseNumbers(it->second, 2, "X,Y");
    c.at = {n[0], n[1]};
  }
  if (auto it = a.values.find("--work"); it != a.values.end()) {
    const auto n = ParseNumbers(it->second, 4, "L,T,R,B");
    c.work = {n[0], n[1], n[2], n[3]};
    if (c.work.IsEmpty()) throw CliError("the work area " + it->second + " is empty");
  }
  if (given) {
    c.text = given;
  } else if (auto it = a.values.find("--cell"); it != a.values.end()) {
    const Size cell = ParseRenderSize(it->second);
    c.ownText = std::make_unique<CellTextRenderer>(cell.width, cell.height);
  } else {
    c.ownText = MakeFontTextRenderer();
  }
  if (!c.text) c.text = c.ownText.get();
  return c;
}

// With --render, the window's picture goes to the file named, and the
// summary says so.
template <typename Window>
void RenderIfAsked(Files& files, const PreviewArgs& a, const Window& w, std::ostringstream& out) {
  const auto it = a.values.find("--render");
  if (it == a.values.end()) return;
  Bitmap picture(w.WindowSize().width, w.WindowSize().height);
  w.Paint(picture.view());
  KeepOnlyRegion(picture.view(), w.Region());
  const std::string line = WriteRenderedPicture(files, it->second, std::move(picture), 32);
  if (!a.json) out << line;
}

// The menu opened at --at with the items of `root`; `named` adds each
// item's name (null for a separator) and whether it is the default item.
std::string ShowMenu(Files& files, const PreviewArgs& a, const Common& c, MenuNode& root, int maxItems, bool named) {
  const PackageSkin skin = LoadSkinFile(files, a.source);
  PreviewPlatform platform(*c.text, c.work);
  TzsSkinMenu menu(platform, nullptr);
  menu.Options.maxMenuItemsInWindow = maxItems;
  menu.Open(nullptr, MenuSkinOf(skin, c.dpi), root, {c.at.x, c.at.y, c.at.x, c.at.y});
  TzsSkinPopupWindow& w = *menu.Top();
  std::ostringstream out;
  if (a.json) {
    out << "{\"window\": " << JsonRect(w.Bounds()) << ", \"itemsRect\": " << JsonRect(w.ItemsRect())
        << ", \"items\": [";
    for (std::size_t i = 0; i < w.Items().size(); ++i) {
      const TzsSkinMenuItem& item = w.Items()[i];
      out << (i ? ", " : "") << "{\"caption\": " << JsonOfCp936(item.node->caption);
      if (named) {
        out << ", \"name\": " << (item.node->name.empty() ? "null" : JsonOfCp936(item.node->name))
            << ", \"default\": " << (item.node->isDefault ? "true" : "false");
      }
      out << ", \"shortcut\": " << (item.node->shortcut.empty() ? "null" : JsonOfCp936(item.node->shortcut))
          << ", \"rect\": " << JsonRect(item.rect) << ", \"visible\": " << (item.visible ? "true" : "false") << "}";
    }
    out << "], \"region\": " << JsonRects(w.Region()) << "}\n";
  } else {
    out << "window " << TextRect(w.Bounds()) << ", " << w.WindowSize().width << " x " << w.WindowSize().height
        << (w.Scrollable() ? ", scrolls" : "") << "\nitems " << TextRect(w.ItemsRect()) << "\n";
    for (const TzsSkinMenuItem& item : w.Items()) {
      out << "  " << (item.visible ? TextRect(item.rect) : std::string("(hidden)")) << "  "
          << ToTerminal(item.node->caption);
      if (!item.node->shortcut.empty()) out << "  [" << ToTerminal(item.node->shortcut) << "]";
      if (named && !item.node->name.empty())
        out << "  " << item.node->name << (item.node->isDefault ? " (default)" : "");
      out << "\n";
    }
    out << "region " << w.Region().size() << " rectangles\n";
  }
  RenderIfAsked(files, a, w, out);
  return out.str();
}

std::string RunMenu(Files& files, const std::vector<std::string>& args, TextRenderer* given) {
  const PreviewArgs a = ParseArgs(args, {"--at", "--work", "--max-items", "--cell", "--dpi", "--render"}, kMenuForm);
  if (a.items.empty()) throw CliError(std::string("no --item; ") + kMenuForm);
  Common c = ReadCommon(a, given);
  MenuNode root;
  for (const std::string& text : a.items) {
    const std::string item = Cp936(text);
    MenuNode node;
    const std::size_t tab = item.find('\t');
    node.caption = item.substr(0, tab);
    if (tab != std::string::npos) node.shortcut = item.substr(tab + 1);
    root.children.push_back(std::move(node));
  }
  int maxItems = 0;
  if (auto it = a.values.find("--max-items"); it != a.values.end()) {
    maxItems = ParseNumbers(it->second, 1, "a count N")[0];
    if (maxItems < 0) throw CliError("--max-items must not be negative");
  }
  return ShowMenu(files, a, c, root, maxItems, false);
}

// The window's own menu for a state, as the skinned frame shows it: with
// the engine's built-in texts for a skin, with the program's for --program.
std::string RunSysMenu(Files& files, const std::vector<std::string>& args, TextRenderer* given) {
  PreviewArgs a = ParseArgs(args, {"--state", "--icons", "--cell", "--dpi", "--render"}, kSysMenuForm, true);
  std::optional<TzsResourceStrData> strings;
  if (a.source == "--program") {
    strings = ProgramResourceStrings();
    a.source = "--embedded";
  }
  if (!a.items.empty()) throw CliError(std::string("unexpected '--item'; ") + kSysMenuForm);
  const Common c = ReadCommon(a, given);
  SystemMenuWindow window;
  if (auto it = a.values.find("--state"); it != a.values.end()) {
    const FrameState state = ParseState(it->second);
    window.state = state.maximized   ? WindowState::wsMaximized
                   : state.minimized ? WindowState::wsMinimized
                                     : WindowState::wsNormal;
    window.rolledUp = state.rolledUp;
  }
  const auto icons = a.values.find("--icons");
  const BorderIcons shown = icons == a.values.end() ? BorderIcons::All() : ParseIcons(icons->second);
  window.minimizeIcon = shown.minimize;
  window.maximizeIcon = shown.maximize;
  window.rollUpIcon = shown.rollUp;
  window.minimizeToTrayIcon = shown.minimizeToTray;
  MenuNode root;
  for (const SystemMenuItem& item : DefaultSystemMenu(window, strings ? &*strings : nullptr)) {
    root.children.push_back(MenuNodeOf(item));
  }
  return ShowMenu(files, a, c, root, 0, true);
}

std::string RunHint(Files& files, const std::vector<std::string>& args, TextRenderer* given) {
  const PreviewArgs a = ParseArgs(args, {"--text", "--title", "--at", "--work", "--cell", "--dpi", "--render"}, kHintForm);
  const auto text = a.values.find("--text");
  if (text == a.values.end()) throw CliError(std::string("no --text; ") + kHintForm);
  Common c = ReadCommon(a, given);
  HintContent content{Cp936(text->second), "", nullptr, 0};
  if (auto it = a.values.find("--title"); it != a.values.end()) content.title = Cp936(it->second);
  const PackageSkin skin = LoadSkinFile(files, a.source);
  const MenuSkin menuSkin = MenuSkinOf(skin, c.dpi);
  PreviewPlatform platform(*c.text, c.work);
  TzsSkinHint hint(platform, menuSkin);
  hint.ShowAt(c.at, content);
  TzsSkinHintWindow& w = hint.Window();
  std::ostringstream out;
  if (a.json) {
    out << "{\"window\": " << JsonRect(w.Bounds()) << ", \"client\": " << JsonRect(w.Client())
        << ", \"region\": " << JsonRects(w.Region()) << "}\n";
  } else {
    out << "window " << TextRect(w.Bounds()) << ", " << w.WindowSize().width << " x " << w.WindowSize().height
        << (w.Skinned() ? "" : ", plain look") << "\nclient " << TextRect(w.Client()) << "\nregion "
        << w.Region().size() << " rectangles\n";
  }
  RenderIfAsked(files, a, w, out);
  return out.str();
}

}  // namespace

std::string RunSkinPreview(Files& files, const std::vector<std::string>& args, TextRenderer* text) {
  if (!args.empty() && args[0] == "menu") return RunMenu(files, args, text);
  if (!args.empty() && args[0] == "hint") return RunHint(files, args, text);
  if (!args.empty() && args[0] == "sysmenu") return RunSysMenu(files, args, text);
  throw CliError("expected 'skin menu ...', 'skin sysmenu ...' or 'skin hint ...'");
}

}  // namespace zv
