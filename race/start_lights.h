// Decisions of the start-lights window: which light a number of seconds asks for, the zoom
// limits, the zones and the sizes of what it draws. W x H is the primary screen's size.
#pragma once

#include "race/event_records.h"

enum StartLight : int { kRedLight = 0, kOrangeLight = 1, kGreenLight = 2 };

// Red from 11 seconds, orange from 10 to 1, green at 0; a negative number asks for no new
// light, so the current one stays.
int RequestedStartLight(int seconds, int current);

// One press of "+" or "-": steps of 2 within -70 .. 150 from an even start.
int ZoomIn(int zoom);
int ZoomOut(int zoom);

struct LightsZone {
  int left;
  int top;
  int right;
  int bottom;
};

struct StartLightsZones {
  LightsZone light;
  LightsZone name;
  LightsZone seconds;
};

StartLightsZones ComputeStartLightsZones(int screenWidth, int screenHeight, int zoomX, int zoomY);

// What one paint draws.
struct StartLightsDrawing {
  bool lightShown;
  int light;       // StartLight
  int lightSide;   // the light is a square
  int lightX;
  int lightY;
  int textX;       // the name and the seconds are centred here
  int nameTop;
  int nameHeight;  // shrinks for names longer than 10 characters
  int secondsTop;
  int secondsHeight;
};

StartLightsDrawing ComputeStartLightsDrawing(int screenWidth, int screenHeight, int zoomX, int zoomY, int seconds,
                                             int nameLength);

// The backgrounds are the combo box's French words in every build.
inline constexpr char kBlackBackground[11] = "Fond noir";
inline constexpr char kWhiteBackground[11] = "Fond blanc";
bool IsWhiteBackground(const char background[11]);
// "images/feuRouge.bmp" and the others; the white background has its own pictures.
const char* StartLightImage(int light, bool whiteBackground);

// The name as the window keeps it: at most a stage entry name's 40 bytes, which may fill
// their field without a terminator.
inline constexpr int kStartLightsNameSize = kDriverNameSize + 1;
void CopyStartLightsName(char name[kStartLightsNameSize], const char* source);
