#include "cli/skin_frame_command.h"

// Sections: options, the frame from the options, the four commands.
#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <map>
#include <memory>

#include "cli/cell_text_renderer.h"
#include "cli/cli_error.h"
#include "cli/json_text.h"
#include "cli/skin_render.h"
#include "cli/skin_states_sheet.h"
#include "cli/terminal_text.h"
#include "core/app/texts.h"
#include "core/base/nearest_name.h"

namespace zv {
namespace {

struct FrameArgs {
  std::string source;
  std::map<std::string, std::string> values;  // option -> value
  std::vector<std::string> flags;
  std::vector<std::string> positional;
  bool Has(const std::string& flag) const { return std::find(flags.begin(), flags.end(), flag) != flags.end(); }
};

constexpr const char* kValueOptions[] = {"--size", "--frame", "--state", "--icons", "--caption",
                                         "--hot",  "--down",  "--cell",  "--dpi",   "--states"};
constexpr const char* kFlagOptions[] = {"--json", "--inactive"};

FrameArgs ParseArgs(const std::vector<std::string>& args) {
  FrameArgs parsed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (std::find(std::begin(kValueOptions), std::end(kValueOptions), a) != std::end(kValueOptions)) {
      if (i + 1 >= args.size()) throw CliError(a + " needs a value");
      parsed.values[a] = args[++i];
    } else if (std::find(std::begin(kFlagOptions), std::end(kFlagOptions), a) != std::end(kFlagOptions)) {
      parsed.flags.push_back(a);
    } else if (a.size() > 2 && a.starts_with("--") && parsed.source.size() > 0) {
      throw CliError::UnknownOption(a);
    } else if (parsed.source.empty()) {
      parsed.source = a;
    } else {
      parsed.positional.push_back(a);
    }
  }
  if (parsed.source.empty()) throw CliError("expected a skin file or --embedded");
  return parsed;
}

}  // namespace

FrameState ParseState(const std::string& word) {
  if (word == "normal") return {};
  if (word == "maximized") return {true, false, false};
  if (word == "minimized") return {false, true, false};
  if (word == "rolledup") return {false, false, true};
  throw CliError("--state is normal, maximized, rolledup or minimized, not '" + word + "'");
}

BorderIcons ParseIcons(const std::string& list) {
  BorderIcons icons{false, false, false, false, false};
  const std::map<std::string, bool BorderIcons::*> names{{"sysmenu", &BorderIcons::systemMenu},
                                                         {"minimize", &BorderIcons::minimize},
                                                         {"maximize", &BorderIcons::maximize},
                                                         {"rollup", &BorderIcons::rollUp},
                                                         {"tray", &BorderIcons::minimizeToTray}};
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(',', start), list.size());
    const std::string name = list.substr(start, end - start);
    if (!name.empty()) {
      const auto it = names.find(name);
      if (it == names.end()) throw CliError("unknown icon '" + name + "' (sysmenu,minimize,maximize,rollup,tray)");
      icons.*(it->second) = true;
    }
    start = end + 1;
  }
  return icons;
}

