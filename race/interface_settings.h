// The decoder link file "RéglagesInterface2.rg": port name, connected flag and decoder name
// on one line, "%s\t%d\t%s\n".
#pragma once

inline constexpr const char* kInterfaceSettingsFile = "RéglagesInterface2.rg";

struct InterfaceSettings {
  char port[6];  // "COM1" .. "COM99"
  int connected;
  char decoderName[16];  // kDecoderNameZL1 or kDecoderNameZL2
};

// Clears the settings, then reads them, each field bounded to its width. False when the
// file cannot be opened for update.
bool ReadInterfaceSettings(const char* path, InterfaceSettings* settings);
// Creates or empties the file and writes the line. False when it cannot be opened.
bool WriteInterfaceSettings(const char* path, const InterfaceSettings& settings);

// "COM1" to "COM99": anything else counts as no port.
bool IsValidPortName(const char* port);
