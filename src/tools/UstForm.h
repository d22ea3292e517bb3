#pragma once
// The VAT dialog's rules: the rate fields and their spin buttons, and one
// computation at a time while the dialog yields to the event loop.
#include <functional>
#include <optional>
#include <string>

#include "core/TarifFile.h"
#include "tools/VatAdjustment.h"

namespace dudode {

// The spin position a rate field's text sets; none when the text is no whole
// number in the spin range (the position then stays).
std::optional<int> UstSpinPosition(const std::string& text);
// The field text of a spin position: two digits.
std::string UstRateText(int position);

class TUstForm {
 public:
  std::string OldText = "16";
  std::string NewText = "16";

  // While a computation runs, the dialog may not close and no second
  // computation starts.
  bool Computing() const { return computing_; }
  bool CanClose() const { return !computing_; }
  // One computation on the document; none (and no change) while one runs.
  std::optional<TVatOutcome> Calculate(TTarifFile& document,
                                       const std::function<void(int percent)>& progress);

 private:
  bool computing_ = false;
};

// The message that ends a computation.
void ReportVatOutcome(TVatOutcome outcome);

}  // namespace dudode
