#include "race/event_tree.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/command_ids.h"
#include "race/dialog_table.h"
#include "race/event_session.h"
#include "race/event_tree_model.h"
#include "race/main_window_actions.h"
#include "race/menus.h"
#include "race/startup.h"

namespace {

HWND tree = nullptr;
HIMAGELIST images = nullptr;
// The tree notifies the end of one edit twice when its edit control loses the focus on the
// way out (a refusal's message box takes it): one edit, one check, one message.
bool labelEditOpen = false;

EventView View() {
  MainState& s = Main();
  return {s.rallies, &s.participantNames, s.treeviewFlags, s.rallyCount};
}

int ItemCode(HTREEITEM item) {
  TVITEMA data = {};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  if (!item || !TreeView_GetItem(tree, &data)) return 0;
  return static_cast<int>(data.lParam);
}

HTREEITEM FindFrom(HTREEITEM item, int code) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    if (ItemCode(item) == code) return item;
    if (HTREEITEM found = FindFrom(TreeView_GetChild(tree, item), code)) return found;
  }
  return nullptr;
}

HTREEITEM Insert(const TreeNodeSpec& node, HTREEITEM parent, HTREEITEM after = TVI_LAST) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent ? parent : TVI_ROOT;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
  insert.item.pszText = const_cast<char*>(node.label.c_str());
  insert.item.iImage = node.image;
  insert.item.iSelectedImage = node.image;
  insert.item.lParam = node.code;
  insert.item.state = node.bold ? TVIS_BOLD : 0;
  insert.item.stateMask = TVIS_BOLD;
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void InsertAll(const std::vector<TreeNodeSpec>& nodes) {
  for (const TreeNodeSpec& node : nodes) Insert(node, node.parentCode ? FindTreeItem(node.parentCode) : nullptr);
}

// Selecting the rally item again lets the same classification or driver be chosen at once.
void ReselectRally() { SelectItem(NodeCode(RallyOfNode(Main().selectedNode), kRallyNode)); }

void ShowPopup(HWND window, HMENU menu) {
  POINT cursor;
  GetCursorPos(&cursor);
  TrackPopupMenuEx(menu, 0, cursor.x, cursor.y, window, nullptr);
}

void RightClick(HWND window) {
  MainState& s = Main();
  int rally = RallyOfNode(s.selectedNode);
  int participants = rally >= 1 && rally <= kMaxRallies ? s.rallies[rally - 1].participantCount : 0;
  ProgramMenus& m = Menus();
  switch (PopupForKind(s.selectedKind, participants)) {
    case TreePopup::Track: ShowPopup(window, m.trackPopup); break;
    case TreePopup::Rally: ShowPopup(window, m.rallyPopup); break;
    case TreePopup::Drivers: ShowPopup(window, m.driversPopup); break;
    case TreePopup::StartOrder: ShowPopup(window, m.startOrderPopup); break;
    case TreePopup::Parameters: ShowPopup(window, m.parametersPopup); break;
    case TreePopup::SpecialStage:
      PrepareSpecialStagesPopup(m.specialStagesPopup, rally, StageOfNodeKind(s.selectedKind));
      ShowPopup(window, m.specialStagesPopup);
      break;
    case TreePopup::None: break;
  }
}

void EndLabelEdit(HWND window, const NMTVDISPINFOA& info) {
  MainState& s = Main();
  if (s.selectedKind != 10000 || !info.item.pszText) return;  // only a rally's label is edited
  char text[161] = {0};
  HWND edit = TreeView_GetEditControl(tree);
  if (edit) GetWindowTextA(edit, text, sizeof text);
  else platform::CopyBounded(text, info.item.pszText);
  int rally = RallyOfNode(s.selectedNode);
  if (RenameRally(window, s, rally, text)) SetItemLabel(NodeCode(rally, kRallyNode), s.rallies[rally - 1].name);
}

