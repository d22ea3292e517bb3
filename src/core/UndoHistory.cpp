#include "core/UndoHistory.h"

#include <set>
#include <unordered_map>

namespace dudode {
namespace {

// Heap bytes of a string beyond its small-string buffer.
std::size_t HeapOf(const std::string& text) {
  constexpr std::size_t kInline = 15;
  return text.capacity() > kInline ? text.capacity() + 1 : 0;
}

template <typename T>
std::size_t VectorHeap(const std::vector<T>& list) {
  return list.capacity() * sizeof(T);
}

std::size_t EntriesHeap(const TTarifEntryList& list) {
  std::size_t bytes = VectorHeap(list);
  for (const TTarifEntry& e : list) bytes += HeapOf(e.Name) + HeapOf(e.DateFrom) + HeapOf(e.DateTo);
  return bytes;
}

std::size_t ZoneBytes(const TKeyAndName& zone) {
  return sizeof(TKeyAndName) + HeapOf(zone.Key) + HeapOf(zone.DisplayName) + VectorHeap(zone.WNo10plus) +
         VectorHeap(zone.FNo10plus) + VectorHeap(zone.WFreeTimes) + VectorHeap(zone.FFreeTimes) +
         HeapOf(zone.Access.PhoneNr) + HeapOf(zone.Access.UserName) + HeapOf(zone.Access.Password) +
         EntriesHeap(zone.Werktag) + EntriesHeap(zone.SaSo);
}

std::size_t HeadBytes(const TTarifFile& head) {
  std::size_t bytes = sizeof(TTarifFile) + VectorHeap(head.Holidays) + VectorHeap(head.Applications);
  for (const std::string* text :
       {&head.StrVersion, &head.Version, &head.FileDate, &head.Description, &head.WWW, &head.Hotline,
        &head.Comment, &head.EMail, &head.AccessCode, &head.Copyright}) {
    bytes += HeapOf(*text);
  }
  for (const TFeiertag& h : head.Holidays) bytes += HeapOf(h.Date);
  for (const TAppEntry& a : head.Applications) bytes += HeapOf(a.TapiName) + HeapOf(a.AppName);
  return bytes;
}

}  // namespace

TUndoHistory::TState TUndoHistory::Capture(const TTarifFile& document) const {
  TTarifFile head = document;
  std::vector<TKeyAndName> zones = std::move(head.Zones);
  head.Zones = {};
  // Where the document lives is no part of its contents: undo keeps it.
  head.FileName.clear();
  head.Modified = false;
  head.LoadedStamp = {};

  TState state;
  const TState* last = states_.empty() ? nullptr : &states_[current_];
  state.Head = last && *last->Head == head ? last->Head : std::make_shared<const TTarifFile>(std::move(head));
  // Zones the last state holds unchanged are shared, wherever they moved to.
  std::unordered_map<std::string, const TZonePtr*> byKey;
  if (last) {
    for (const TZonePtr& zone : last->Zones) byKey.emplace(zone->Key, &zone);
  }
  for (TKeyAndName& zone : zones) {
    const auto it = byKey.find(zone.Key);
    if (it != byKey.end() && **it->second == zone) {
      state.Zones.push_back(*it->second);
    } else {
      state.Zones.push_back(std::make_shared<const TKeyAndName>(std::move(zone)));
    }
  }
  return state;
}

bool TUndoHistory::SameContents(const TState& a, const TState& b) const {
  if (a.Head != b.Head || a.Zones.size() != b.Zones.size()) return false;
  for (std::size_t i = 0; i < a.Zones.size(); ++i) {
    if (a.Zones[i] != b.Zones[i]) return false;
  }
  return true;
}

void TUndoHistory::Restore(const TState& state, TTarifFile& document) const {
  TTarifFile restored = *state.Head;
  restored.Zones.reserve(state.Zones.size());
  for (const TZonePtr& zone : state.Zones) restored.Zones.push_back(*zone);
  restored.FileName = std::move(document.FileName);
  restored.LoadedStamp = document.LoadedStamp;
  restored.Modified = static_cast<long>(current_) != saved_;
  document = std::move(restored);
}

void TUndoHistory::Reset(const TTarifFile& document) {
  states_.clear();
  states_.push_back(Capture(document));
  current_ = 0;
  saved_ = document.Modified ? -1 : 0;
}

bool TUndoHistory::Record(const TTarifFile& document, const std::string& name, const TViewState& before,
                          const TViewState& after, bool fileWritten) {
  if (states_.empty()) Reset(document);
  TState state = Capture(document);
  const bool changed = !SameContents(state, states_[current_]);
  if (changed) {
    state.Name = name;
    state.Before = before;
    state.After = after;
    states_.resize(current_ + 1);
    if (saved_ > static_cast<long>(current_)) saved_ = -1;  // the saved state could only be redone
    states_.push_back(std::move(state));
    ++current_;
    if (states_.size() > depth_ + 1) {
      states_.erase(states_.begin());
      --current_;
      saved_ = saved_ > 0 ? saved_ - 1 : -1;
    }
  }
  TrackSaved(document, fileWritten);
  return changed;
}

void TUndoHistory::TrackSaved(const TTarifFile& document, bool fileWritten) {
  // What the file holds: this state when the document is not Modified; no
  // state at all when the command wrote part of the file into a changed one,
  // or changed the saved state itself without a step.
  if (!document.Modified) {
    saved_ = static_cast<long>(current_);
  } else if (fileWritten || saved_ == static_cast<long>(current_)) {
    saved_ = -1;
  }
}

bool TUndoHistory::Fold(const TTarifFile& document) {
  if (states_.empty()) {
    Reset(document);
    return true;
  }
  TState state = Capture(document);
  TState& current = states_[current_];
  const bool changed = !SameContents(state, current);
  current.Head = std::move(state.Head);
  current.Zones = std::move(state.Zones);
  TrackSaved(document, false);
  return changed;
}

void TUndoHistory::MarkSaved(const TTarifFile& document) {
  Fold(document);
  saved_ = static_cast<long>(current_);
}

std::string TUndoHistory::UndoName() const {
  return CanUndo() ? states_[current_].Name : std::string();
}

std::string TUndoHistory::RedoName() const {
  return CanRedo() ? states_[current_ + 1].Name : std::string();
}

TViewState TUndoHistory::Undo(TTarifFile& document) {
  if (!CanUndo()) return {};
  const TViewState view = states_[current_].Before;
  --current_;
  Restore(states_[current_], document);
  return view;
}

TViewState TUndoHistory::Redo(TTarifFile& document) {
  if (!CanRedo()) return {};
  ++current_;
  Restore(states_[current_], document);
  return states_[current_].After;
}

std::size_t TUndoHistory::MemoryBytes() const {
  std::set<const void*> counted;
  std::size_t bytes = states_.capacity() * sizeof(TState);
  for (const TState& state : states_) {
    bytes += VectorHeap(state.Zones) + HeapOf(state.Name);
    if (counted.insert(state.Head.get()).second) bytes += HeadBytes(*state.Head);
    for (const TZonePtr& zone : state.Zones) {
      if (counted.insert(zone.get()).second) bytes += ZoneBytes(*zone);
    }
  }
  return bytes;
}

}  // namespace dudode
