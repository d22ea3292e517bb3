#pragma once
// The hand-written fixture files of tests/data.
#include <gtest/gtest.h>

#include <string>

#include "core/Files.h"

namespace dudode::test {

// The bytes of tests/data/<name>; an empty text (and a failure) when missing.
inline std::string TestDataFile(const std::string& name) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(std::string(DUDODE_TEST_DATA) + name, bytes)) << name;
  return bytes;
}

}  // namespace dudode::test
