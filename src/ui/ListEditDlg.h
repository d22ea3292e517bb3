#pragma once
// A window that edits one list: the list or grid, the tools from
// CreateListTools beside or above it, "Speichern" and "Abbrechen" at its foot.
// The window keeps the selection; what a line holds is the subclass's.
#include <QDialog>
#include <QSize>
#include <array>

class QAbstractItemView;
class QToolButton;

namespace dudode {

class TListEditDlg : public QDialog {
  Q_OBJECT
 protected:
  enum class TToolsAt { Above, Right };
  struct TListTexts {
    QString Label;                        // above the list, empty for none
    std::array<QString, 3> MenuCaptions;  // adding, changing, removing
    std::array<QString, 3> Hints;
  };

  TListEditDlg(const QString& caption, QWidget* parent);

  // Lays the window out around `view`, made by the subclass. Enter on the
  // list and a double click on a line change it; `offLinesAdds`: with no line
  // selected they add, and a double click beside the lines adds too.
  void CreateListWindow(QAbstractItemView* view, const TListTexts& texts, TToolsAt toolsAt, bool offLinesAdds,
                        QSize size);

  // Each returns the line to select afterwards, -1 when nothing changed.
  virtual int AddEntry() = 0;
  virtual int EditEntry(int line) = 0;
  virtual bool RemoveEntry(int line) = 0;
  // Puts the lines into the view.
  virtual void FillView() = 0;

  int SelectedLine() const;
  // Refills the view and selects `selected` when it is a line.
  void ShowLines(int selected);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Select(int selected);
  void AddClick();
  void EditClick();
  void DeleteClick();
  void EnterOrDoubleClick();

  QAbstractItemView* view_ = nullptr;
  bool offLinesAdds_ = false;
};

}  // namespace dudode
