// Sections: the checker's frame; the text; PICTURES; the list sections and
// their records; the keys of one section; pictures (masks, unused, alpha).
#include "core/skin/check/skin_check.h"

#include <algorithm>
#include <array>

#include "core/base/cp936.h"
#include "core/base/nearest_name.h"
#include "core/base/string_list.h"
#include "core/base/text_file.h"
#include "core/skin/check/key_facts.h"
#include "core/skin/control_records.h"
#include "core/skin/global_sections.h"
#include "core/skin/ini_text.h"
#include "core/skin/object_records.h"
#include "core/skin/rect_rules.h"
#include "core/skin/skin_folder.h"

namespace zv {
namespace {

constexpr std::string_view kPictures = "PICTURES";
constexpr std::array<std::string_view, 8> kGlobalSections{"VERSION",    "PICTURES",   "FORMINFO",    "POPUPWINDOW",
                                                          "HINTWINDOW", "SKINCOLORS", "SKINOBJECTS", "SKINCONTROLS"};

bool SameName(std::string_view a, std::string_view b) { return AnsiUpperKey(a) == AnsiUpperKey(b); }

// The index a list key stands for when it is a plain decimal number.
std::optional<int> ListKeyIndex(std::string_view key) {
  if (key.empty() || (key.size() > 1 && key.front() == '0')) return std::nullopt;
  if (!std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  return ParseIniInteger(key);
}

std::string DidYouMean(std::string_view word, std::span<const std::string_view> known, std::string_view open = "'",
                       std::string_view close = "'") {
  const std::string_view near = NearestName(word, known);
  if (near.empty()) return "";
  return "; did you mean " + std::string(open) + std::string(near) + std::string(close) + "?";
}

std::string SizeText(const BmpPicture& picture) {
  return std::to_string(picture.bitmap.width()) + " x " + std::to_string(picture.bitmap.height());
}

bool IsHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// The first line (from 1) CP936 does not read as meant, 0 for none: in a
// UTF-8 text one holding any byte above 0x7F, else one with a byte that
// starts no CP936 character.
int FirstSuspectLine(std::string_view text, bool utf8) {
  int number = 0;
  int found = 0;
  ForEachLine(text, [&](std::string_view line) {
    ++number;
    if (found != 0) return;
    bool suspect = utf8 && std::any_of(line.begin(), line.end(), IsHigh);
    ForEachSingleByte(line, [&](std::size_t, char c) { suspect = suspect || IsHigh(c); });
    if (suspect) found = number;
  });
  return found;
}

bool SameSize(const BmpPicture& a, const BmpPicture& b) {
  return a.bitmap.width() == b.bitmap.width() && a.bitmap.height() == b.bitmap.height();
}

bool AlphaIsUniform(const BmpPicture& picture) {
  const auto& pixels = picture.bitmap.pixels();
  return std::all_of(pixels.begin(), pixels.end(), [&](const Pixel& p) { return p.a == pixels.front().a; });
}

class SkinChecker {
 public:
  explicit SkinChecker(const SkinUnderCheck& skin)
      : skin_(skin), ini_(IniText::Parse(skin.text)), used_(skin.activePictures.size(), false) {
    names_.LoadFromIni(ini_);
  }

  std::vector<SkinFinding> Run() {
    CheckText();
    for (const char* section : kRequiredSkinSections) {
      if (!ini_.HasSection(section)) Report(FindingLevel::kError, section, "", "the section is missing");
    }
    CheckPictureList();
    CheckGlobalRecords();
    CheckFramePieces();
    CheckList("SKINOBJECTS", "object", ObjectTypeWords(), CreateObjectRecord);
    CheckList("SKINCONTROLS", "control", ControlTypeWords(), CreateControlRecord);
    CheckStraySections();
    CheckPictures();
    return std::move(findings_);
  }

 private:
  void Report(FindingLevel level, std::string_view section, std::string_view key, std::string message) {
    const int line = key.empty() ? ini_.SectionLine(section) : ini_.KeyLine(section, key);
    findings_.push_back(
        {level, skin_.definitionFile, std::string(section), std::string(key), line, std::move(message)});
  }
  void ReportAt(FindingLevel level, int line, std::string message) {
    findings_.push_back({level, skin_.definitionFile, "", "", line, std::move(message)});
  }
  void ReportPicture(FindingLevel level, const std::string& file, std::string message) {
    findings_.push_back(
        {level, file.empty() ? skin_.definitionFile : skin_.pictureFolder + file, "", "", 0, std::move(message)});
  }

  // --- the text ---
  void CheckText() {
    const std::string_view text = skin_.text;
    if (text.starts_with("\xEF\xBB\xBF")) {
      ReportAt(FindingLevel::kError, 1,
               "the text starts with a UTF-8 byte-order mark, so its first section is not found; a skin file holds "
               "CP936 text");
      return;
    }
    const bool utf8 = DetectFileEncoding(text) == FileEncoding::kUtf8;
    if (const int line = FirstSuspectLine(text, utf8)) {
      ReportAt(FindingLevel::kWarning, line,
               utf8 ? "the text is UTF-8 without a byte-order mark, but it is read as CP936, so its Chinese shows "
                      "garbled; save it as UTF-8 with a byte-order mark or as GBK"
                    : "the line holds bytes that are not CP936 text");
    }
  }

  // --- PICTURES ---
  void CheckPictureList() {
    const int count = ini_.ReadInteger(kPictures, "activepicturescount", 0);
    std::vector<std::string_view> known{"picture", "inactivepicture", "mask", "activepicturescount"};
    for (const std::string_view key : ini_.Keys(kPictures)) {
      if (const auto index = ListKeyIndex(key)) {
        if (*index >= count) {
          Report(FindingLevel::kWarning, kPictures, key,
                 "not read: activepicturescount is " + std::to_string(count) + ", so the list ends at " +
                     std::to_string(count - 1));
        }
      } else if (std::none_of(known.begin(), known.end(), [&](std::string_view k) { return SameName(k, key); })) {
        Report(FindingLevel::kWarning, kPictures, key, "unknown key" + DidYouMean(key, known));
      }
    }
    for (int i = 0; i < count; ++i) {
      if (!ini_.Find(kPictures, std::to_string(i))) {
        Report(FindingLevel::kError, kPictures, "activepicturescount",
               "activepicturescount is " + std::to_string(count) + ", but the list has no key '" + std::to_string(i) +
                   "'");
        break;
      }
    }
    if (names_.picture.empty())
      Report(FindingLevel::kError, kPictures, "picture", "no main picture: the window has no frame");
  }

  // The active picture `index` names, or nullptr when it is out of range or unreadable.
  const BmpPicture* Active(int index) const {
    if (index < 0 || index >= static_cast<int>(skin_.activePictures.size())) return nullptr;
    const auto& picture = skin_.activePictures[index];
    return picture ? &*picture : nullptr;
  }

  std::string ActiveName(int index) const {
    std::string out = "picture " + std::to_string(index);
    if (index >= 0 && index < static_cast<int>(names_.activePictures.size())) {
      out += " (" + names_.activePictures[index];
      if (const BmpPicture* picture = Active(index)) out += ", " + SizeText(*picture);
      out += ")";
    }
    return out;
  }

  // --- the global sections and the list sections ---
  void CheckGlobalRecords() {
    SkinVersionInfo version;
    CheckSection("VERSION", KeyFactsOf(version), nullptr, {"ver"});
    SkinFormInfo formInfo;
    CheckSection("FORMINFO", KeyFactsOf(formInfo), skin_.picture ? &*skin_.picture : nullptr);
    TzsDataSkinPopupWindow popup;
    CheckSection("POPUPWINDOW", KeyFactsOf(popup), nullptr);
    TzsDataSkinHintWindow hint;
    CheckSection("HINTWINDOW", KeyFactsOf(hint), nullptr);
    TzsSkinColors colors;
    CheckSection("SKINCOLORS", KeyFactsOf(colors), nullptr);
    if (skin_.picture && skin_.mask && !SameSize(*skin_.picture, *skin_.mask)) {
      Report(FindingLevel::kError, kPictures, "mask",
             "the mask (" + SizeText(*skin_.mask) + ") and the main picture (" + SizeText(*skin_.picture) +
                 ") differ in size, so the window's shape is cut wrong");
    }
  }

  // The frame's four bands are cut from the main picture at the corner
  // points; without a client rectangle the whole picture is frame.
  void CheckFramePieces() {
    if (!skin_.picture || !ini_.HasSection("FORMINFO")) return;
    SkinFormInfo info;
    try {
      info.LoadFromIni(ini_, !names_.mask.empty());
    } catch (const Error&) {
      return;  // the values it cannot read are reported with their keys
    }
    if (IsNullRect(info.clientRect)) return;
    constexpr std::string_view kPoints[] = {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"};
    if (std::none_of(std::begin(kPoints), std::end(kPoints),
                     [&](std::string_view key) { return ini_.Find("FORMINFO", key).has_value(); })) {
      Report(FindingLevel::kError, "FORMINFO", "",
             "none of the corner points lefttoppoint, righttoppoint, leftbottompoint and rightbottompoint is given, "
             "so the frame's bands have no middle to repeat and are not drawn at all");
      return;
    }
    const Size picture{skin_.picture->bitmap.width(), skin_.picture->bitmap.height()};
    CheckFrameBands(info, picture);
    CheckFrameMinimum(info, picture.width);
  }

  // Each band repeats or stretches its middle between two points; a band
  // without one is not drawn at all.
  void CheckFrameBands(const SkinFormInfo& info, Size picture) {
    const Rect& client = info.clientRect;
    struct Band {
      const char* name;
      bool shown;  // the client rectangle leaves room for it
      int from, to;
      std::string_view first, second;
    };
    const Band bands[] = {
        {"top", client.top > 0, info.leftTopPoint.x, info.rightTopPoint.x, "lefttoppoint", "righttoppoint"},
        {"bottom", client.bottom < picture.height, info.leftBottomPoint.x, info.rightBottomPoint.x, "leftbottompoint",
         "rightbottompoint"},
        {"left", client.left > 0, info.leftTopPoint.y, info.leftBottomPoint.y, "lefttoppoint", "leftbottompoint"},
        {"right", client.right < picture.width, info.rightTopPoint.y, info.rightBottomPoint.y, "righttoppoint",
         "rightbottompoint"},
    };
    for (const Band& band : bands) {
      if (!band.shown || band.to > band.from) continue;
      Report(FindingLevel::kError, "FORMINFO", ini_.Find("FORMINFO", band.second) ? band.second : "",
             "the frame's " + std::string(band.name) + " band has no middle between " + std::string(band.first) +
                 " and " + std::string(band.second) + " (" + std::to_string(band.from) + " to " +
                 std::to_string(band.to) + "), so it is not drawn at all");
    }
  }

  // The pieces beside the middles keep their width, so a window as narrow
  // as formminwidth must hold them; narrower, they draw over each other.
  void CheckFrameMinimum(const SkinFormInfo& info, int pictureWidth) {
    const int fixed = std::max(info.leftTopPoint.x + pictureWidth - info.rightTopPoint.x,
                               info.leftBottomPoint.x + pictureWidth - info.rightBottomPoint.x);
    if (info.formMinWidth <= 0 || info.formMinWidth >= fixed) return;
    Report(FindingLevel::kWarning, "FORMINFO", "formminwidth",
           std::to_string(info.formMinWidth) + " is narrower than the frame's fixed pieces (" + std::to_string(fixed) +
               " pixels of the main picture beside its corner points), so a window that narrow draws them over "
               "each other; make it at least " +
               std::to_string(fixed));
  }

  template <class Create>
  void CheckList(std::string_view section, std::string_view what, std::span<const std::string_view> typeWords,
                 Create create) {
    const int count = ini_.ReadInteger(section, "count", 0);
    for (const std::string_view key : ini_.Keys(section)) {
      const auto index = ListKeyIndex(key);
      if (!index && !SameName(key, "count")) {
        Report(FindingLevel::kWarning, section, key, "unknown key: the list has only 'count' and '0', '1', ...");
      } else if (index && *index >= count) {
        Report(FindingLevel::kWarning, section, key,
               "not read: count is " + std::to_string(count) + ", so the list ends at " + std::to_string(count - 1));
      } else if (index) {
        CheckEntry(section, key, what, typeWords, create);
      }
    }
  }

  template <class Create>
  void CheckEntry(std::string_view section, std::string_view key, std::string_view what,
                  std::span<const std::string_view> typeWords, Create create) {
    const std::string entry(*ini_.Find(section, key));
    const std::size_t colon = entry.find(':');
    if (colon == std::string::npos) {
      Report(FindingLevel::kError, section, key,
             "'" + entry + "' is not NAME:TYPE, so the " + std::string(what) + " is skipped");
      return;
    }
    const std::string name = entry.substr(0, colon);
    const std::string type = entry.substr(colon + 1);
    auto record = create(type, name);
    if (!record) {
      Report(FindingLevel::kError, section, key,
             "unknown " + std::string(what) + " type '" + type + "', so " + name + " is skipped" +
                 DidYouMean(type, typeWords));
      return;
    }
    listed_.push_back(AnsiUpperKey(name));
    if (!ini_.HasSection(name)) {
      missingSections_.push_back(name);
      Report(FindingLevel::kError, section, key,
             "the " + std::string(what) + " " + name + " has no section [" + name +
                 "], so it reads every key's default" + DidYouMean(name, ini_.SectionNames(), "[", "]"));
      return;
    }
    CheckSection(name, KeyFactsOf(*record), nullptr);
  }

  void CheckStraySections() {
    std::vector<std::string_view> candidates(missingSections_.begin(), missingSections_.end());
    for (const std::string_view name : ini_.SectionNames()) {
      const std::string upper = AnsiUpperKey(name);
      const bool global = std::find(kGlobalSections.begin(), kGlobalSections.end(), upper) != kGlobalSections.end();
      if (global || std::find(listed_.begin(), listed_.end(), upper) != listed_.end()) continue;
      std::vector<std::string_view> all(candidates);
      all.insert(all.end(), kGlobalSections.begin(), kGlobalSections.end());
      Report(FindingLevel::kWarning, name, "",
             "the section is listed in neither SKINOBJECTS nor SKINCONTROLS, so nothing reads it" +
                 DidYouMean(name, all, "[", "]"));
    }
  }

  // --- the keys of one section ---
  // `picture` is what the section's rectangles cut from when it names no
  // active picture itself (FORMINFO: the main picture).
  void CheckSection(std::string_view section, const std::vector<KeyFact>& facts, const BmpPicture* picture,
                    std::vector<std::string_view> extra = {}) {
    CheckUnknownKeys(section, facts, extra);
    if (!ini_.HasSection(section)) return;
    // An object's rectangles lie in the main picture unless it says otherwise.
    const bool hasPlacement =
        std::any_of(facts.begin(), facts.end(), [](const KeyFact& f) { return f.name == "skinrectinapicture"; });
    if (hasPlacement && ini_.ReadInteger(section, "skinrectinapicture", 0) != 1 && skin_.picture) {
      picture = &*skin_.picture;
    }
    for (const KeyFact& fact : facts) {
      if (fact.unit != KeyUnit::kIndex || fact.name.find("mask") != std::string_view::npos) continue;
      if (!picture) picture = Active(ini_.ReadInteger(section, fact.name, -1));
    }
    for (const KeyFact& fact : facts) {
      if (const auto value = ini_.Find(section, fact.name)) CheckValue(section, fact, *value, picture);
    }
    CheckMaskPairs(section, facts);
  }

  void CheckUnknownKeys(std::string_view section, const std::vector<KeyFact>& facts,
                        std::vector<std::string_view> known) {
    for (const KeyFact& fact : facts) known.push_back(fact.name);
    for (const std::string_view key : ini_.Keys(section)) {
      if (std::none_of(known.begin(), known.end(), [&](std::string_view k) { return SameName(k, key); })) {
        Report(FindingLevel::kWarning, section, key, "unknown key, so it is not read" + DidYouMean(key, known));
      }
    }
  }

  void CheckValue(std::string_view section, const KeyFact& fact, std::string_view value, const BmpPicture* picture) {
    const std::string quoted = "'" + std::string(value) + "'";
    switch (fact.type) {
      case KeyType::kInteger:
      case KeyType::kColor:
        if (!ParseIniInteger(value)) {
          Report(FindingLevel::kWarning, section, fact.name,
                 quoted + " is not a number, so it reads as " + std::string(fact.missing));
        } else if (fact.unit == KeyUnit::kIndex) {
          CheckPictureIndex(section, fact.name, *ParseIniInteger(value));
        }
        break;
      case KeyType::kBoolean:
        if (value != "0" && value != "1") {
          Report(FindingLevel::kWarning, section, fact.name, quoted + " reads as false: only 1 is true");
        }
        break;
      case KeyType::kWord:
        if (!fact.knownWord(value)) {
          Report(FindingLevel::kWarning, section, fact.name, quoted + " is not one of " + std::string(fact.words));
        }
        break;
      case KeyType::kPoint:
        CheckPoint(section, fact, value, picture);
        break;
      case KeyType::kRect:
        CheckRect(section, fact, value, picture);
        break;
      case KeyType::kText:
      case KeyType::kFontStyle:
        break;
    }
  }

  void CheckPictureIndex(std::string_view section, std::string_view key, int index) {
    if (index == -1) return;
    const int count = static_cast<int>(skin_.activePictures.size());
    if (index < 0 || index >= count) {
      Report(FindingLevel::kError, section, key,
             "picture " + std::to_string(index) + " is not in the list: PICTURES has " + std::to_string(count) +
                 " active pictures" + (count > 0 ? " (0 to " + std::to_string(count - 1) + ")" : "") +
                 "; -1 means none");
      return;
    }
    used_[index] = true;
  }

  void CheckPoint(std::string_view section, const KeyFact& fact, std::string_view value, const BmpPicture* picture) {
    Point p;
    try {
      p = ParsePoint(value);
    } catch (const ConvertError&) {
      Report(FindingLevel::kError, section, fact.name, "'" + std::string(value) + "' is not a point: two numbers X,Y");
      return;
    }
    if (picture && SameName(section, "FORMINFO") &&
        (p.x < 0 || p.y < 0 || p.x > picture->bitmap.width() || p.y > picture->bitmap.height())) {
      Report(FindingLevel::kError, section, fact.name,
             "the point " + std::string(value) + " lies outside the main picture (" + SizeText(*picture) + ")");
    }
  }

  void CheckRect(std::string_view section, const KeyFact& fact, std::string_view value, const BmpPicture* picture) {
    Rect r;
    try {
      r = ParseRect(value);
    } catch (const ConvertError&) {
      Report(FindingLevel::kError, section, fact.name,
             "'" + std::string(value) + "' is not a rectangle: four numbers LEFT,TOP,RIGHT,BOTTOM");
      return;
    }
    const bool drawn = fact.unit == KeyUnit::kLook || (SameName(section, "FORMINFO") && fact.name == "clientrect");
    if (!drawn || !picture || IsNullRect(r)) return;
    if (r.left < 0 || r.top < 0 || r.right > picture->bitmap.width() || r.bottom > picture->bitmap.height() ||
        r.right < r.left || r.bottom < r.top) {
      Report(FindingLevel::kError, section, fact.name,
             "the rectangle " + std::string(value) + " does not lie within its picture (" + SizeText(*picture) + ")");
    }
  }

  // A picture and the mask that shapes it must be the same size, or the
  // mask's cut leaves black bands.
  void CheckMaskPairs(std::string_view section, const std::vector<KeyFact>& facts) {
    for (const KeyFact& mask : facts) {
      const std::size_t at = mask.name.find("mask");
      if (mask.unit != KeyUnit::kIndex || at == std::string_view::npos) continue;
      std::string shaped = std::string(mask.name.substr(0, at)) + std::string(mask.name.substr(at + 4));
      if (std::none_of(facts.begin(), facts.end(), [&](const KeyFact& f) { return f.name == shaped; })) {
        shaped = "windowpictureindex";
      }
      const int maskIndex = ini_.ReadInteger(section, mask.name, -1);
      const int shapedIndex = ini_.ReadInteger(section, shaped, -1);
      const BmpPicture* a = Active(shapedIndex);
      const BmpPicture* b = Active(maskIndex);
      if (!a || !b || SameSize(*a, *b)) continue;
      Report(FindingLevel::kError, section, mask.name,
             "the mask " + ActiveName(maskIndex) + " and the " + ActiveName(shapedIndex) +
                 " it shapes differ in size, so the shape leaves black bands");
    }
  }

  // --- pictures ---
  void CheckPictures() {
    for (std::size_t i = 0; i < used_.size(); ++i) {
      if (!used_[i] && skin_.activePictures[i]) {
        ReportPicture(FindingLevel::kWarning, PictureFile(i), ActiveName(static_cast<int>(i)) + " is used by no key");
      }
    }
    const auto alpha = [&](const std::optional<BmpPicture>& picture, const std::string& file) {
      if (picture && picture->bitCount == 32 && !AlphaIsUniform(*picture)) {
        ReportPicture(FindingLevel::kWarning, file,
                      "the picture has an alpha channel, which the skin ignores: transparency comes from masks");
      }
    };
    alpha(skin_.picture, names_.picture);
    alpha(skin_.inactivePicture, names_.inactivePicture);
    alpha(skin_.mask, names_.mask);
    for (std::size_t i = 0; i < skin_.activePictures.size(); ++i) alpha(skin_.activePictures[i], PictureFile(i));
  }

  std::string PictureFile(std::size_t index) const {
    return index < names_.activePictures.size() ? names_.activePictures[index] : "";
  }

  const SkinUnderCheck& skin_;
  IniText ini_;
  SkinPictureNames names_;
  std::vector<SkinFinding> findings_;
  std::vector<bool> used_;                    // per active picture: named by some key
  std::vector<std::string> listed_;           // upper-cased names of the listed records
  std::vector<std::string> missingSections_;  // listed records without a section
};

}  // namespace

std::vector<SkinFinding> CheckSkin(const SkinUnderCheck& skin) { return SkinChecker(skin).Run(); }

bool HasErrors(const std::vector<SkinFinding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const SkinFinding& f) { return f.level == FindingLevel::kError; });
}

std::string FindingText(const SkinFinding& f) {
  std::string out = f.level == FindingLevel::kError ? "error: " : "warning: ";
  out += f.file;
  if (f.line > 0) out += ":" + std::to_string(f.line);
  out += ": ";
  if (!f.section.empty()) out += "[" + f.section + "] ";
  if (!f.key.empty()) out += f.key + ": ";
  return out + f.message;
}

}  // namespace zv
