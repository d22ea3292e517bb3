#pragma once
// The main window's command registry. Each feature folder lists its commands
// in its CommandList.cpp; a command is a function of the host, the narrow
// view of the main window that commands need. The window binds menu items,
// tool bar buttons, list buttons and keys to command ids.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/CommandResult.h"
#include "core/TarifFile.h"

class QWidget;

namespace dudode {

enum class TCommandId {
  New,
  Open,
  Save,
  SaveAs,
  Import,
  Exit,
  Undo,
  Redo,
  NewZone,
  EditZone,
  DeleteZone,
  ReorderZones,
  Options,
  Vat,
  TenPlus,
  CheckTariffs,
  Coverage,
  Lint,
  Holidays,
  Applications,
  Providers,
  ConnectionTemplates,
  PhoneTemplates,
  HelpContents,
  Info,
  AddEntry1,
  EditEntry1,
  DeleteEntry1,
  AddEntry2,
  EditEntry2,
  DeleteEntry2,
  SortAll,
  CopyOneUp,
  CopyAllUp,
  CopyOneDown,
  CopyAllDown,
};

// Reports progress of a long operation: label text and percent.
using TProgressReport = std::function<void(const std::string& label, int percent)>;

class TCommandHost {
 public:
  virtual ~TCommandHost() = default;

  virtual TTarifFile& Document() = 0;
  virtual bool DocumentLoaded() const = 0;
  // The current zone; -1 for none.
  virtual int CurrentZone() const = 0;
  // The highlighted grid row of a list, counted from 1; 0 when nothing is
  // highlighted.
  virtual int HighlightedRow(TDayClass dayClass) const = 0;
  // Makes the zone current, as the zone menu and the zone box do.
  virtual void SelectZone(int index) = 0;
  // Highlights a grid row of the current zone, counted from 1.
  virtual void SelectEntryRow(TDayClass dayClass, int row) = 0;
  // Parent for the command's dialogs.
  virtual QWidget* Window() = 0;
  virtual int CurrencyBase() const = 0;
  virtual bool KeepFileDate() const = 0;

  // Save with its naming step and question.
  virtual TSaveOutcome Save() = 0;
  // The naming step alone: a description must exist before the document is
  // written. false when the user cancelled.
  virtual bool EnsureDescription(const std::string& caption) = 0;
  // Closes the main window (with its close query).
  virtual void CloseWindow() = 0;
  // Shows what a command changed now, for commands that go on afterwards.
  virtual void Apply(const TCommandResult& result) = 0;

 protected:
  friend class TLongOperation;
  virtual void EnterBusy(const std::string& label, bool hideLists) = 0;
  virtual void ShowProgress(const std::string& label, int percent) = 0;
  virtual void LeaveBusy() = 0;
};

// A long operation: the window is busy (no command runs, the panel is
// disabled, hourglass) for the guard's lifetime, whatever way it ends.
class TLongOperation {
 public:
  TLongOperation(TCommandHost& host, const std::string& label, bool hideLists = false) : host_(host) {
    host_.EnterBusy(label, hideLists);
  }
  ~TLongOperation() { host_.LeaveBusy(); }
  TLongOperation(const TLongOperation&) = delete;
  TLongOperation& operator=(const TLongOperation&) = delete;

  void Progress(const std::string& label, int percent) { host_.ShowProgress(label, percent); }
  TProgressReport Reporter() {
    return [this](const std::string& label, int percent) { Progress(label, percent); };
  }

 private:
  TCommandHost& host_;
};

// What a command needs before it can run.
enum class TCommandNeeds {
  Nothing,   // always (when not busy)
  Document,  // a document is loaded or set up
};

struct TCommandDef {
  TCommandId Id;
  std::function<TCommandResult(TCommandHost& host)> Run;
  TCommandNeeds Needs = TCommandNeeds::Document;
};

// The program's state that enabling depends on.
struct TCommandState {
  bool Busy = false;
  bool DocumentLoaded = false;
};

inline bool CommandEnabled(const TCommandDef& command, const TCommandState& state) {
  if (state.Busy) return false;
  return command.Needs == TCommandNeeds::Nothing || state.DocumentLoaded;
}

}  // namespace dudode
