#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/HeapReport.h"

namespace dudode {
namespace {

// As in a memory manager's status, the committed space is the allocated, the free and the overhead.
TEST(HeapReportTest, EachLineShowsItsOwnFigureAndTheFiguresAddUp) {
  EXPECT_EQ(
      "TotalAddrSpace: 1 Byte\rTotalUncommitted: 2 Byte\rTotalCommitted: 3 Byte\rTotalAllocated: 4 Byte\r"
      "TotalFree: 5 Byte\rFreeSmall: 6 Byte\rFreeBig: 7 Byte\rUnused: 999.999 Byte\rOverhead: 976 KByte\r"
      "HeapErrorCode: 10",
      HeapReportText({1, 2, 3, 4, 5, 6, 7, 999999, 1000000, 10}));
  const std::vector<std::string> blocks(100, std::string(5000, 'x'));
  const THeapFigures f = CurrentHeapFigures();
  EXPECT_GE(f.Overhead, 0);
  EXPECT_EQ(f.TotalCommitted, f.TotalAllocated + f.TotalFree + f.Overhead);
  EXPECT_EQ(f.TotalAddrSpace, f.TotalCommitted + f.TotalUncommitted);
  EXPECT_EQ(f.TotalFree, f.FreeSmall + f.FreeBig);
}

}  // namespace
}  // namespace dudode
