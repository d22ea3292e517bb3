#pragma once
// Every modal dialog is shown through RunModal, so that tests can work the
// dialog as a user would instead of waiting in an event loop.
#include <functional>

class QDialog;

namespace dudode {

using ModalDriver = std::function<void(QDialog&)>;

// Shows the dialog modally and returns its result (QDialog::Accepted or Rejected).
int RunModal(QDialog& dialog);

// Tests: the driver receives each dialog shown, visible and active, and works
// it; a dialog it leaves open is rejected. An empty driver restores exec().
ModalDriver SetModalDriver(ModalDriver driver);

}  // namespace dudode
