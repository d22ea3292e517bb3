#pragma once
// What a main window command changed, so that the window refreshes exactly
// that, in one place. Qt-free: the rules of a command return it.

namespace dudode {

// How a save ended: written, stopped by the user in one of its own
// questions, or failed with a message (the file is as it was).
enum class TSaveOutcome { Saved, Stopped, Failed };

struct TCommandResult {
  bool ZonesChanged = false;    // zone list or names: refill the zone box and menu
  int CurrentZone = -1;         // with ZonesChanged: the zone made current (-1: none)
  bool GridsChanged = false;    // the current zone's lists
  bool TitleChanged = false;    // the description, shown in the title
  bool DocumentLoaded = false;  // the document was replaced or set up anew

  static TCommandResult None() { return {}; }
  static TCommandResult Grids() {
    TCommandResult r;
    r.GridsChanged = true;
    return r;
  }
  static TCommandResult Zones(int current) {
    TCommandResult r;
    r.ZonesChanged = true;
    r.CurrentZone = current;
    return r;
  }
  static TCommandResult Title() {
    TCommandResult r;
    r.TitleChanged = true;
    return r;
  }
  // Either's changes.
  TCommandResult& operator|=(const TCommandResult& other);
};

inline TCommandResult& TCommandResult::operator|=(const TCommandResult& other) {
  if (other.ZonesChanged) {
    ZonesChanged = true;
    CurrentZone = other.CurrentZone;
  }
  GridsChanged = GridsChanged || other.GridsChanged;
  TitleChanged = TitleChanged || other.TitleChanged;
  DocumentLoaded = DocumentLoaded || other.DocumentLoaded;
  return *this;
}

}  // namespace dudode
