// The face a font draws with must have Latin and Chinese glyphs alike.
#include "win32/platform/readable_font.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace zv::win::test {
namespace {

LOGFONTW Wanted(const wchar_t* face, BYTE charSet) {
  LOGFONTW font{};
  font.lfHeight = -11;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = charSet;
  std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  return font;
}

int MissingIn(HFONT font, std::wstring_view text) {
  MemoryDc dc(CreateCompatibleDC(nullptr));
  ScopedSelect select(dc.get(), font);
  return MissingGlyphs(dc.get(), text);
}

TEST(ReadableFont, TheFaceDrawsLatinAndChineseTextAlike) {
  // What the windows ask for: the form's font and the panels' caption font.
  for (const wchar_t* face : {L"MS Sans Serif", L"Arial", L"Droid Sans Fallback"}) {
    const Font font = CreateReadableFont(Wanted(face, GB2312_CHARSET));
    ASSERT_TRUE(font);
    EXPECT_EQ(MissingIn(font.get(), kReadableSample), 0) << face;
  }
  // A Latin face the mapper finds by name is replaced by one of its
  // character set that also has the Chinese glyphs.
  const Font latin = CreateReadableFont(Wanted(L"DejaVu Sans", ANSI_CHARSET));
  EXPECT_EQ(MissingIn(latin.get(), L"Pp09:/\u4e2d\u6587"), 0);
  // An unassigned code point has a glyph in no face.
  EXPECT_EQ(MissingIn(latin.get(), L"A\u0378"), 1);
}

}  // namespace
}  // namespace zv::win::test