void SelectionChanged(HWND window) {
  MainState& s = Main();
  int kind = s.selectedKind;
  int rally = RallyOfNode(s.selectedNode);
  if (kind > 10000 + kFirstStageNode && kind <= 10000 + kFirstStageNode + kMaxStages) {
    CloseInPlaceEdits(window);
    LoadStageForTiming(window, s, rally, kind - 10000 - kFirstStageNode);
    EnableMenuItem(Menus().modifyResults, kCmdActivateResults, MF_BYCOMMAND | MF_ENABLED);
    EnableMenuItem(Menus().modifyResults, kCmdDeactivateResults, MF_BYCOMMAND | MF_ENABLED);
    RefreshLiveTableRows(window);
    RedrawRaceScreen(window);
  } else if (kind >= 10000 + kFirstParticipantNode && kind < 10000 + kFirstParticipantNode + kMaxParticipants) {
    s.driverDetailsOpen = 1;
    bool opened = OpenProgramDialog(window, ProgramDialog::DriverDetails);
    s.driverDetailsOpen = 0;
    if (opened) {
      ReselectRally();
      RefreshParticipantsOfLoadedStage(window);
    }
  } else if (kind > 10000 + kRallyClassificationNode && kind <= 10000 + kRallyClassificationNode + kMaxStages) {
    if (rally >= 1 && rally <= kMaxRallies && s.rallies[rally - 1].hasResults == 1 &&
        OpenProgramDialog(window, ProgramDialog::StageClassification))
      ReselectRally();
  } else if (kind == 10000 + kRallyClassificationNode) {
    if (OpenProgramDialog(window, ProgramDialog::RallyClassification)) ReselectRally();
  }
}

}  // namespace

HWND EventTree() { return tree; }

HWND CreateEventTree(HWND mainWindow) {
  tree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                         WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                         10, 54, 190, 400, mainWindow, reinterpret_cast<HMENU>(kEventTreeId), ProgramInstance(),
                         nullptr);
  images = ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), ILC_COLOR32, 9, 0);
  for (int resource = 23; resource <= 31; ++resource) {
    HICON icon = static_cast<HICON>(LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(resource), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    ImageList_AddIcon(images, icon);
    if (icon) DestroyIcon(icon);
  }
  TreeView_SetImageList(tree, images, TVSIL_NORMAL);
  TreeView_SetBkColor(tree, static_cast<COLORREF>(Main().displaySettings.displayColours[1]));
  return tree;
}

void DestroyEventTreeImages() {
  if (images) ImageList_Destroy(images);
  images = nullptr;
}

HTREEITEM FindTreeItem(int code) { return tree ? FindFrom(TreeView_GetRoot(tree), code) : nullptr; }

void RebuildEventTree() {
  // Deleting fires notifications; the handler ignores deletions.
  TreeView_DeleteAllItems(tree);
  InsertAll(EventTreeNodes(View()));
}

void AppendRallyBranch(int rally) { InsertAll(RallyBranchNodes(View(), rally)); }

void RebuildRallyBranch(int rally) {
  HTREEITEM item = FindTreeItem(NodeCode(rally, kRallyNode));
  if (!item) return;
  HTREEITEM child;
  while ((child = TreeView_GetChild(tree, item)) != nullptr) TreeView_DeleteItem(tree, child);
  std::vector<TreeNodeSpec> nodes = RallyBranchNodes(View(), rally);
  nodes.erase(nodes.begin());  // the rally item stays
  InsertAll(nodes);
}

void RebuildClassifications(int rally) {
  if (HTREEITEM old = FindTreeItem(NodeCode(rally, kClassificationsNode))) TreeView_DeleteItem(tree, old);
  InsertAll(ClassificationsNodes(View(), rally));
  ExpandItem(NodeCode(rally, kClassificationsNode));
}

void AppendStageItems(int rally, int stage) {
  int flag = Main().treeviewFlags[rally - 1][stage - 1];
  Insert({NodeCode(rally, kFirstStageNode + stage), 0, kImageStage, false, StageLabel(flag, stage)},
         FindTreeItem(NodeCode(rally, kSpecialStagesNode)));
  Insert({NodeCode(rally, kRallyClassificationNode + stage), 0, kImageClassifications, false,
          StageClassificationLabel(flag, stage)},
         FindTreeItem(NodeCode(rally, kClassificationsNode)));
}

void SetStageItemShown(int rally, int stage, bool shown) {
  HTREEITEM stages = FindTreeItem(NodeCode(rally, kSpecialStagesNode));
  if (!stages) return;
  int code = NodeCode(rally, kFirstStageNode + stage);
  if (!shown) {
    if (HTREEITEM item = FindTreeItem(code)) TreeView_DeleteItem(tree, item);
    return;
  }
  // Put back after the last item that comes before it in stage order.
  HTREEITEM after = TVI_FIRST;
  for (HTREEITEM item = TreeView_GetChild(tree, stages); item; item = TreeView_GetNextSibling(tree, item)) {
    if (ItemCode(item) < code) after = item;
  }
  int flag = Main().treeviewFlags[rally - 1][stage - 1];
  Insert({code, 0, (flag & kStageHasResults) ? kImageStageWithResults : kImageStage, false, StageLabel(flag, stage)},
         stages, after);
}

