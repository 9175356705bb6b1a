// The French build's translation editor (template TRADUCTION), opened by command 1016.
#pragma once

#include <windows.h>

INT_PTR CALLBACK TranslationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
