#include "race/start_lights.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(StartLights, LightForTheSecondsLeftAndNegativeSecondsKeepIt) {
  EXPECT_EQ(RequestedStartLight(60, kGreenLight), kRedLight);
  EXPECT_EQ(RequestedStartLight(11, kGreenLight), kRedLight);
  EXPECT_EQ(RequestedStartLight(10, kRedLight), kOrangeLight);
  EXPECT_EQ(RequestedStartLight(1, kRedLight), kOrangeLight);
  EXPECT_EQ(RequestedStartLight(0, kRedLight), kGreenLight);
  EXPECT_EQ(RequestedStartLight(-1, kGreenLight), kGreenLight);
  EXPECT_EQ(RequestedStartLight(-30, kOrangeLight), kOrangeLight);
}

TEST(StartLights, ZoomRunsInStepsOfTwoBetweenMinus70And150) {
  int zoom = 0;
  for (int i = 0; i < 200; ++i) zoom = ZoomIn(zoom);
  EXPECT_EQ(zoom, 150);
  EXPECT_EQ(ZoomIn(148), 150);
  for (int i = 0; i < 200; ++i) zoom = ZoomOut(zoom);
  EXPECT_EQ(zoom, -70);
  EXPECT_EQ(ZoomOut(-68), -70);
  EXPECT_EQ(ZoomIn(-70), -68);
}

TEST(StartLights, ZonesAndDrawingOnTheDesignScreen) {
  StartLightsZones z = ComputeStartLightsZones(1600, 900, 0, 0);
  EXPECT_EQ(z.light.right, 1580);
  EXPECT_EQ(z.light.bottom, 300);
  EXPECT_EQ(z.name.top, 300);
  EXPECT_EQ(z.name.bottom, 600);
  EXPECT_EQ(z.seconds.top, 600);
  EXPECT_EQ(z.seconds.bottom, 880);

  StartLightsDrawing red = ComputeStartLightsDrawing(1600, 900, 0, 0, 30, 8);
  EXPECT_TRUE(red.lightShown);
  EXPECT_EQ(red.light, kRedLight);
  EXPECT_EQ(red.lightSide, 280);
  EXPECT_EQ(red.lightX, 200);
  EXPECT_EQ(red.lightY, 20);
  StartLightsDrawing orange = ComputeStartLightsDrawing(1600, 900, 0, 0, 5, 8);
  EXPECT_EQ(orange.light, kOrangeLight);
  EXPECT_EQ(orange.lightX, 800 - 140) << "centred";
  StartLightsDrawing green = ComputeStartLightsDrawing(1600, 900, 0, 0, 0, 8);
  EXPECT_EQ(green.light, kGreenLight);
  EXPECT_EQ(green.lightX, 1600 - 280 - 200);
  EXPECT_FALSE(ComputeStartLightsDrawing(1600, 900, 0, 0, -2, 8).lightShown);

  EXPECT_EQ(red.textX, 800);
  EXPECT_EQ(red.nameTop, 320);
  EXPECT_EQ(red.nameHeight, 300);
  EXPECT_EQ(red.secondsTop, 600);
  EXPECT_EQ(red.secondsHeight, 200);
}

TEST(StartLights, LongNamesShrinkAndZoomGrowsEverything) {
  EXPECT_EQ(ComputeStartLightsDrawing(1600, 900, 0, 0, 5, 10).nameHeight, 300);
  EXPECT_EQ(ComputeStartLightsDrawing(1600, 900, 0, 0, 5, 20).nameHeight, 150);
  EXPECT_EQ(ComputeStartLightsDrawing(1600, 900, 0, 0, 5, 40).nameHeight, 75);

  StartLightsZones big = ComputeStartLightsZones(1600, 900, 150, 150);
  EXPECT_EQ(big.light.right, 4000 - 20);
  EXPECT_EQ(big.light.bottom, 750);
  EXPECT_EQ(big.seconds.bottom, 2250 - 20);
  StartLightsDrawing zoomed = ComputeStartLightsDrawing(1600, 900, 150, 150, 20, 5);
  EXPECT_EQ(zoomed.lightSide, 700);
  EXPECT_EQ(zoomed.lightX, 500);
  StartLightsDrawing small = ComputeStartLightsDrawing(1600, 900, -70, -70, 0, 5);
  EXPECT_EQ(small.lightSide, 84);
  EXPECT_EQ(small.lightX, 480 - 84 + 140 - 200);
  EXPECT_EQ(small.nameHeight, 90);
}

TEST(StartLights, BackgroundWordsComparedOnAllElevenBytes) {
  EXPECT_TRUE(IsWhiteBackground(kWhiteBackground));
  EXPECT_FALSE(IsWhiteBackground(kBlackBackground));
  char almost[11];
  std::memcpy(almost, "Fond blancs", 11);  // no terminator after the ten letters
  EXPECT_FALSE(IsWhiteBackground(almost));
  EXPECT_STREQ(StartLightImage(kRedLight, false), "images/feuRouge.bmp");
  EXPECT_STREQ(StartLightImage(kOrangeLight, false), "images/feuOrange.bmp");
  EXPECT_STREQ(StartLightImage(kGreenLight, false), "images/feuVert.bmp");
  EXPECT_STREQ(StartLightImage(kRedLight, true), "images/feuRouge2.bmp");
  EXPECT_STREQ(StartLightImage(kOrangeLight, true), "images/feuOrange2.bmp");
  EXPECT_STREQ(StartLightImage(kGreenLight, true), "images/feuVert2.bmp");
}

TEST(StartLights, NameCopyStopsAtTheFortyBytesOfAStageEntryName) {
  char name[kStartLightsNameSize];
  // A stage entry name can fill its 40 bytes; the bytes after it belong to something else.
  char field[kDriverNameSize + 8];
  std::memset(field, 'x', sizeof field);
  std::memset(field, 'N', kDriverNameSize);
  CopyStartLightsName(name, field);
  EXPECT_EQ(std::string(name), std::string(kDriverNameSize, 'N'));
  CopyStartLightsName(name, "Lina Varga");
  EXPECT_STREQ(name, "Lina Varga");
  CopyStartLightsName(name, nullptr);
  EXPECT_STREQ(name, "");
}
