#pragma once
// The main window commands of this folder.
#include <vector>

#include "ui/Command.h"

namespace dudode {

std::vector<TCommandDef> TemplatesCommandList();

}  // namespace dudode
