/* Holds a file open without sharing for a while, as a backup tool or an editor might:
 *   hold_file.exe PATH SECONDS
 * Prints "held" once the file is open (or "failed N" with the system's error code), then
 * waits and exits, which releases the file. */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: hold_file PATH SECONDS\n");
    return 2;
  }
  HANDLE file = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) {
    printf("failed %lu\n", GetLastError());
    fflush(stdout);
    return 1;
  }
  printf("held\n");
  fflush(stdout);
  Sleep((DWORD)(_wtoi(argv[2]) * 1000));
  CloseHandle(file);
  return 0;
}
