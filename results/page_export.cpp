#include "results/page_export.h"

#include <cstdio>

#include "app/build_profile.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "results/jpeg_conversion.h"

std::string PageCapturePath() { return platform::ProgramPath(kPageCaptureFile); }

CaptureBitmapLayout CaptureLayout(int width, int height, int planes, int bitsPerPixel) {
  CaptureBitmapLayout layout = {};
  const int bits = planes * bitsPerPixel;
  layout.depth = bits <= 1 ? 1 : bits <= 4 ? 4 : bits <= 8 ? 8 : bits <= 16 ? 16 : bits <= 24 ? 24 : 32;
  layout.colours = layout.depth < 24 ? std::uint32_t{1} << layout.depth : 0;
  layout.rowBytes = ((static_cast<std::uint32_t>(width) * layout.depth + 31) & ~std::uint32_t{31}) / 8;
  layout.imageBytes = layout.rowBytes * static_cast<std::uint32_t>(height);
  layout.pixelOffset = 14 + 40 + 4 * layout.colours;
  layout.fileBytes = layout.pixelOffset + layout.imageBytes;
  return layout;
}

bool ExportPageAsJpeg(platform::WindowHandle owner) {
  const std::string folder = platform::ProgramFolder();
  char chosen[260];
  std::snprintf(chosen, sizeof chosen, "%s\\*.jpeg", folder.c_str());
  const std::string proposed = chosen;
  const std::string filter = std::string(Tr(Text::PageJpegFilter)) + "|*.jpeg";
  platform::FileDialogRequest request;
  request.owner = owner;
  request.save = true;
  request.filter = filter.c_str();
  request.initialFolder = folder.c_str();
  if (!platform::ChooseFile(request, chosen, sizeof chosen) || proposed == chosen) return false;
  return ConvertBitmapToJpeg(PageCapturePath().c_str(), chosen);
}
