#pragma once
#include "core/RegionalSettings.h"

class QLocale;

namespace dudode {

// The regional settings of a Qt locale; the C locale counts as German.
RegionalSettings RegionalSettingsFromLocale(const QLocale& locale);

}  // namespace dudode
