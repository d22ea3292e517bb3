#include "ui/DialogParts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

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

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QWidget* button : buttons) row->addWidget(button);
  return row;
}

QHBoxLayout* SaveCancelRow(QDialog* dialog) {
  auto* saveBtn = new QPushButton(QStringLiteral("Speichern"), dialog);
  saveBtn->setObjectName("SaveBtn");
  saveBtn->setAutoDefault(false);
  auto* cancelBtn = new QPushButton(QStringLiteral("Abbrechen"), dialog);
  cancelBtn->setObjectName("CancelBtn");
  cancelBtn->setAutoDefault(false);
  QObject::connect(saveBtn, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancelBtn, &QPushButton::clicked, dialog, &QDialog::reject);
  return ButtonRow({saveBtn, cancelBtn});
}

}  // namespace dudode
