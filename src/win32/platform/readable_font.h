#pragma once
// Fonts that draw Latin and Chinese text alike. Asking for the GB2312
// character set makes the font mapper pick a face with Chinese glyphs, but
// on some systems that face has no Latin ones (Droid Sans Fallback under
// Wine), and text drawn straight through GDI gets no fallback: digits and
// letters come out as empty boxes. The mapper's pick is checked and, when it
// lacks glyphs, replaced by a face of the same character set that has them.
#include <windows.h>

#include <string_view>

#include "win32/platform/handles.h"

namespace zv::win {

// Printable ASCII and a sample of Chinese text with full-width punctuation
// (中文已载入库生成章关键词：。).
inline constexpr std::wstring_view kReadableSample =
    L"!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~"
    L"\u4e2d\u6587\u5df2\u8f7d\u5165\u5e93\u751f\u6210\u7ae0\u5173\u952e\u8bcd\uff1a\u3002";

// How many characters of `text` the font selected into `dc` has no glyph for
// (all of them when the font cannot tell).
int MissingGlyphs(HDC dc, std::wstring_view text);

// The font `wanted` describes, with its face replaced when the mapper's pick
// cannot draw `sample`: by the first face of the wanted character set that
// can, else by the one missing the fewest glyphs.
Font CreateReadableFont(const LOGFONTW& wanted, std::wstring_view sample = kReadableSample);

}  // namespace zv::win
