// The open and save file dialogs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace platform {

struct FileDialogRequest {
  WindowHandle owner = nullptr;
  bool save = false;
  // Pairs of description and pattern separated by '|', e.g. "Drivers (*.bdp2)|*.bdp2".
  const char* filter = "";
  const char* defaultExtension = nullptr;
  const char* title = nullptr;
  const char* initialFolder = nullptr;
};

// Shows the dialog with path as the proposed file name; on OK stores the chosen path in
// path (at most pathSize - 1 bytes) and returns true. The current folder is left as it was.
bool ChooseFile(const FileDialogRequest& request, char* path, std::size_t pathSize);

// The name a save dialog's choice is written under: the chosen name, with the extension
// appended unless the name holds it somewhere. Windows file names ignore letter case, so
// ".PEN" holds ".pen". False (out empty) when the result does not fit in size bytes.
bool NameWithExtension(const char* chosen, const char* extension, char* out, std::size_t size);

}  // namespace platform

namespace platform::test {

struct RecordedFileDialog {
  bool save;
  std::string filter;
  std::string proposed;
};

// Dialogs are answered from the queue: a path, or std::nullopt for Cancel; an empty queue
// answers Cancel.
void InterceptFileDialogs();
void StopInterceptingFileDialogs();
void QueueFileDialogAnswer(std::optional<std::string> path);
const std::vector<RecordedFileDialog>& FileDialogs();
void ClearFileDialogs();

}  // namespace platform::test
