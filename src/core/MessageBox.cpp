#include "core/MessageBox.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace dudode {
namespace {

// Without an installed handler (a bare program), the box becomes a line on
// standard error and the first button answers.
int PrintingHandler(const std::string& text, const std::string& caption, int, MessageButtons buttons, int) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  return FirstButtonResult(buttons);
}

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler = PrintingHandler;
  return handler;
}

}  // namespace

std::string DefaultCaption(int kind) {
  switch (kind) {
    case mkFehler:
      return "Fehler";
    case mkInformation:
      return "Information";
    case mkFrage:
      return "Frage";
    case mkWarnung:
      return "Warnung";
    case mkBestaetigung:
      return "Bestätigung";
    default:
      return {};
  }
}

MessageButtons NormalizeButtons(int buttons) {
  switch (buttons) {
    case mbAbortRetryIgnore:
    case mbOKCancel:
    case mbRetryCancel:
    case mbYesNo:
    case mbYesNoCancel:
      return static_cast<MessageButtons>(buttons);
    default:
      return mbOK;
  }
}

std::vector<int> ButtonResults(MessageButtons buttons) {
  switch (buttons) {
    case mbAbortRetryIgnore:
      return {idAbort, idRetry, idIgnore};
    case mbOKCancel:
      return {idOK, idCancel};
    case mbRetryCancel:
      return {idRetry, idCancel};
    case mbYesNo:
      return {idYes, idNo};
    case mbYesNoCancel:
      return {idYes, idNo, idCancel};
    default:
      return {idOK};
  }
}

int FirstButtonResult(MessageButtons buttons) {
  return ButtonResults(buttons).front();
}

int EscapeResult(MessageButtons buttons) {
  const std::vector<int> results = ButtonResults(buttons);
  for (int wanted : {idCancel, idAbort, idNo}) {
    if (std::find(results.begin(), results.end(), wanted) != results.end()) return wanted;
  }
  return results.front();
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  MessageBoxHandler previous = std::move(Handler());
  Handler() = handler ? std::move(handler) : MessageBoxHandler(PrintingHandler);
  return previous;
}

int ShowMessageBox(const std::string& text, const std::string& caption, int kind, int buttons) {
  const std::string shown = caption.empty() ? DefaultCaption(kind) : caption;
  const MessageButtons set = NormalizeButtons(buttons & ~mbDefaultSecond);
  const std::vector<int> results = ButtonResults(set);
  const bool second = (buttons & mbDefaultSecond) != 0 && results.size() > 1;
  return Handler()(text, shown, kind, set, results[second ? 1 : 0]);
}

}  // namespace dudode
