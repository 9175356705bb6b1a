#include "race/start_lights.h"

#include <cstring>

int RequestedStartLight(int seconds, int current) {
  if (seconds >= 11) return kRedLight;
  if (seconds >= 1) return kOrangeLight;
  if (seconds == 0) return kGreenLight;
  return current;
}

int ZoomIn(int zoom) { return zoom > 149 ? zoom : zoom + 2; }
int ZoomOut(int zoom) { return zoom < -69 ? zoom : zoom - 2; }

StartLightsZones ComputeStartLightsZones(int W, int H, int zoomX, int zoomY) {
  const int right = (zoomX + 100) * W / 100 - 20;
  StartLightsZones z;
  z.light = {0, 0, right, 300 * H * (zoomY + 100) / 90000};
  z.name = {0, z.light.bottom, right, 600 * H * (zoomY + 100) / 90000};
  z.seconds = {0, z.name.bottom, right, H * (zoomY + 100) / 100 - 20};
  return z;
}

StartLightsDrawing ComputeStartLightsDrawing(int W, int H, int zoomX, int zoomY, int seconds, int nameLength) {
  StartLightsDrawing d = {};
  d.lightSide = 280 * H * (zoomY + 100) / 90000;
  d.lightY = 20;
  d.lightShown = seconds >= 0;
  d.light = RequestedStartLight(seconds, kRedLight);
  if (seconds >= 11) {
    d.lightX = 2 * zoomX + 200;
  } else if (seconds >= 1) {
    d.lightX = (zoomX + 100) * W / 200 - 140 * H * (zoomY + 100) / 90000;
  } else {
    d.lightX = (zoomX + 100) * W / 100 - d.lightSide - 2 * zoomX - 200;
  }
  d.textX = (zoomX + 100) * W / 200;
  d.nameTop = 320 * H * (zoomY + 100) / 90000;
  d.nameHeight = 300 * W * (zoomX + 100) / 160000;
  if (nameLength > 10) d.nameHeight = d.nameHeight * 10 / nameLength;
  d.secondsTop = 600 * H * (zoomY + 100) / 90000;
  d.secondsHeight = 200 * H * (zoomY + 100) / 90000;
  return d;
}

bool IsWhiteBackground(const char background[11]) {
  return std::memcmp(background, kWhiteBackground, sizeof kWhiteBackground) == 0;
}

const char* StartLightImage(int light, bool white) {
  switch (light) {
    case kOrangeLight:
      return white ? "images/feuOrange2.bmp" : "images/feuOrange.bmp";
    case kGreenLight:
      return white ? "images/feuVert2.bmp" : "images/feuVert.bmp";
    default:
      return white ? "images/feuRouge2.bmp" : "images/feuRouge.bmp";
  }
}

void CopyStartLightsName(char name[kStartLightsNameSize], const char* source) {
  std::size_t n = 0;
  if (source) {
    while (n < kDriverNameSize && source[n] != '\0') {
      name[n] = source[n];
      ++n;
    }
  }
  name[n] = '\0';
}
