#include "app/Confirmation.h"

#include "app/MainTexts.h"

namespace velmora {

// Japanese systems have the face, and Wine maps it to a Japanese font of its own.
const ConfirmBoxLook kConfirmBox{text::kConfirmCaption, text::kConfirmYes, text::kConfirmNo,
                                 text::kFontFace, 9};

}  // namespace velmora
