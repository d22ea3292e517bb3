#pragma once
// The keyboard rules every dialog keeps, applied in one place (RunModal) when
// a dialog is shown:
// - no button is pressed by Return unless it has the focus, or it is the
//   dialog's confirm button and the focus is in a field without an Enter rule;
// - the first input in reading order takes the focus, unless the dialog gave
//   it to a control itself or named one;
// - Tab follows reading order (top to bottom, left to right, group by group);
// - every button and every label of a field carries a mnemonic, unique in
//   the dialog;
// - Escape closes at once when nothing changed, and asks first when
//   something did.
#include <QString>
#include <vector>

class QDialog;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace dudode {

// Return in a field that has no Enter rule of its own presses this button, so
// that the dialog is confirmed through the button's checks.
void SetConfirmButton(QDialog* dialog, QPushButton* button);
// The control that has the focus when the dialog opens.
void SetFirstFocus(QDialog* dialog, QWidget* control);
// Escape goes straight to reject(): the dialog loses nothing by closing (a
// picker, a viewer, changes already applied), or its reject() asks itself.
void LeaveEscapeToDialog(QDialog* dialog);

// The keys that still choose in a drop-down that takes no typing: the arrow
// and page keys, Home and End, and those that open the list.
bool ChoosesWithoutTyping(const QKeyEvent& key);

// Gives the focus back to the window that was active before a message box or
// a dialog: the window manager does not always do it, and then no key reaches
// the program until a click. Does nothing for a window that is gone.
void ActivateAgain(QWidget* window);

// Applies the rules; RunModal does it for every dialog it shows.
void ApplyDialogContract(QDialog& dialog);

// The controls that take the focus by Tab, in reading order.
std::vector<QWidget*> ReadingOrder(QWidget& dialog);

// "&Übernehmen" for "Übernehmen" when no control of the dialog uses "ü" yet:
// the preferred letter of common captions, else the first free letter.
// `used` holds the lower-case letters taken; the chosen one is added.
QString WithMnemonic(const QString& text, QString& used);

}  // namespace dudode
