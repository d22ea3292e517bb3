#include "ui/DialogParts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

#include "ui/DialogContract.h"

namespace dudode {
namespace {

// Insert adds, Delete removes, Enter runs the list's Enter action.
class TListKeys : public QObject {
 public:
  TListKeys(QObject* list, std::function<void()> add, std::function<void()> remove,
            std::function<void()> enter)
      : QObject(list), add_(std::move(add)), remove_(std::move(remove)), enter_(std::move(enter)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Insert:
        add_();
        return true;
      case Qt::Key_Delete:
        remove_();
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        enter_();
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }

 private:
  std::function<void()> add_, remove_, enter_;
};

}  // namespace

std::array<QToolButton*, 3> CreateListTools(QWidget* dialog, QAbstractItemView* list,
                                            const std::array<TListTool, 3>& tools,
                                            std::function<void()> enter) {
  static const char* const kNames[] = {"AddEntry2Btn", "EditEntry2Btn", "DeleteEntry2Btn"};
  const QString captions[] = {QStringLiteral("Hinzufügen"), QStringLiteral("Ändern"),
                              QStringLiteral("Löschen")};
  std::array<QToolButton*, 3> buttons{};
  list->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (std::size_t i = 0; i < tools.size(); ++i) {
    auto* button = new QToolButton(dialog);
    button->setObjectName(kNames[i]);
    button->setText(captions[i]);
    button->setToolTip(tools[i].Hint);
    QObject::connect(button, &QToolButton::clicked, dialog, tools[i].Run);
    auto* action = new QAction(tools[i].MenuCaption, list);
    QObject::connect(action, &QAction::triggered, dialog, tools[i].Run);
    list->addAction(action);
    buttons[i] = button;
  }
  list->installEventFilter(new TListKeys(list, tools[0].Run, tools[2].Run, enter ? enter : tools[1].Run));
  return buttons;
}

void StyleDayButton(QToolButton* button) {
  button->setStyleSheet(QStringLiteral(
      "QToolButton { min-width: 2.2em; padding: 3px; border: 1px solid palette(mid); border-radius: 3px;"
      " background: palette(base); color: palette(text); }"
      "QToolButton:checked { background: palette(highlight); color: palette(highlighted-text);"
      " border: 1px solid palette(shadow); font-weight: bold; }"
      "QToolButton:disabled { color: palette(mid); }"
      "QToolButton:checked:disabled { background: palette(mid); color: palette(base); }"
      "QToolButton:focus { border: 2px solid palette(text); }"));
}

void ShowFocusFrame(QToolButton* button) {
  button->setStyleSheet(
      QStringLiteral("QToolButton:focus { border: 2px solid palette(highlight); border-radius: 3px; }"));
}

void FitColumnsToContents(QTableView& grid) {
  QHeaderView& header = *grid.horizontalHeader();
  for (int c = 0; c + 1 < header.count(); ++c) {
    const int wanted =
        std::max(static_cast<QAbstractItemView&>(grid).sizeHintForColumn(c), header.sectionSizeHint(c));
    if (header.sectionSize(c) < wanted) header.resizeSection(c, wanted);
  }
}

QHBoxLayout* ButtonRow(QDialog* dialog, QPushButton* confirm, std::initializer_list<QWidget*> buttons) {
  SetConfirmButton(dialog, confirm);
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QWidget* button : buttons) row->addWidget(button);
  return row;
}

QHBoxLayout* SaveCancelRow(QDialog* dialog) {
  auto* saveBtn = Named<QPushButton>(dialog, "SaveBtn", QStringLiteral("Speichern"));
  auto* cancelBtn = Named<QPushButton>(dialog, "CancelBtn", QStringLiteral("Abbrechen"));
  QObject::connect(saveBtn, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancelBtn, &QPushButton::clicked, dialog, &QDialog::reject);
  return ButtonRow(dialog, saveBtn, {saveBtn, cancelBtn});
}

}  // namespace dudode
