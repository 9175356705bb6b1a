// The decoder link at start-up: read "RéglagesInterface2.rg", open the port, find out which
// model answers, tell the operator and write the outcome back.
#pragma once

#include "platform/message_box.h"
#include "race/decoder_link.h"
#include "race/interface_settings.h"

// Opening the serial port, so that start-up can be tried on a scripted line.
class SerialPortAccess {
 public:
  virtual ~SerialPortAccess() = default;
  virtual bool Open(const char* portName) = 0;
  virtual SerialLine& Line() = 0;
};

// Runs the exchange in the current folder and returns what it wrote to the link file. The
// connected flag is always found afresh: a file that says 1 does not skip the probe.
InterfaceSettings ConnectDecoderAtStartup(platform::WindowHandle owner, SerialPortAccess& port);