void SetItemLabel(int code, const char* label) {
  TVITEMA item = {};
  item.mask = TVIF_TEXT;
  item.hItem = FindTreeItem(code);
  item.pszText = const_cast<char*>(label);
  if (item.hItem) TreeView_SetItem(tree, &item);
}

void SetItemImage(int code, int image) {
  TVITEMA item = {};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = FindTreeItem(code);
  item.iImage = image;
  item.iSelectedImage = image;
  if (item.hItem) TreeView_SetItem(tree, &item);
}

void ExpandItem(int code) {
  if (HTREEITEM item = FindTreeItem(code)) TreeView_Expand(tree, item, TVE_EXPAND);
}

void SelectItem(int code) {
  if (HTREEITEM item = FindTreeItem(code)) TreeView_SelectItem(tree, item);
}

void PrepareSpecialStagesPopup(HMENU popup, int rally, int stage) {
  MainState& s = Main();
  if (rally < 1 || rally > kMaxRallies) return;
  while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
  const BuildProfile& build = ActiveProfile();
  StagePopupPlan plan = PlanStagePopup(s.treeviewFlags[rally - 1], s.rallies[rally - 1].stageCount, stage);
  if (plan.powerStageOnly && build.powerStage) {
    AppendMenuA(popup, MF_STRING, kCmdRemovePowerStage, Tr(Text::MenuRemovePowerStage));
    return;
  }
  AppendMenuA(popup, MF_STRING | (plan.addEnabled ? 0 : MF_GRAYED), kCmdAddSpecialStage, Tr(Text::MenuAddSpecialStage));
  if (build.powerStage) {
    AppendMenuA(popup, MF_STRING | (plan.createPowerStageEnabled ? 0 : MF_GRAYED), kCmdCreatePowerStage,
                Tr(Text::MenuCreatePowerStage));
  }
  if (build.stageRemoval) {
    AppendMenuA(popup, MF_STRING | (plan.removeEnabled ? 0 : MF_GRAYED), kCmdRemoveSpecialStage,
                Tr(Text::MenuRemoveSpecialStage));
    for (int k : plan.restorableStages) {
      char label[64];
      std::snprintf(label, sizeof label, Tr(Text::MenuRestoreStage), k);
      AppendMenuA(popup, MF_STRING, kCmdRemoveSpecialStage + k, label);
    }
  }
}

LRESULT HandleTreeNotify(HWND window, LPARAM lParam) {
  const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
  // The private message may come from anywhere: only the tree's own notifications count.
  if (!header || !tree || header->hwndFrom != tree) return 0;
  UINT code = header->code;
  bool actedUpon = code == NM_RCLICK || code == TVN_BEGINLABELEDITA || code == TVN_ENDLABELEDITA ||
                   code == TVN_SELCHANGINGA || code == TVN_SELCHANGEDA || code == TVN_ITEMEXPANDINGA;
  if (!actedUpon) return 0;
  MainState& s = Main();
  s.selectedNode = ItemCode(TreeView_GetSelection(tree));
  RewriteHeader(window, s);
  s.selectedKind = NodeKind(s.selectedNode);
  switch (code) {
    case NM_RCLICK:
      RightClick(window);
      break;
    case TVN_BEGINLABELEDITA:
      labelEditOpen = true;
      if (HWND edit = TreeView_GetEditControl(tree)) SendMessageA(edit, EM_LIMITTEXT, 28, 0);
      break;
    case TVN_ENDLABELEDITA:
      if (!labelEditOpen) break;
      labelEditOpen = false;
      EndLabelEdit(window, *reinterpret_cast<const NMTVDISPINFOA*>(lParam));
      break;
    case TVN_SELCHANGINGA:
      LeaveLoadedStage(window);
      break;
    case TVN_SELCHANGEDA:
      SelectionChanged(window);
      break;
    case TVN_ITEMEXPANDINGA:
      if (s.selectedKind == 10000) {
        CloseInPlaceEdits(window);
        LeaveLoadedStage(window);
        int current = NodeCode(RallyOfNode(s.selectedNode), kRallyNode);
        for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item)) {
          if (ItemCode(item) != current) TreeView_Expand(tree, item, TVE_COLLAPSE);
        }
        UnloadStageFromRaceScreen(window);
      }
      break;
  }
  return 0;
}
