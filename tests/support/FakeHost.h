#pragma once
// A command host without a window: commands run against a document, and the
// test sets the current zone and the highlighted rows.
#include <string>
#include <vector>

#include "ui/Command.h"

namespace dudode::test {

class TFakeHost : public TCommandHost {
 public:
  TTarifFile Doc;
  bool Loaded = true;
  int Zone = 0;
  int Row1 = 0;  // highlighted rows, from 1; 0 for none
  int Row2 = 0;
  int Base = 100;
  bool KeepDate = false;
  QWidget* Parent = nullptr;
  TSaveOutcome SaveAnswer = TSaveOutcome::Saved;
  bool NameAnswer = true;
  int Saves = 0;
  int BusyDepth = 0;
  int MaxBusyDepth = 0;
  std::vector<std::string> Progress;  // "label percent"
  std::vector<TCommandResult> Applied;
  bool Closed = false;

  TTarifFile& Document() override { return Doc; }
  bool DocumentLoaded() const override { return Loaded; }
  int CurrentZone() const override { return Zone; }
  int HighlightedRow(TDayClass dayClass) const override {
    return dayClass == TDayClass::Werktag ? Row1 : Row2;
  }
  void SelectZone(int index) override { Zone = index; }
  void SelectEntryRow(TDayClass dayClass, int row) override {
    (dayClass == TDayClass::Werktag ? Row1 : Row2) = row;
  }
  QWidget* Window() override { return Parent; }
  int CurrencyBase() const override { return Base; }
  bool KeepFileDate() const override { return KeepDate; }
  TSaveOutcome Save() override {
    ++Saves;
    return SaveAnswer;
  }
  bool EnsureDescription(const std::string&) override { return NameAnswer; }
  void CloseWindow() override { Closed = true; }
  void Apply(const TCommandResult& result) override { Applied.push_back(result); }

 protected:
  void EnterBusy(const std::string& label, bool) override {
    ++BusyDepth;
    if (BusyDepth > MaxBusyDepth) MaxBusyDepth = BusyDepth;
    Progress.push_back(label);
  }
  void ShowProgress(const std::string& label, int percent) override {
    Progress.push_back(label + " " + std::to_string(percent));
  }
  void LeaveBusy() override { --BusyDepth; }
};

}  // namespace dudode::test