namespace {

Point ParsePointArg(const std::string& text) {
  const auto comma = text.find(',');
  auto number = [&](std::string_view part) {
    int value = 0;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (ec != std::errc() || end != part.data() + part.size())
      throw CliError("expected a point X,Y, got '" + text + "'");
    return value;
  };
  if (comma == std::string::npos) throw CliError("expected a point X,Y, got '" + text + "'");
  const std::string_view all(text);
  return {number(all.substr(0, comma)), number(all.substr(comma + 1))};
}

std::string Cp936Arg(const std::string& text) {
  const auto converted = FromTerminal(text);
  if (!converted) throw CliError("'" + text + "' has a character that code page 936 lacks");
  return *converted;
}

// The skin and the frame built from it; the frame's views point into the skin.
struct LoadedFrame {
  std::unique_ptr<PackageSkin> skin;
  SkinFrame frame;
};

std::unique_ptr<LoadedFrame> LoadFrame(Files& files, const FrameArgs& args, const char* sizeOption) {
  const auto size = args.values.find(sizeOption);
  if (size == args.values.end()) throw CliError(std::string("expected ") + sizeOption + " WxH");
  const int dpi = DpiOption(args.values);
  auto loaded = std::make_unique<LoadedFrame>();
  loaded->skin = std::make_unique<PackageSkin>(LoadSkinFile(files, args.source));
  if (loaded->skin->MainPicture().width() <= 0) throw Error("the skin has no main picture");
  loaded->frame.SetSkin(FrameSkinOf(*loaded->skin, dpi));
  const auto icons = args.values.find("--icons");
  loaded->frame.SetOptions({icons == args.values.end() ? BorderIcons::All() : ParseIcons(icons->second)});
  const auto state = args.values.find("--state");
  loaded->frame.SetState(state == args.values.end() ? FrameState{} : ParseState(state->second));
  loaded->frame.Resize(ParseRenderSize(size->second));
  return loaded;
}

std::string Joined(std::initializer_list<int> values, const char* separator) {
  std::string out;
  for (const int v : values) {
    if (!out.empty()) out += separator;
    out += std::to_string(v);
  }
  return out;
}

std::string PlainRect(const Rect& r) { return Joined({r.left, r.top, r.right, r.bottom}, " "); }

std::string CommandWord(const CaptionObject& o) {
  return o.HasCommand() ? std::string(ButtonCommandWord(o.command)) : std::string();
}

std::string FrameJson(const SkinFrame& frame) {
  const Size min = frame.MinSize({});
  std::string out = "{\"size\": [";
  out.append(Joined({frame.size().width, frame.size().height}, ", "));
  out.append("], \"client\": ").append(JsonRect(frame.ClientRect()));
  out.append(", \"caption\": ").append(JsonRect(frame.CaptionRect()));
  out.append(", \"captionText\": ").append(JsonRect(frame.CaptionTextRect()));
  out.append(", \"minSize\": [").append(Joined({min.width, min.height}, ", ")).append("], \"objects\": [");
  bool first = true;
  for (const CaptionObject& o : frame.objects()) {
    const std::string command = CommandWord(o);
    out.append(first ? "{" : ", {");
    out.append("\"name\": ").append(JsonString(ToTerminal(o.Name())));
    out.append(", \"kind\": ").append(JsonString(o.record->TypeWord()));
    out.append(", \"command\": ").append(command.empty() ? "null" : JsonString(command));
    out.append(", \"rect\": ").append(JsonRect(o.rect));
    out.append(", \"visible\": ").append(o.visible ? "true" : "false");
    out.append(", \"enabled\": ").append(o.enabled ? "true" : "false").append("}");
    first = false;
  }
  out.append("]}\n");
  return out;
}

std::string FrameSummary(const SkinFrame& frame) {
  const Size min = frame.MinSize({});
  std::string out = "size: ";
  out.append(Joined({frame.size().width, frame.size().height}, " x "));
  out.append("\nclient: ").append(PlainRect(frame.ClientRect()));
  out.append("\ncaption: ").append(PlainRect(frame.CaptionRect()));
  out.append("\ncaption text: ").append(PlainRect(frame.CaptionTextRect()));
  out.append("\nminimum size: ").append(Joined({min.width, min.height}, " x ")).append("\nobjects:\n");
  for (const CaptionObject& o : frame.objects()) {
    const std::string command = CommandWord(o);
    out.append("  ").append(ToTerminal(o.Name())).append(" (").append(o.record->TypeWord());
    if (!command.empty()) out.append(", ").append(command);
    out.append("): ").append(PlainRect(o.rect));
    if (!o.visible) out.append(", hidden");
    if (!o.enabled) out.append(", disabled");
    out.append("\n");
  }
  return out;
}

CaptionObject& Named(SkinFrame& frame, const std::string& name) {
  std::vector<std::string_view> names;
  for (CaptionObject& o : frame.objects()) {
    if (o.Name() == name) return o;
    names.push_back(o.Name());
  }
  std::string list;
  for (const std::string_view n : names) list.append(list.empty() ? "" : ", ").append(n);
  const std::string_view near = NearestName(name, names);
  throw CliError("the skin has no caption object named " + name +
                 (near.empty() ? "; its" : "; did you mean " + std::string(near) + "? Its") + " caption objects are " +
                 list);
}

// The window never gets smaller than the skin allows, so neither does its picture.
void KeepMinimumSize(SkinFrame& frame, std::string* warnings) {
  const Size size = frame.size();
  const Size min = frame.MinSize({});
  if (size.width >= min.width && size.height >= min.height) return;
  const Size kept{std::max(size.width, min.width), std::max(size.height, min.height)};
  if (warnings != nullptr) {
    *warnings += "warning: " + SizeText(size) + " is under the skin's minimum " + SizeText(min) + "; rendered at " +
                 SizeText(kept) + ", as the window would be\n";
  }
  frame.Resize(kept);
}

std::unique_ptr<TextRenderer> TextOf(const FrameArgs& args) {
  const auto cell = args.values.find("--cell");
  if (cell == args.values.end()) return MakeFontTextRenderer();
  return std::make_unique<CellTextRenderer>(ParseRenderSize(cell->second));
}

// The whole skin on one sheet: every look is drawn, so no look is chosen.
std::string RunStatesSheet(Files& files, const FrameArgs& args) {
  std::vector<std::string> extra = args.flags;
  extra.insert(extra.end(), args.positional.begin(), args.positional.end());
  for (const auto& [option, value] : args.values) {
    if (option != "--states" && option != "--cell" && option != "--dpi") extra.push_back(option);
  }
  if (!extra.empty()) {
    throw CliError("--states draws every state and look; it takes only --cell and --dpi, not " + extra[0]);
  }
  const PackageSkin skin = LoadSkinFile(files, args.source);
  Bitmap sheet = RenderStatesSheet(skin, DpiOption(args.values), *TextOf(args));
  return WriteRenderedPicture(files, args.values.at("--states"), std::move(sheet), 24);
}

std::string RunRender(Files& files, const FrameArgs& args, std::string* warnings) {
  if (args.values.contains("--states")) return RunStatesSheet(files, args);
  if (args.positional.size() != 1) throw CliError("expected one output file OUT.bmp or OUT.png");
  auto loaded = LoadFrame(files, args, "--frame");
  SkinFrame& frame = loaded->frame;
  KeepMinimumSize(frame, warnings);
  if (const auto hot = args.values.find("--hot"); hot != args.values.end()) {
    CaptionObject& o = Named(frame, hot->second);
    o.active = o.mouseIn = true;
  }
  if (const auto down = args.values.find("--down"); down != args.values.end()) {
    CaptionObject& o = Named(frame, down->second);
    o.active = o.mouseIn = o.down = true;
  }
  const std::unique_ptr<TextRenderer> text = TextOf(args);
  const auto caption = args.values.find("--caption");
  const std::string captionText = caption == args.values.end() ? texts::kMainCaption : Cp936Arg(caption->second);
  const bool active = !args.Has("--inactive");
  frame.RefreshActiveLook(active, false);
  return WriteRenderedPicture(files, args.positional[0], RenderWindowFrame(frame, *text, captionText, active), 32);
}

}  // namespace

