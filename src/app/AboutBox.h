#pragma once
// The About box: the program, its version and facts about the system.
#include <QDialog>

namespace dudode {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace dudode
