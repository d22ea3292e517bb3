#pragma once
// Parts the dialogs share: the button row at a dialog's foot, and the tools of
// a list editor ("Hinzufügen", "Ändern" and "Löschen" as tool buttons with
// hints and in the list's context menu; Insert, Delete and Enter on the list).
#include <QString>
#include <array>
#include <functional>
#include <initializer_list>

class QAbstractItemView;
class QDialog;
class QHBoxLayout;
class QPushButton;
class QTableView;
class QToolButton;
class QWidget;

namespace dudode {

// A control with its caption and its object name, the name the help and the
// tests find it by.
template <class TControl>
TControl* Named(QWidget* parent, const char* name, const QString& text) {
  auto* control = new TControl(text, parent);
  control->setObjectName(name);
  return control;
}

struct TListTool {
  QString MenuCaption;  // in the list's context menu
  QString Hint;
  std::function<void()> Run;
};

// Adding, changing and removing, in that order (AddEntry2Btn, EditEntry2Btn,
// DeleteEntry2Btn). Enter on the list runs `enter`, the change when empty.
std::array<QToolButton*, 3> CreateListTools(QWidget* dialog, QAbstractItemView* list,
                                            const std::array<TListTool, 3>& tools,
                                            std::function<void()> enter = {});

// A day button: pressed ones filled and bold, released ones plain, so that
// the two differ at a glance; the focused one framed.
void StyleDayButton(QToolButton* button);
// A flat button shows a frame while it has the focus.
void ShowFocusFrame(QToolButton* button);

// Widens each column but the last to its widest text, so that no text is cut;
// a column the user made wider keeps its width.
void FitColumnsToContents(QTableView& grid);

// The buttons at the right end of a dialog's foot. `confirm` (one of them, or
// none) is what Return in a field without an Enter rule presses.
QHBoxLayout* ButtonRow(QDialog* dialog, QPushButton* confirm, std::initializer_list<QWidget*> buttons);

// "Speichern" (SaveBtn) accepts, "Abbrechen" (CancelBtn) and Escape reject;
// Enter in the list presses neither.
QHBoxLayout* SaveCancelRow(QDialog* dialog);

}  // namespace dudode
