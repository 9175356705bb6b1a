// The event tree (control 5000) on the left of the main window: its items drawn from the
// event tree model, its notifications and its popup menus.
#pragma once

#include <windows.h>
#include <commctrl.h>

inline constexpr int kEventTreeId = 5000;
// The private message handled exactly like WM_NOTIFY from the tree.
inline constexpr UINT kTreeNotifyMessage = 5000;

HWND CreateEventTree(HWND mainWindow);
HWND EventTree();
void DestroyEventTreeImages();
// Deletes every item and inserts the whole event.
void RebuildEventTree();
// Appends rally r's branch last (a new rally).
void AppendRallyBranch(int rally);
// Rebuilds rally r's branch in its place.
void RebuildRallyBranch(int rally);
// Deletes and inserts again rally r's "Classifications" last under the rally, then expands it.
void RebuildClassifications(int rally);
// Appends stage k's item and its classification item.
void AppendStageItems(int rally, int stage);
// Removes (or puts back) stage k's item under "Special stages" in stage order.
void SetStageItemShown(int rally, int stage, bool shown);
void SetItemLabel(int code, const char* label);
void SetItemImage(int code, int image);
void ExpandItem(int code);
void SelectItem(int code);
HTREEITEM FindTreeItem(int code);

// WM_NOTIFY from the tree and the private message 5000; always 0.
LRESULT HandleTreeNotify(HWND mainWindow, LPARAM lParam);
// Prepares the special stages popup for stage k of rally r as the model plans it.
void PrepareSpecialStagesPopup(HMENU popup, int rally, int stage);
