// The one serial port of the program, wired to the timing decoder: 9600 baud, 8 data bits,
// no parity, 1 stop bit, DTR and RTS raised, no flow control. Reads return at once with
// what has arrived; a write waits at most 100 ms.
#pragma once

#include "race/decoder_link.h"

// Opens "\\.\<port>" (closing a port still open first); 1 on success, 0 otherwise, in
// which case no port is open.
int OpenSerialPort(const char* portName);
// Closes the port; closing when none is open does nothing. Returns 1.
int CloseSerialPort();
bool IsSerialPortOpen();
// Non-zero on success; with no open port they fail and report 0 bytes.
int ReadSerialPort(unsigned char* buffer, int count, int* bytesRead);
int WriteSerialPort(const unsigned char* bytes, int count, int* bytesWritten);

// The open port as a SerialLine for the decoder exchanges.
SerialLine& SystemSerialLine();
