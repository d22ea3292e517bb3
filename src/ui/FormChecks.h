#pragma once
// The link between a dialog's fields and the Qt-free form behind them: a
// field's check runs when the field is left (fields into the form, check,
// form back into the fields), and the focus goes where the form asks.
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "ui/DialogMechanics.h"

class QLineEdit;

namespace dudode {

// The character a key typed; 0 for none.
char32_t Typed(const QString& character);
// The text a typed character joins: the field without its selection.
std::string TextBeside(const QLineEdit* edit);

// TForm asks for the focus with TakeFocus(), TControl::None for nowhere.
template <class TForm, class TControl>
class TFormChecks {
 public:
  struct TField {
    QWidget* Field;
    TControl Control;
    void (TForm::*Check)();  // run on leaving; none for a field without one
  };

  // `read` puts the fields into the form, `show` the form into the fields.
  TFormChecks(TForm& form, std::function<void()> read, std::function<void()> show)
      : form_(form), read_(std::move(read)), show_(std::move(show)) {}

  // Runs each field's check when it is left, unless `skip` says not now.
  void CheckOnLeave(TDialogMechanics* mechanics, std::vector<TField> fields,
                    std::function<bool()> skip = {}) {
    fields_ = std::move(fields);
    for (const TField& f : fields_) {
      if (!f.Field || !f.Check) continue;
      mechanics->CheckOnLeave(f.Field, [this, f, skip] {
        if (skip && skip()) return true;
        read_();
        (form_.*f.Check)();
        show_();
        return !ApplyFocus(f.Control);
      });
    }
  }

  // Moves the focus where the form asks, to a field that can take it; true
  // when it asks for `leaving`: the dialog mechanics give that one its focus back.
  bool ApplyFocus(TControl leaving = TControl::None) {
    const TControl wanted = form_.TakeFocus();
    if (wanted == TControl::None) return false;
    if (wanted == leaving) return true;
    for (const TField& f : fields_) {
      if (f.Control == wanted && f.Field && f.Field->isVisible() && f.Field->isEnabled())
        f.Field->setFocus(Qt::OtherFocusReason);
    }
    return false;
  }

 private:
  TForm& form_;
  std::function<void()> read_, show_;
  std::vector<TField> fields_;
};

}  // namespace dudode
