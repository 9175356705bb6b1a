#include "race/startup_link.h"

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/decoder_protocol.h"

InterfaceSettings ConnectDecoderAtStartup(platform::WindowHandle owner, SerialPortAccess& port) {
  InterfaceSettings settings;
  if (!ReadInterfaceSettings(kInterfaceSettingsFile, &settings)) {
    platform::ShowMessage(owner, Tr(Text::ComPortFileNotFound), Tr(Text::CaptionError), platform::kMbOk);
  }
  settings.connected = 0;
  // A port name that is not COM1..COM99 is no port; it is not handed to the system.
  if (IsValidPortName(settings.port) && port.Open(settings.port)) {
    settings.connected = 1;
    if (ProbeDecoder(port.Line())) {
      platform::CopyBounded(settings.decoderName, kDecoderNameZL2);
      platform::ShowMessage(owner, Tr(Text::InterfaceZL2Ready), Tr(Text::CaptionMessage), platform::kMbOk);
    } else {
      platform::CopyBounded(settings.decoderName, kDecoderNameZL1);
      platform::ShowMessage(owner, Tr(Text::InterfaceZL1Ready), Tr(Text::CaptionMessage), platform::kMbOk);
    }
  } else {
    platform::ShowMessage(owner, Tr(Text::CouldNotOpenComPort), Tr(Text::CaptionMessage), platform::kMbOk);
  }

  if (settings.connected == 0) platform::CopyBounded(settings.decoderName, kDecoderNameZL1);
  if (!WriteInterfaceSettings(kInterfaceSettingsFile, settings)) {
    platform::ShowMessage(owner, Tr(Text::ComPortFileNotFound), Tr(Text::CaptionError), platform::kMbOk);
  }
  return settings;
}
