#include "ui/DialogContract.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <tuple>

#include "core/MessageBox.h"

namespace dudode {
namespace {

const char* const kConfirm = "dudodeConfirm";
const char* const kFirstFocus = "dudodeFirstFocus";
const char* const kOwnEscape = "dudodeOwnEscape";
const char* const kApplied = "dudodeContract";

template <typename T>
T* Stored(const QDialog& dialog, const char* name) {
  return qobject_cast<T*>(dialog.property(name).value<QObject*>());
}

bool IsButton(const QWidget* w) {
  return qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w);
}

// What the user fills in or chooses from: no button, no page tab.
bool IsInput(const QWidget* w) {
  return !IsButton(w) && !qobject_cast<const QTabWidget*>(w) && !qobject_cast<const QTabBar*>(w);
}

// Toggles in a row (day buttons) and buttons without a letter ("...", ">>")
// take no mnemonic.
bool TakesMnemonic(const QAbstractButton* b) {
  if (qobject_cast<const QToolButton*>(b) && b->isCheckable()) return false;
  const QString text = b->text();
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

bool TakesTab(const QWidget* w) {
  return (w->focusPolicy() & Qt::TabFocus) != 0;
}

// A field's inner parts (a combo box's line edit, a view's viewport) belong to it.
bool IsLeaf(const QWidget* w) {
  return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
         qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QLineEdit*>(w) || IsButton(w);
}

// Walks the layouts, which know the reading order before any geometry exists.
class TWalker {
 public:
  explicit TWalker(QWidget& root) : root_(root) {}

  std::vector<QWidget*> Walk(bool buddies) {
    buddies_ = buddies;
    if (root_.layout()) Layout(*root_.layout());
    // Controls outside every layout follow in the order they were made.
    for (QWidget* w : root_.findChildren<QWidget*>()) {
      if (TakesTab(w) && w->isVisibleTo(&root_) &&
          std::find(order_.begin(), order_.end(), w) == order_.end() && !InsideLeaf(w))
        order_.push_back(w);
    }
    return order_;
  }

 private:
  bool InsideLeaf(const QWidget* w) const {
    for (const QWidget* p = w->parentWidget(); p && p != &root_; p = p->parentWidget())
      if (IsLeaf(p)) return true;
    return false;
  }

  void Layout(QLayout& layout) {
    std::vector<std::tuple<int, int, QLayoutItem*>> items;
    for (int i = 0; i < layout.count(); ++i) {
      int row = i, column = 0;
      if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
        int rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
      } else if (auto* form = qobject_cast<QFormLayout*>(&layout)) {
        QFormLayout::ItemRole role{};
        form->getItemPosition(i, &row, &role);
        column = role == QFormLayout::LabelRole ? 0 : 1;
      } else if (auto* box = qobject_cast<QBoxLayout*>(&layout)) {
        if (box->direction() == QBoxLayout::RightToLeft || box->direction() == QBoxLayout::BottomToTop)
          row = layout.count() - i;
      }
      items.emplace_back(row, column, layout.itemAt(i));
    }
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
      return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    for (const auto& item : items) {
      QLayoutItem* it = std::get<2>(item);
      if (it->widget())
        Widget(*it->widget());
      else if (it->layout())
        Layout(*it->layout());
    }
  }

  // A tab page is hidden while another page is shown, but its controls count.
  void Widget(QWidget& w, bool page = false) {
    if (w.isHidden() && !page) return;
    if (auto* label = qobject_cast<QLabel*>(&w)) {
      // "Name:" names the field that follows; a unit or a text around a field does not.
      const QString text = label->text().trimmed();
      const bool fieldLabel = !label->wordWrap() && text.endsWith(':') && !label->buddy() &&
                              !text.contains('&') && !text.contains('<');
      label_ = fieldLabel ? label : nullptr;
      return;
    }
    if (TakesTab(&w)) {
      if (label_ && buddies_ && !IsButton(&w)) label_->setBuddy(&w);
      label_ = nullptr;
      order_.push_back(&w);
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(&w)) {
      for (int i = 0; i < tabs->count(); ++i) Widget(*tabs->widget(i), true);
    } else if (!IsLeaf(&w) && w.layout()) {
      Layout(*w.layout());
    }
  }

  QWidget& root_;
  bool buddies_ = false;
  QLabel* label_ = nullptr;
  std::vector<QWidget*> order_;
};

// What the dialog holds, to tell whether Escape loses something.
QString Snapshot(const QDialog& dialog) {
  QString state;
  for (const QWidget* w : dialog.findChildren<QWidget*>()) {
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
      if (!qobject_cast<const QComboBox*>(w->parentWidget()) &&
          !qobject_cast<const QAbstractSpinBox*>(w->parentWidget()))
        state += edit->text();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
      if (button->isCheckable()) state += button->isChecked() ? '1' : '0';
    } else if (auto* combo = qobject_cast<const QComboBox*>(w)) {
      state += QString::number(combo->count()) + ':' + combo->currentText();
    } else if (auto* spin = qobject_cast<const QAbstractSpinBox*>(w)) {
      state += spin->text();
    } else if (auto* text = qobject_cast<const QTextEdit*>(w)) {
      state += text->toPlainText();
    } else if (auto* plain = qobject_cast<const QPlainTextEdit*>(w)) {
      state += plain->toPlainText();
    } else if (auto* view = qobject_cast<const QAbstractItemView*>(w)) {
      const QAbstractItemModel* model = view->model();
      if (!model) continue;
      state += QString::number(model->rowCount());
      if (model->rowCount() * model->columnCount() > 20000) continue;
      for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c) {
          const QModelIndex index = model->index(r, c);
          state += index.data().toString() + index.data(Qt::CheckStateRole).toString();
        }
    }
    state += '\x1f';
  }
  return state;
}

