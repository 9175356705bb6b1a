#include "race/serial_port.h"

#include <windows.h>

#include <cstdio>

#include "race/serial_line_win32.h"

namespace {

HANDLE port = INVALID_HANDLE_VALUE;

bool ConfigurePort(HANDLE handle) {
  COMMTIMEOUTS timeouts = {};
  timeouts.ReadIntervalTimeout = 1;
  timeouts.ReadTotalTimeoutMultiplier = 0;
  timeouts.ReadTotalTimeoutConstant = 1;
  timeouts.WriteTotalTimeoutMultiplier = 0;
  timeouts.WriteTotalTimeoutConstant = 100;
  if (!SetCommTimeouts(handle, &timeouts)) return false;

  return SetDecoderLineSettings(handle);
}

class SystemLine : public SerialLine {
 public:
  bool Read(unsigned char* buffer, int count, int* bytesRead) override {
    return ReadSerialPort(buffer, count, bytesRead) != 0;
  }
  bool Write(const unsigned char* bytes, int count, int* bytesWritten) override {
    return WriteSerialPort(bytes, count, bytesWritten) != 0;
  }
};

}  // namespace

int OpenSerialPort(const char* portName) {
  CloseSerialPort();
  char device[16];
  int n = std::snprintf(device, sizeof device, "\\\\.\\%s", portName);
  if (n < 0 || n >= static_cast<int>(sizeof device)) return 0;
  HANDLE handle = CreateFileA(device, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_SYSTEM, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return 0;
  SetupComm(handle, 4096, 4096);
  if (!ConfigurePort(handle)) {
    CloseHandle(handle);
    return 0;
  }
  PurgeComm(handle, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
  EscapeCommFunction(handle, SETDTR);
  port = handle;
  return 1;
}

int CloseSerialPort() {
  if (port != INVALID_HANDLE_VALUE) CloseHandle(port);
  port = INVALID_HANDLE_VALUE;
  return 1;
}

bool IsSerialPortOpen() { return port != INVALID_HANDLE_VALUE; }

int ReadSerialPort(unsigned char* buffer, int count, int* bytesRead) {
  *bytesRead = 0;
  if (port == INVALID_HANDLE_VALUE || count <= 0) return 0;
  DWORD got = 0;
  BOOL ok = ReadFile(port, buffer, static_cast<DWORD>(count), &got, nullptr);
  *bytesRead = ok ? static_cast<int>(got) : 0;
  return ok ? 1 : 0;
}

int WriteSerialPort(const unsigned char* bytes, int count, int* bytesWritten) {
  *bytesWritten = 0;
  if (port == INVALID_HANDLE_VALUE || count <= 0) return 0;
  DWORD put = 0;
  BOOL ok = WriteFile(port, bytes, static_cast<DWORD>(count), &put, nullptr);
  *bytesWritten = static_cast<int>(put);
  return ok ? 1 : 0;
}

SerialLine& SystemSerialLine() {
  static SystemLine line;
  return line;
}
