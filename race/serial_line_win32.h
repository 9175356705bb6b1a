// The decoder's line settings, shared by the program's serial port and the decoder simulator.
#pragma once

#include <windows.h>

// 9600 baud, 8 data bits, no parity, 1 stop bit, binary, DTR and RTS raised, no flow
// control of any kind, no character replacement. False when the port refuses them.
bool SetDecoderLineSettings(HANDLE port);
