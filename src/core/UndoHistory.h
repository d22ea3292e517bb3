#pragma once
// The undo history of the tariff document: the document's state after every
// step the user took, each step with a name and where the window stood before
// and after it. States share the zones they have in common, so a step that
// changes one zone costs one zone.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

// Where the window stands: the current zone and the highlighted grid rows
// (counted from 1, 0 for none).
struct TViewState {
  int Zone = -1;
  int Row1 = 0;
  int Row2 = 0;
  bool operator==(const TViewState&) const = default;
};

class TUndoHistory {
 public:
  static constexpr std::size_t kDefaultDepth = 100;
  explicit TUndoHistory(std::size_t depth = kDefaultDepth) : depth_(depth) {}

  // A document loaded or set up anew: no steps, and it is what its file holds.
  void Reset(const TTarifFile& document);
  // After a command that is a step: when the document differs from the
  // current state, a step with this name is recorded (anything that could be
  // redone is dropped). fileWritten: the command wrote into the file (holidays,
  // applications); the state is then the saved one only when the document is
  // not Modified. true when a step was recorded.
  bool Record(const TTarifFile& document, const std::string& name, const TViewState& before,
              const TViewState& after, bool fileWritten = false);
  // After anything else: the current state takes the document's contents
  // without a step (a save sorting the lists, a failed save naming the
  // document). true when the contents had changed.
  bool Fold(const TTarifFile& document);
  // After a successful save: the current state is what the file holds.
  void MarkSaved(const TTarifFile& document);

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < states_.size(); }
  // Name of the step Undo or Redo would take; empty when there is none.
  std::string UndoName() const;
  std::string RedoName() const;
  // Puts the document back into the state before (after) the step and returns
  // where the window stood then. Modified is set unless that state is the
  // saved one; the document's file name and stamp stay as they are.
  TViewState Undo(TTarifFile& document);
  TViewState Redo(TTarifFile& document);

  std::size_t Steps() const { return states_.empty() ? 0 : states_.size() - 1; }
  // Heap bytes the states hold, shared parts counted once.
  std::size_t MemoryBytes() const;

 private:
  using TZonePtr = std::shared_ptr<const TKeyAndName>;
  struct TState {
    std::shared_ptr<const TTarifFile> Head;  // everything but the zones and the file's identity
    std::vector<TZonePtr> Zones;
    std::string Name;  // the step that led here
    TViewState Before;
    TViewState After;
  };

  TState Capture(const TTarifFile& document) const;
  bool SameContents(const TState& a, const TState& b) const;
  void Restore(const TState& state, TTarifFile& document) const;
  void TrackSaved(const TTarifFile& document, bool fileWritten);

  std::size_t depth_;
  std::vector<TState> states_;
  std::size_t current_ = 0;
  long saved_ = -1;  // index of the state the file holds; -1 when none does
};

}  // namespace dudode
