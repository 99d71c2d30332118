#include "win32/platform/readable_font.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zv::win {

namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
  auto& names = *reinterpret_cast<std::vector<std::wstring>*>(faces);
  const std::wstring name = font->lfFaceName;
  // "@" faces are the vertical variants.
  if (!name.empty() && name[0] != L'@' && std::find(names.begin(), names.end(), name) == names.end()) {
    names.push_back(name);
  }
  return 1;
}

std::vector<std::wstring> FacesOfCharSet(HDC dc, BYTE charSet) {
  LOGFONTW query{};
  query.lfCharSet = charSet;
  std::vector<std::wstring> faces;
  EnumFontFamiliesExW(dc, &query, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  return faces;
}

int MissingWith(HDC dc, HFONT font, std::wstring_view sample) {
  if (!font) return static_cast<int>(sample.size());
  ScopedSelect select(dc, font);
  return MissingGlyphs(dc, sample);
}

}  // namespace

int MissingGlyphs(HDC dc, std::wstring_view text) {
  std::vector<WORD> glyphs(text.size());
  const int count = static_cast<int>(text.size());
  if (GetGlyphIndicesW(dc, text.data(), count, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) !=
      static_cast<DWORD>(count)) {
    return count;
  }
  return static_cast<int>(std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}));
}

Font CreateReadableFont(const LOGFONTW& wanted, std::wstring_view sample) {
  Font best(CreateFontIndirectW(&wanted));
  MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return best;
  int bestMissing = MissingWith(dc.get(), best.get(), sample);
  if (bestMissing == 0) return best;
  for (const std::wstring& face : FacesOfCharSet(dc.get(), wanted.lfCharSet)) {
    if (face.size() >= LF_FACESIZE) continue;
    LOGFONTW other = wanted;
    face.copy(other.lfFaceName, face.size());
    other.lfFaceName[face.size()] = L'\0';
    Font candidate(CreateFontIndirectW(&other));
    const int missing = MissingWith(dc.get(), candidate.get(), sample);
    if (missing >= bestMissing) continue;
    best = std::move(candidate);
    bestMissing = missing;
    if (missing == 0) break;
  }
  return best;
}

}  // namespace zv::win
