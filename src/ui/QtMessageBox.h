#pragma once
// The Qt face of ShowMessageBox.
#include <memory>
#include <string>

#include "core/MessageBox.h"

class QMessageBox;

namespace dudode {

// Builds the box for a message: the kind's icon, the German buttons of the set
// with their default and the button that Escape and the close button take.
std::unique_ptr<QMessageBox> BuildMessageBox(const std::string& text, const std::string& caption, int kind,
                                             MessageButtons buttons, int defaultResult);
// Makes ShowMessageBox show real, application-modal boxes.
void InstallQtMessageBox();

}  // namespace dudode
