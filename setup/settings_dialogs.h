// The display settings (AFFICHAGE), sound options (SONS) and custom sounds
// (SONSPERSONNALISES) dialogs. Each ends with the result 0; their files are their output.
#pragma once

#include <windows.h>

#include "setup/settings_dialogs_model.h"

INT_PTR CALLBACK DisplaySettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SoundSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CustomSoundsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the preview of the display settings in the window's client area, for WM_PAINT: the
// frames, the logo, the swatches and gradients, and the four font samples (sample 3 in the
// column's font). Changes nothing of the settings.
void PaintDisplayPreview(HWND window, const PixelRect (&swatches)[kDisplayColourCount],
                         const PixelRect (&samples)[kFontSampleCount], const PixelRect& logo,
                         DisplaySettings settings, int column);
