#pragma once
// The diagnostic box with the memory manager's figures (Ctrl+Shift+Alt+M in
// either tariff grid).
#include <string>

namespace dudode {

struct THeapFigures {
  long long TotalAddrSpace = 0;
  long long TotalUncommitted = 0;
  long long TotalCommitted = 0;
  long long TotalAllocated = 0;
  long long TotalFree = 0;
  long long FreeSmall = 0;
  long long FreeBig = 0;
  long long Unused = 0;
  long long Overhead = 0;
  int HeapErrorCode = 0;
};

// The figures of this platform's allocator (glibc's mallinfo2 where there is
// one; zeros elsewhere).
THeapFigures CurrentHeapFigures();
// One line per figure, lines separated by CR.
std::string HeapReportText(const THeapFigures& figures);
// Shows the report: caption "MemoryStatus", kind Fehler, OK.
void ShowHeapReport();

}  // namespace dudode
