#pragma once
// "&Provider" / "&Bearbeiten...": choose a provider file and edit it.
#include "ui/Command.h"

namespace dudode {

// The provider editor has a model of its own: the tariff document stays as it is.
TCommandResult ProvidersCommand(TCommandHost& host);

}  // namespace dudode
