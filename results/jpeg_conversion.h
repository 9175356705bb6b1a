// Turning a bitmap file into a JPEG file. Only the English program links an image library
// for it (FreeImage, results/jpeg_conversion_freeimage.h) and installs its converter at
// start-up; the French and Spanish programs have none.
#pragma once

// Writes the BMP file at bitmapPath as a JPEG file at jpegPath, at the library's best
// quality; false when nothing was written.
using BitmapToJpegConverter = bool (*)(const char* bitmapPath, const char* jpegPath);

// The program's converter from now on (nullptr: none).
void UseBitmapToJpegConverter(BitmapToJpegConverter converter);
bool HasBitmapToJpegConverter();

// Converts with the program's converter; false when the program has none or the converter
// wrote nothing.
bool ConvertBitmapToJpeg(const char* bitmapPath, const char* jpegPath);
