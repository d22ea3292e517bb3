#include "core/MessageBox.h"

#include <cstdio>
#include <utility>

namespace dudode {
namespace {

// Without an installed handler (a bare program), the box becomes a line on
// standard error and the first button answers.
int PrintingHandler(const std::string& text, const std::string& caption, int, MessageButtons buttons) {
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

int FirstButtonResult(MessageButtons buttons) {
  switch (buttons) {
    case mbAbortRetryIgnore:
      return idAbort;
    case mbRetryCancel:
      return idRetry;
    case mbYesNo:
    case mbYesNoCancel:
      return idYes;
    default:
      return idOK;
  }
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  MessageBoxHandler previous = std::move(Handler());
  Handler() = handler ? std::move(handler) : MessageBoxHandler(PrintingHandler);
  return previous;
}

int ShowMessageBox(const std::string& text, const std::string& caption, int kind, int buttons) {
  const std::string shown = caption.empty() ? DefaultCaption(kind) : caption;
  return Handler()(text, shown, kind, NormalizeButtons(buttons));
}

}  // namespace dudode
