#include "app/HeapReport.h"

#include "core/MessageBox.h"
#include "core/Values.h"

#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
#include <malloc.h>
#define DUDODE_HAVE_MALLINFO2 1
#endif

namespace dudode {

THeapFigures CurrentHeapFigures() {
  THeapFigures f;
#ifdef DUDODE_HAVE_MALLINFO2
  const struct mallinfo2 m = mallinfo2();
  const auto n = [](std::size_t v) { return static_cast<long long>(v); };
  // glibc commits what it maps: the main arena plus the separately mapped blocks.
  f.TotalAddrSpace = n(m.arena) + n(m.hblkhd);
  f.TotalUncommitted = 0;
  f.TotalCommitted = f.TotalAddrSpace;
  f.TotalAllocated = n(m.uordblks) + n(m.hblkhd);
  f.TotalFree = n(m.fordblks);
  f.FreeSmall = n(m.fsmblks);
  f.FreeBig = n(m.fordblks) > n(m.fsmblks) ? n(m.fordblks) - n(m.fsmblks) : 0;
  f.Unused = n(m.keepcost);  // the releasable top of the heap
  const long long accounted = n(m.uordblks) + n(m.fordblks);
  f.Overhead = n(m.arena) > accounted ? n(m.arena) - accounted : 0;
#endif
  return f;
}

std::string HeapReportText(const THeapFigures& f) {
  return "TotalAddrSpace: " + ByteSizeText(f.TotalAddrSpace) + "\r" +
         "TotalUncommitted: " + ByteSizeText(f.TotalUncommitted) + "\r" +
         "TotalCommitted: " + ByteSizeText(f.TotalCommitted) + "\r" +
         "TotalAllocated: " + ByteSizeText(f.TotalAllocated) + "\r" +
         "TotalFree: " + ByteSizeText(f.TotalFree) + "\r" + "FreeSmall: " + ByteSizeText(f.FreeSmall) + "\r" +
         "FreeBig: " + ByteSizeText(f.FreeBig) + "\r" + "Unused: " + ByteSizeText(f.Unused) + "\r" +
         "Overhead: " + ByteSizeText(f.Overhead) + "\r" + "HeapErrorCode: " + std::to_string(f.HeapErrorCode);
}

void ShowHeapReport() {
  ShowMessageBox(HeapReportText(CurrentHeapFigures()), "MemoryStatus", mkFehler, mbOK);
}

}  // namespace dudode
