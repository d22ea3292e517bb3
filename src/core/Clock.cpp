#include "core/Clock.h"

#include <ctime>
#include <utility>

namespace dudode {
namespace {
std::function<TDateTime()>& ClockFunction() {
  static std::function<TDateTime()> clock;
  return clock;
}
}  // namespace

TDateTime Now() {
  if (ClockFunction()) return ClockFunction()();
  const std::time_t t = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

void SetClock(std::function<TDateTime()> clock) {
  ClockFunction() = std::move(clock);
}

}  // namespace dudode
