#include "ui/Font.h"

#include <cstring>

namespace velmora::ui {

HFONT FontCache::Get(const FontSpec& wanted, int dpi) {
  auto key = std::make_tuple(wanted.face, wanted.height, wanted.charset, wanted.bold, dpi);
  auto found = fonts_.find(key);
  if (found != fonts_.end())
    return found->second.Get();

  LOGFONTA font{};
  // A negative height asks for the character height, not the cell height.
  font.lfHeight = -ScaleToDpi(wanted.height, dpi);
  font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = wanted.charset;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const size_t length = wanted.face.size() < LF_FACESIZE - 1 ? wanted.face.size() : LF_FACESIZE - 1;
  std::memcpy(font.lfFaceName, wanted.face.data(), length);
  UniqueFont handle(CreateFontIndirectA(&font));
  HFONT result = handle.Get();
  fonts_.emplace(std::move(key), std::move(handle));
  return result;
}

}  // namespace velmora::ui
