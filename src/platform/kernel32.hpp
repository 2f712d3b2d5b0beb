#pragma once
// The kernel at the boundary: the platform version, integer scaling, and checks and copies for
// addresses that arrive as integers.

#include <cstddef>

#include "platform/types.hpp"

namespace vellum::platform {

constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize = 0;  // must be sizeof(OSVERSIONINFOA), 148
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformId = 0;
  char szCSDVersion[128] = {};
};

BOOL GetVersionExA(OSVERSIONINFOA* lpVersionInformation);

// (nNumber * nNumerator) / nDenominator in 64 bits, rounded to nearest with halves away from
// zero; -1 when nDenominator is 0 or the result does not fit in 32 bits.
int MulDiv(int nNumber, int nNumerator, int nDenominator);

// Nonzero when lpfn is not a procedure this thread can call.
BOOL IsBadCodePtr(FARPROC lpfn);

// Copies Length bytes. Meant for addresses that arrive as integers (message parameters, item
// data): see the sim for which addresses it accepts.
void RtlMoveMemory(void* Destination, const void* Source, std::size_t Length);

}  // namespace vellum::platform
