#include "results/jpeg_conversion.h"

namespace {
BitmapToJpegConverter g_converter = nullptr;
}

void UseBitmapToJpegConverter(BitmapToJpegConverter converter) { g_converter = converter; }

bool HasBitmapToJpegConverter() { return g_converter != nullptr; }

bool ConvertBitmapToJpeg(const char* bitmapPath, const char* jpegPath) {
  return g_converter && g_converter(bitmapPath, jpegPath);
}
