#include "ui/win32/fonts.h"

#include <algorithm>

namespace tessavik::ui {

platform::UniqueFont createControlFont(const FontSpec& spec) {
    LOGFONTA font{};
    font.lfHeight = spec.height;
    font.lfWidth = spec.width;
    font.lfEscapement = spec.escapement;
    font.lfOrientation = spec.orientation;
    font.lfWeight = spec.weight;
    font.lfItalic = spec.italic;
    font.lfUnderline = spec.underline;
    font.lfStrikeOut = spec.strikeOut;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    std::size_t length = std::min(spec.face.size(), sizeof font.lfFaceName - 1);
    std::copy_n(spec.face.data(), length, font.lfFaceName);
    return platform::UniqueFont(CreateFontIndirectA(&font));
}

HFONT defaultGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace tessavik::ui
