#include "race/serial_line_win32.h"

bool SetDecoderLineSettings(HANDLE port) {
  DCB line = {};
  line.DCBlength = sizeof line;
  if (!GetCommState(port, &line)) return false;
  line.BaudRate = CBR_9600;
  line.ByteSize = 8;
  line.Parity = NOPARITY;
  line.StopBits = ONESTOPBIT;
  line.fBinary = TRUE;
  line.fParity = FALSE;
  line.fOutxCtsFlow = FALSE;
  line.fOutxDsrFlow = FALSE;
  line.fDtrControl = DTR_CONTROL_ENABLE;
  line.fDsrSensitivity = FALSE;
  line.fTXContinueOnXoff = FALSE;
  line.fOutX = FALSE;
  line.fInX = FALSE;
  line.fErrorChar = FALSE;
  line.fNull = FALSE;
  line.fRtsControl = RTS_CONTROL_ENABLE;
  line.fAbortOnError = FALSE;
  line.XonLim = 256;
  line.XoffLim = 256;
  line.XonChar = 0x11;
  line.XoffChar = 0x13;
  line.ErrorChar = 0x3F;
  line.EofChar = 0x1A;
  line.EvtChar = 0x10;
  return SetCommState(port, &line) != 0;
}
