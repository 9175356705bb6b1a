// What a painter draws on a screen device context, read back: the painter draws on a
// metafile recorded in place of the screen (its reference), and the records give each text
// with the box its characters take, each picture's place and each vertical line. A page's
// layout is then checked as the operator would look at it: no text over another or over a
// picture, none crossed by a line (a column's or the frame's), each apart from the texts
// beside it on its line.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

struct DrawnText {
  std::string text;  // Windows-1252
  RECT box;          // from the left of its first character to the end of its last one that is not a blank
  int height;        // of the font's cells
};

struct DrawnLine {
  int x, top, bottom;
};

struct Drawing {
  std::vector<DrawnText> texts;
  std::vector<RECT> pictures;
  std::vector<DrawnLine> verticals;
};

// A device context that records what is drawn on it in the screen's units.
class DrawingRecorder {
 public:
  DrawingRecorder();
  ~DrawingRecorder();
  DrawingRecorder(const DrawingRecorder&) = delete;
  DrawingRecorder& operator=(const DrawingRecorder&) = delete;
  HDC dc() const { return dc_; }
  // Ends the recording and reads it back.
  Drawing Finish();

 private:
  HDC dc_;
};

// Every fault of the drawing's layout, described: texts over each other, over a picture or
// crossed by a vertical line, and texts on one line closer than 0.4 of their height (about
// one and a half blanks, where the pages lay out two).
std::vector<std::string> LayoutFaults(const Drawing& drawing);
// The first text drawn that is exactly text, or nullptr.
const DrawnText* FindText(const Drawing& drawing, const std::string& text);

}  // namespace testsupport
