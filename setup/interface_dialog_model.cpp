#include "setup/interface_dialog_model.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/decoder_protocol.h"

InterfaceDialogState& InterfaceDialogMemory() {
  static InterfaceDialogState state = {};
  return state;
}

InterfaceSettings OpenInterfaceDialog(platform::WindowHandle owner, InterfaceDialogState* state) {
  InterfaceSettings settings;
  if (!ReadInterfaceSettings(kInterfaceSettingsFile, &settings)) {
    platform::ShowMessage(owner, Tr(Text::InterfaceFileNotFound), Tr(Text::CaptionError), platform::kMbOk);
  }
  platform::CopyBounded(state->decoderName, settings.decoderName);
  state->connected = settings.connected;
  return settings;
}

bool ShowsZL1(const InterfaceDialogState& state) { return std::strcmp(state.decoderName, kDecoderNameZL1) == 0; }

const char* OpeningMessage(const InterfaceDialogState& state) {
  if (state.connected != 1) return Tr(Text::InterfacePortNotOpen);
  if (ShowsZL1(state)) return Tr(Text::InterfaceReadyZL1);
  if (std::strcmp(state.decoderName, kDecoderNameZL2) == 0) return Tr(Text::InterfaceReadyZL2);
  return "";
}

ConnectOutcome ConnectInterface(platform::WindowHandle owner, const char* selectedPort, SerialPortAccess& port,
                                InterfaceDialogState* state) {
  // Only an entry of the list names a port; anything else is never handed to the system.
  if (!selectedPort || !IsValidPortName(selectedPort)) return ConnectOutcome::NoPortSelected;
  InterfaceSettings settings = {};
  platform::CopyBounded(settings.port, selectedPort);
  ConnectOutcome outcome = ConnectOutcome::PortNotOpened;
  state->connected = 0;
  // Opening closes the port left open by the previous Connect or by start-up first.
  if (port.Open(settings.port)) {
    state->connected = 1;
    if (ProbeDecoder(port.Line())) {
      platform::CopyBounded(state->decoderName, kDecoderNameZL2);
      outcome = ConnectOutcome::ZL2;
    } else {
      platform::CopyBounded(state->decoderName, kDecoderNameZL1);
      outcome = ConnectOutcome::ZL1;
    }
  }
  settings.connected = state->connected;
  platform::CopyBounded(settings.decoderName, state->connected ? state->decoderName : kDecoderNameZL1);
  if (!WriteInterfaceSettings(kInterfaceSettingsFile, settings)) {
    platform::ShowMessage(owner, Tr(Text::InterfaceFileNotFound), Tr(Text::CaptionError), platform::kMbOk);
  }
  return outcome;
}

void ConnectMessage(ConnectOutcome outcome, char* text, std::size_t size) {
  const char* attempt = Tr(Text::InterfaceOpeningAttempt);
  switch (outcome) {
    case ConnectOutcome::NoPortSelected:
      platform::CopyBounded(text, size, Tr(Text::InterfaceChoosePort));
      return;
    case ConnectOutcome::PortNotOpened:
      std::snprintf(text, size, "%s%s", attempt, Tr(Text::InterfaceCouldNotOpen));
      return;
    case ConnectOutcome::ZL1:
    case ConnectOutcome::ZL2:
      std::snprintf(text, size, "%s%s%s", attempt, Tr(Text::InterfaceOpenedOk),
                    Tr(outcome == ConnectOutcome::ZL1 ? Text::InterfaceConnectedZL1 : Text::InterfaceConnectedZL2));
      return;
  }
}
