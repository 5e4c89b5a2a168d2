#include "skin/imaging/spEffBmp.h"

namespace tmv {

TspEffectBmp::TspEffectBmp(HBITMAP bitmap) : pixels_(TFBitmap::FromHandle(bitmap)) {}

}  // namespace tmv
