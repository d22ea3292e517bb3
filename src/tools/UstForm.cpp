#include "tools/UstForm.h"

#include "core/MessageBox.h"
#include "core/Values.h"

namespace dudode {

std::optional<int> UstSpinPosition(const std::string& text) {
  return ParseUstRate(text);
}

std::string UstRateText(int position) {
  return TwoDigitText(position);
}

std::optional<TVatOutcome> TUstForm::Calculate(TTarifFile& document,
                                               const std::function<void(int percent)>& progress) {
  if (computing_) return std::nullopt;
  computing_ = true;
  struct TDone {
    bool& flag;
    ~TDone() { flag = false; }
  } done{computing_};
  return RunVatAdjustment(document, OldText, NewText, progress);
}

void ReportVatOutcome(TVatOutcome outcome) {
  switch (outcome) {
    case TVatOutcome::NothingToDo:
      ShowMessageBox(VatNothingToDoMessage(), {}, mkInformation, mbOK);
      break;
    case TVatOutcome::InvalidRate:
      ShowMessageBox(VatInvalidRateMessage(), {}, mkFehler, mbOK);
      break;
    case TVatOutcome::Adjusted:
      ShowMessageBox(VatDoneMessage(), {}, mkInformation, mbOK);
      break;
  }
}

}  // namespace dudode
