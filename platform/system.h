// What each target implements (platform/win32/ and platform/host/); the rest of the
// platform layer adds the test hooks on top. Nothing outside platform/ includes this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/choosers.h"
#include "platform/file_dialog.h"
#include "platform/print_dialog.h"
#include "platform/sound.h"

namespace platform::system {

std::uint32_t TickCount();
std::int64_t PerformanceCounter();
std::int64_t PerformanceFrequency();
void SleepMs(std::uint32_t ms);

int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, unsigned type);
void PlaySoundFile(const char* path, SoundMode mode);
bool ChooseFile(const FileDialogRequest& request, char* path, std::size_t pathSize);
bool ChoosePrinter(WindowHandle owner, PrinterChoice* choice);
void ReleasePrinter(PrinterChoice* choice);
bool OpenWithShell(WindowHandle owner, const char* target);
bool ChooseColour(WindowHandle owner, int initial, ChooserCustomColours* customColours, int* chosen);
bool ChooseScreenFont(WindowHandle owner, int minPoints, int maxPoints, FontChoice* font);

std::string ProgramFilesFolder();
std::string CurrentFolder();
bool SetCurrentFolder(const char* path);

bool ControlKeyDown();

}  // namespace platform::system
