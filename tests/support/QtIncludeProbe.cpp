// Compiled with the core's include paths only; it must not compile.
#include <QString>

#include "core/Values.h"
