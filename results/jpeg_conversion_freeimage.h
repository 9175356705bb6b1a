// The bitmap-to-JPEG converter of the English program, on FreeImage (BMP in, JPEG out).
#pragma once

bool ConvertBitmapToJpegWithFreeImage(const char* bitmapPath, const char* jpegPath);
