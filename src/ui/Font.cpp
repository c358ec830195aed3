#include "ui/Font.h"

#include <cstring>

namespace velmora::ui {

HFONT FontCache::Get(const FontSpec& spec, int dpi) {
  auto key = std::make_tuple(spec.face, spec.height, spec.charset, spec.bold, dpi);
  auto found = fonts_.find(key);
  if (found != fonts_.end())
    return found->second.Get();

  LOGFONTA font{};
  // A negative height asks for the character height, not the cell height.
  font.lfHeight = -ScaleToDpi(spec.height, dpi);
  font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = spec.charset;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const size_t length = spec.face.size() < LF_FACESIZE - 1 ? spec.face.size() : LF_FACESIZE - 1;
  std::memcpy(font.lfFaceName, spec.face.data(), length);
  UniqueFont handle(CreateFontIndirectA(&font));
  HFONT result = handle.Get();
  fonts_.emplace(std::move(key), std::move(handle));
  return result;
}

}  // namespace velmora::ui
