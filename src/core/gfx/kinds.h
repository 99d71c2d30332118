#pragma once
// The kinds of drawing a skin can ask for, named as skin files name them:
// how a client piece grows, how an inactive window looks, and how one
// picture turns into another. The skin's value readers map words to these.

namespace zv {

// stFull stretches the client piece over the whole client area, stHorz to
// the client height repeated across, stVert to the client width repeated
// downwards.
enum class StretchType { stFull, stHorz, stVert };
enum class InactiveEffect { ieBrightness, ieDarkness, ieGrayscale, ieNoise, ieSplitBlur, ieInvert };
enum class MorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };

}  // namespace zv
