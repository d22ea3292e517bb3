#pragma once
// How the editor's dialogs treat their fields: checks when a field is left,
// Enter moving to the next control, key filters on key presses.
#include <QObject>
#include <functional>
#include <map>
#include <set>

class QWidget;

namespace dudode {

class TDialogMechanics : public QObject {
  Q_OBJECT
 public:
  // Handles the fields of this dialog; lives as long as the dialog.
  explicit TDialogMechanics(QWidget* dialog);

  // Enter in the field moves the focus to the next control instead of
  // pressing the dialog's default button.
  void EnterMovesFocus(QWidget* field);
  // Enter in the field runs the action instead.
  void EnterRuns(QWidget* field, std::function<void()> action);
  // Runs the check when the field is left. A check that returns false gets
  // the focus back into its field once its message is gone.
  void CheckOnLeave(QWidget* field, std::function<bool()> check);
  // Each typed character passes the filter first; false drops it.
  void FilterKeys(QWidget* field, std::function<bool(const QString& character)> filter);
  // Clicking this control (a cancel button) runs no check. Tab and Enter
  // check a field before the focus moves, so that a button the check
  // enables is the next control.
  void NoChecksFor(QWidget* control);

  // Moves the focus from the field to the next control that takes it.
  static void MoveFocusOn(QWidget* field);
  // While a check runs (and shows its message) no other check starts.
  static bool CheckRunning();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TField {
    bool EnterMovesFocus = false;
    std::function<void()> EnterAction;
    std::function<bool()> Check;
    std::function<bool(const QString&)> Filter;
    bool Checked = false;  // checked by Tab or Enter; the focus-out that follows needs no check
  };
  TField& Field(QWidget* field);
  bool LeaveField(QWidget* field, TField& entry);
  bool CheckBeforeMove(TField& entry);

  std::map<QObject*, TField> fields_;
  std::set<QObject*> noChecks_;
};

}  // namespace dudode
