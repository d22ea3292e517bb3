#pragma once
// The one message box of the program. Core code calls ShowMessageBox; the
// editor installs a Qt implementation, tests a scripted one, the command line
// one that prints.
#include <functional>
#include <string>

namespace dudode {

enum MessageKind { mkFehler = 0, mkInformation = 1, mkFrage = 2, mkWarnung = 3, mkBestaetigung = 4 };

// Button sets.
enum MessageButtons {
  mbOK = 0,
  mbAbortRetryIgnore = 1,
  mbOKCancel = 4,
  mbRetryCancel = 8,
  mbYesNo = 16,
  mbYesNoCancel = 32,
  mbYesNoDefaultNo = 64,  // "Ja", "Nein" with "Nein" as the default button
};

// Results: the button pressed.
enum MessageResult { idOK = 1, idCancel = 2, idAbort = 3, idRetry = 4, idIgnore = 5, idYes = 6, idNo = 7 };

// The caption a kind shows when none is given.
std::string DefaultCaption(int kind);
// The button set that the bit set stands for (anything unknown is OK alone).
MessageButtons NormalizeButtons(int buttons);
// The result of the first button of a set (what a box without a user answers).
int FirstButtonResult(MessageButtons buttons);

// Receives the resolved caption and button set.
using MessageBoxHandler =
    std::function<int(const std::string& text, const std::string& caption, int kind, MessageButtons buttons)>;

// Installs a handler and returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

int ShowMessageBox(const std::string& text, const std::string& caption = {}, int kind = mkFehler,
                   int buttons = mbOK);

}  // namespace dudode
