#pragma once
// Reading and writing the provider files Provider.ini and UserProv.ini of the
// program directory.
#include <functional>
#include <string>

#include "providers/Provider.h"

namespace dudode {

// Reads the whole file into a provider list, sorted by stored name, every
// entry list sorted. A missing or unreadable file gives an empty list without
// a message; bad entry lines are reported by message box and reading goes on.
// error (when given) gets the message when the file exists but cannot be
// read; readOnly leaves a write protection of the file alone.
TProviderList LoadProviderFile(const std::string& fileName, std::string* error = nullptr,
                               bool readOnly = false);

// The file for the editor. False, after a message naming the file, when it
// exists but cannot be read: an editor opened empty would replace it on save.
bool LoadProvidersToEdit(const std::string& fileName, TProviderList& providers);

// Called while writing the PROVIDER section before every second provider, so
// that a window can process its pending messages.
using TProviderWriteStep = std::function<void(int index, int count)>;

// Replaces the file by the list (the file part of saving: no question, no
// wait window). Sorts every entry list and sets a NoCostsFrom of 0 or below to
// -1, as written. The old file stays untouched when the new one cannot be
// written; that is reported by message box and the result is false.
bool SaveProviderFile(const std::string& fileName, TProviderList& providers,
                      const TProviderWriteStep& step = {});

}  // namespace dudode
