#pragma once

#include <windows.h>

namespace ruvelka {

// The banner picture, a JPEG kept in the program's resources, as a bitmap;
// nullptr when it cannot be decoded. The caller deletes it.
HBITMAP LoadBannerBitmap(HINSTANCE instance);

}  // namespace ruvelka
