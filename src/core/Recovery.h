#pragma once
// The recovery copy: the whole document as it is in memory, with the file it
// belongs to, kept in the user's state directory while it has unsaved
// changes, so that a crash or a killed session loses nothing. The copy never
// replaces a tariff file: only the user's save writes one.
#include <string>
#include <string_view>

#include "core/TarifFile.h"

namespace dudode {

struct TRecoveryCopy {
  std::string Directory;  // the program directory the document belongs to
  TTarifFile Document;    // FileName and LoadedStamp included
};

// $XDG_STATE_HOME/dudode, or ~/.local/state/dudode when it is unset or not
// absolute. With a trailing separator.
std::string RecoveryDirectory(const char* stateHome, const char* home);
// The copy of the program directory in use, in the directory the environment names.
std::string RecoveryCopyPath();

// The copy's bytes: every field exactly as in memory (lists unsorted, numbers
// to the last bit), ending in a mark so that a cut copy is never taken.
std::string RecoveryImage(const TTarifFile& document, const std::string& directory);
// false when the bytes are no complete copy.
bool ParseRecoveryImage(std::string_view bytes, TRecoveryCopy& copy);

// Writes the copy atomically (its directory is created); false with a German
// description in error.
bool WriteRecoveryCopy(const TTarifFile& document, const std::string& directory,
                       std::string* error = nullptr);
// false when there is no readable copy.
bool ReadRecoveryCopy(TRecoveryCopy& copy);
void RemoveRecoveryCopy();

// The question at start-up; it says so when the tariff file has changed on
// disk since the copy was taken.
std::string RecoveryQuestion(const TRecoveryCopy& copy);

}  // namespace dudode
