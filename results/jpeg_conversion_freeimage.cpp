#include "results/jpeg_conversion_freeimage.h"

#include <FreeImage.h>

namespace {

// The library is set up for one conversion and released after it. TRUE: only the
// plugins built in; nothing is searched for beside the program.
class FreeImageSession {
 public:
  FreeImageSession() { FreeImage_Initialise(TRUE); }
  ~FreeImageSession() { FreeImage_DeInitialise(); }
  FreeImageSession(const FreeImageSession&) = delete;
  FreeImageSession& operator=(const FreeImageSession&) = delete;
};

class Image {
 public:
  explicit Image(FIBITMAP* image) : image_(image) {}
  ~Image() {
    if (image_) FreeImage_Unload(image_);
  }
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  FIBITMAP* get() const { return image_; }

 private:
  FIBITMAP* image_;
};

}  // namespace

bool ConvertBitmapToJpegWithFreeImage(const char* bitmapPath, const char* jpegPath) {
  FreeImageSession session;
  Image bitmap(FreeImage_Load(FIF_BMP, bitmapPath, 0));
  if (!bitmap.get()) return false;
  Image rgb(FreeImage_ConvertTo24Bits(bitmap.get()));
  return rgb.get() && FreeImage_Save(FIF_JPEG, rgb.get(), jpegPath, JPEG_QUALITYSUPERB);
}
