#include "ui/ListEditDlg.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/DialogParts.h"

namespace dudode {

TListEditDlg::TListEditDlg(const QString& caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
}

void TListEditDlg::CreateListWindow(QAbstractItemView* view, const TListTexts& texts, TToolsAt toolsAt,
                                    bool offLinesAdds, QSize size) {
  view_ = view;
  offLinesAdds_ = offLinesAdds;
  view_->viewport()->installEventFilter(this);
  const std::array<QToolButton*, 3> tools =
      CreateListTools(this, view_,
                      {{{texts.MenuCaptions[0], texts.Hints[0], [this] { AddClick(); }},
                        {texts.MenuCaptions[1], texts.Hints[1], [this] { EditClick(); }},
                        {texts.MenuCaptions[2], texts.Hints[2], [this] { DeleteClick(); }}}},
                      [this] { EnterOrDoubleClick(); });

  auto* layout = new QVBoxLayout(this);
  if (!texts.Label.isEmpty()) {
    auto* label = new QLabel(texts.Label, this);
    label->setBuddy(view_);
    layout->addWidget(label);
  }
  if (toolsAt == TToolsAt::Above) {
    auto* toolRow = new QHBoxLayout;
    for (QToolButton* button : tools) toolRow->addWidget(button);
    toolRow->addStretch();
    layout->addLayout(toolRow);
    layout->addWidget(view_);
  } else {
    auto* toolColumn = new QVBoxLayout;
    for (QToolButton* button : tools) {
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
      button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
      toolColumn->addWidget(button);
    }
    toolColumn->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(view_, 1);
    listRow->addLayout(toolColumn);
    layout->addLayout(listRow);
  }
  layout->addLayout(SaveCancelRow(this));
  resize(size);
}

int TListEditDlg::SelectedLine() const {
  const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void TListEditDlg::ShowLines(int selected) {
  FillView();
  Select(selected);
}

void TListEditDlg::Select(int selected) {
  if (selected >= 0 && selected < view_->model()->rowCount())
    view_->setCurrentIndex(view_->model()->index(selected, 0));
}

void TListEditDlg::AddClick() {
  const int line = AddEntry();
  if (line >= 0) ShowLines(line);
}

void TListEditDlg::EditClick() {
  const int line = EditEntry(SelectedLine());
  if (line >= 0) ShowLines(line);
}

void TListEditDlg::DeleteClick() {
  const int line = SelectedLine();
  if (!RemoveEntry(line)) return;
  FillView();
  Select(std::min(line, view_->model()->rowCount() - 1));
}

void TListEditDlg::EnterOrDoubleClick() {
  if (offLinesAdds_ && SelectedLine() < 0) {
    AddClick();
  } else {
    EditClick();
  }
}

bool TListEditDlg::eventFilter(QObject* watched, QEvent* event) {
  if (view_ && watched == view_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (!view_->indexAt(pos).isValid()) {
      if (!offLinesAdds_) return QDialog::eventFilter(watched, event);
      view_->clearSelection();
    }
    EnterOrDoubleClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace dudode