bool IsFrameCommand(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  if (args[0] == "frame" || args[0] == "hittest" || args[0] == "region") return true;
  return args[0] == "render" && (std::find(args.begin(), args.end(), "--frame") != args.end() ||
                                 std::find(args.begin(), args.end(), "--states") != args.end());
}

Bitmap RenderWindowFrame(const SkinFrame& frame, TextRenderer& text, const std::string& caption, bool active) {
  const Size size = frame.size();
  Bitmap out(size.width, size.height);
  PaintClientBackground(out.view().Sub(frame.ClientRect()), frame.skin(), Rgb(192, 192, 192));
  frame.Paint(out.view(), text, caption, active);
  KeepOnlyRegion(out.view(), frame.Region());
  return out;
}

std::string RunFrameCommand(Files& files, const std::vector<std::string>& all, std::string* warnings) {
  const FrameArgs args = ParseArgs(all);
  const std::string& command = all[0];
  if (command == "render") return RunRender(files, args, warnings);
  const auto loaded = LoadFrame(files, args, "--size");
  const SkinFrame& frame = loaded->frame;
  if (command == "frame") {
    if (!args.positional.empty()) throw CliError("unexpected argument " + args.positional[0]);
    return args.Has("--json") ? FrameJson(frame) : FrameSummary(frame);
  }
  if (command == "hittest") {
    if (args.positional.empty()) throw CliError("expected at least one point X,Y");
    std::string out;
    for (const std::string& point : args.positional) {
      const Point p = ParsePointArg(point);
      out.append(Joined({p.x, p.y}, ",")).append(" ");
      out.append(std::to_string(static_cast<int>(frame.HitTest(p, true, false)))).append("\n");
    }
    return out;
  }
  if (!args.positional.empty()) throw CliError("unexpected argument " + args.positional[0]);
  const std::vector<Rect> region = frame.Region();
  if (region.empty()) return "none\n";
  std::string out;
  for (const Rect& r : region) out.append(PlainRect(r)).append("\n");
  return out;
}

}  // namespace zv
