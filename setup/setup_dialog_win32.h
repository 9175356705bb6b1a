// What the interface, race parameters, stage comment and penalty dialogs share: their two
// Arial fonts and their texts, set per language when they open.
#pragma once

#include <windows.h>

#include <cstddef>

#include "race/pixel_rect.h"
#include "resources/texts.h"

struct ControlText {
  int control;  // 0: the dialog's caption
  Text text;
};

void SetControlTexts(HWND dialog, const ControlText* texts, std::size_t count);
template <std::size_t N>
void SetControlTexts(HWND dialog, const ControlText (&texts)[N]) {
  SetControlTexts(dialog, texts, N);
}

// Arial 16 and Arial 16 bold, created when a dialog opens and deleted when it closes.
class DialogFonts {
 public:
  ~DialogFonts() { Release(); }
  // Creates the fonts and sets them on the controls.
  template <std::size_t N, std::size_t B>
  void Open(HWND dialog, const int (&normal)[N], const int (&bold)[B]) {
    Open(dialog, normal, N, bold, B);
  }
  void Open(HWND dialog, const int* normal, std::size_t normalCount, const int* bold, std::size_t boldCount) {
    Create();
    Apply(dialog, normal, normalCount, bold, boldCount);
  }
  // Deletes the fonts and ends the dialog with the result 0.
  void Close(HWND dialog);
  void Release();

 private:
  void Create();
  void Apply(HWND dialog, const int* normal, std::size_t normalCount, const int* bold, std::size_t boldCount) const;

  HFONT normal_ = nullptr;
  HFONT bold_ = nullptr;
};

// Rows of controls under something placed in pixels (the template is in dialog units, whose
// size in pixels depends on the screen and its fonts). Each row lists its controls, ended by
// 0, and the least top its controls may have (INT_MIN: none). Rows keep their spacing and
// move down, never up, as far as the floors ask; the dialog grows by as much. Returns how far
// the last row moved.
struct ControlRow {
  int controls[6];
  int floor;
};
int KeepRowsBelow(HWND dialog, const ControlRow* rows, std::size_t count);
// Grows the dialog so that its client area reaches right and bottom (pixels).
void GrowClientToHold(HWND dialog, int right, int bottom);
// Moves each control (those the template has) to its rectangle of client pixels: dialogs that
// paint in pixels place their controls in pixels too, as the template's dialog units come to
// other sizes on other systems.
void PlaceControlsInPixels(HWND dialog, const PlacedControl* controls, std::size_t count);
template <std::size_t N>
void PlaceControlsInPixels(HWND dialog, const PlacedControl (&controls)[N]) {
  PlaceControlsInPixels(dialog, controls, N);
}
// Centres the dialog on the work area, its caption kept on it.
void CentreOnWorkArea(HWND dialog);

// The text of an edit, at most size - 1 bytes.
void ControlTextOf(HWND dialog, int control, char* text, int size);

// The picture a push button shows instead of its text, loaded from a bitmap file and
// deleted with the dialog (or when another picture replaces it).
class ButtonPicture {
 public:
  ButtonPicture() = default;
  ButtonPicture(const ButtonPicture&) = delete;
  ButtonPicture& operator=(const ButtonPicture&) = delete;
  ~ButtonPicture() { Release(); }
  void Set(HWND dialog, int control, const char* path);
  void Release();

 private:
  HBITMAP bitmap_ = nullptr;
};
