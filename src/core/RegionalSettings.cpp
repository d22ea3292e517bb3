#include "core/RegionalSettings.h"

namespace dudode {
namespace {
RegionalSettings& Current() {
  static RegionalSettings settings;
  return settings;
}
}  // namespace

const RegionalSettings& Regional() {
  return Current();
}
void SetRegional(const RegionalSettings& settings) {
  Current() = settings;
}

}  // namespace dudode