// Return on a focused button clicks it; Escape on the dialog asks first when
// something changed.
class TContractKeys : public QObject {
 public:
  explicit TContractKeys(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {}
  void TakeSnapshot() { snapshot_ = Snapshot(dialog_); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &dialog_ && event->type() == QEvent::Show) TakeSnapshot();
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != Qt::NoModifier) return false;
    if (watched != &dialog_) {
      auto* button = qobject_cast<QAbstractButton*>(watched);
      if (!button || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) return false;
      if (button->isEnabled()) button->click();
      return true;
    }
    if (key->key() != Qt::Key_Escape || dialog_.property(kOwnEscape).toBool()) return false;
    if (Snapshot(dialog_) == snapshot_) return false;
    const int answer =
        ShowMessageBox("Sollen die Änderungen verworfen werden?", dialog_.windowTitle().toStdString(),
                       mkFrage, mbYesNo | mbDefaultSecond);
    if (answer == idYes) dialog_.reject();
    return true;
  }

 private:
  QDialog& dialog_;
  QString snapshot_;
};

struct TPreferred {
  const char* Text;
  const char* WithMnemonic;
};
// The captions every dialog shares keep one letter throughout the program.
constexpr TPreferred kPreferred[] = {
    {"Übernehmen", "&Übernehmen"}, {"Abbrechen", "Abbre&chen"}, {"OK", "&OK"},
    {"Speichern", "&Speichern"},   {"Schließen", "&Schließen"}, {"Hinzufügen", "&Hinzufügen"},
    {"Ändern", "Ä&ndern"},         {"Löschen", "&Löschen"},     {"Ausnahmen", "&Ausnahmen"},
};

bool HasMnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return true;
    ++i;
  }
  return false;
}

QChar MnemonicOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1].toLower();
    ++i;
  }
  return {};
}

void Label(QWidget* w, const QString& text, QString& used) {
  const QString marked = WithMnemonic(text, used);
  if (marked == text) return;
  if (auto* label = qobject_cast<QLabel*>(w))
    label->setText(marked);
  else if (auto* button = qobject_cast<QAbstractButton*>(w))
    button->setText(marked);
}

void AssignMnemonics(QDialog& dialog) {
  std::vector<std::pair<QWidget*, QString>> texts;
  for (QWidget* w : ReadingOrder(dialog)) {
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && TakesMnemonic(button))
      texts.emplace_back(w, button->text());
  }
  for (QLabel* label : dialog.findChildren<QLabel*>())
    if (label->buddy() && !label->text().isEmpty()) texts.emplace_back(label, label->text());
  QString used;
  for (const auto& [w, text] : texts)
    if (HasMnemonic(text)) used += MnemonicOf(text);
  // Buttons that take no focus may carry one of their own, too.
  for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
    if (HasMnemonic(b->text())) used += MnemonicOf(b->text());
  for (const auto& [w, text] : texts)
    if (!HasMnemonic(text)) Label(w, text, used);
}

}  // namespace

QString WithMnemonic(const QString& text, QString& used) {
  if (HasMnemonic(text)) return text;
  for (const TPreferred& p : kPreferred) {
    if (text != QString::fromUtf8(p.Text)) continue;
    const QString marked = QString::fromUtf8(p.WithMnemonic);
    const QChar letter = MnemonicOf(marked);
    if (used.contains(letter)) break;
    used += letter;
    return marked;
  }
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i].toLower();
    if (!c.isLetterOrNumber() || used.contains(c)) continue;
    used += c;
    QString marked = text;
    marked.insert(i, '&');
    return marked;
  }
  return text;
}

bool ChoosesWithoutTyping(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_F4:
    case Qt::Key_Space:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

std::vector<QWidget*> ReadingOrder(QWidget& dialog) {
  return TWalker(dialog).Walk(false);
}

void ActivateAgain(QWidget* window) {
  if (!window || !window->isVisible()) return;
  window->raise();
  window->activateWindow();
}

void SetConfirmButton(QDialog* dialog, QPushButton* button) {
  dialog->setProperty(kConfirm, QVariant::fromValue<QObject*>(button));
}

void SetFirstFocus(QDialog* dialog, QWidget* control) {
  dialog->setProperty(kFirstFocus, QVariant::fromValue<QObject*>(control));
}

void LeaveEscapeToDialog(QDialog* dialog) {
  dialog->setProperty(kOwnEscape, true);
}

void ApplyDialogContract(QDialog& dialog) {
  auto* keys = static_cast<TContractKeys*>(dialog.property(kApplied).value<QObject*>());
  if (!keys) {
    keys = new TContractKeys(dialog);
    dialog.setProperty(kApplied, QVariant::fromValue<QObject*>(keys));
    dialog.installEventFilter(keys);
    const std::vector<QWidget*> order = TWalker(dialog).Walk(true);
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    AssignMnemonics(dialog);
    QPushButton* confirm = Stored<QPushButton>(dialog, kConfirm);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      button->setAutoDefault(false);
      button->setDefault(button == confirm);
    }
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
      if (IsButton(button)) button->installEventFilter(keys);
    // Tab leaves a grid instead of walking its cells, or no control after it could be reached.
    for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>())
      view->setTabKeyNavigation(false);
    QWidget* first = Stored<QWidget>(dialog, kFirstFocus);
    if (!first) first = dialog.focusWidget();
    for (auto it = order.begin(); !first && it != order.end(); ++it)
      if (IsInput(*it) && (*it)->isEnabled()) first = *it;
    for (auto it = order.begin(); !first && it != order.end(); ++it)
      if ((*it)->isEnabled()) first = *it;
    if (first) first->setFocus(Qt::TabFocusReason);
  }
}

}  // namespace dudode
