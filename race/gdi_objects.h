// Scoped GDI objects for the painters: each paint makes what it needs and deletes it before
// it ends, and puts back what the device context had selected.
#pragma once

#include <windows.h>

#include "platform/bounded.h"
#include "race/race_screen_layout.h"
#include "race/settings_files.h"

class GdiObject {
 public:
  explicit GdiObject(HGDIOBJ object) : object_(object) {}
  ~GdiObject() {
    if (object_) DeleteObject(object_);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  HGDIOBJ get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  HGDIOBJ object_;
};

// Selects an object for a scope and puts back what the device context had before.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (old_) SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

inline HFONT MakeFont(int height, int weight, int italic, int underline, int strikeOut, const char* face) {
  return CreateFontA(height, 0, 0, 0, weight, italic ? TRUE : FALSE, underline ? TRUE : FALSE,
                     strikeOut ? TRUE : FALSE, 0, 0, 0, 0, 0, face);
}

// A display settings font at that height (the stored one is the font chooser's).
inline HFONT FontOfSpec(const FontSpec& spec, int height) {
  char face[sizeof spec.face];
  platform::CopyBounded(face, sizeof face, spec.face);
  return MakeFont(height, spec.weight, spec.italic, spec.underline, spec.strikeOut, face);
}

inline void FillSolid(HDC dc, int left, int top, int right, int bottom, int colour) {
  if (right <= left || bottom <= top) return;
  RECT area = {left, top, right, bottom};
  GdiObject brush(CreateSolidBrush(static_cast<COLORREF>(colour)));
  FillRect(dc, &area, static_cast<HBRUSH>(brush.get()));
}

// One brush per pixel line, from colour a at the top to b at the bottom.
inline void VerticalGradient(HDC dc, int left, int top, int right, int height, int a, int b) {
  for (int y = 0; y < height; ++y) {
    FillSolid(dc, left, top + y, right, top + y + 1, GradientLineColour(a, b, y, height));
  }
}
