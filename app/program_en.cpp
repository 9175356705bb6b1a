#include "app/build_profile.h"
#include "results/jpeg_conversion.h"
#include "results/jpeg_conversion_freeimage.h"

const BuildProfile& ProgramBuild() { return kEnglishBuild; }

// The championship page is saved as a JPEG image in this program alone.
void UseProgramLibraries() { UseBitmapToJpegConverter(ConvertBitmapToJpegWithFreeImage); }
