#pragma once
// What the connection and telephony template windows share: a list sorted by
// the window, buttons, context menu and keys for New, Change and Delete,
// "Speichern", the close question and the provider information page.
#include <QDialog>
#include <string>
#include <vector>

#include "templates/ProviderPage.h"

class QMenu;
class QPushButton;
class QTreeWidget;

namespace dudode {

class TTemplateListDlg : public QDialog {
  Q_OBJECT
 public:
  bool Modified() const { return modified_; }

 protected:
  TTemplateListDlg(const QString& caption, const QStringList& columns, QWidget* parent);

  // What the window holds, in list order.
  virtual int Count() const = 0;
  virtual QStringList LineTexts(int index) const = 0;
  // Each returns the index of the line to select afterwards, -1 when nothing changed.
  virtual int NewTemplate() = 0;
  virtual int EditTemplate(int index) = 0;
  virtual bool DeleteTemplate(int index) = 0;
  virtual bool SaveTemplates() = 0;
  virtual std::vector<TProviderPageRow> PageRows() const = 0;

  // Rebuilds the lines from the templates and selects one.
  void Refill(int selected);
  void SetModified() { modified_ = true; }
  // A further button beside "Neue Verbindung".
  QPushButton* AddToolButton(const char* name, const QString& text, const QString& hint);
  // Without tariff files nothing can be created: says so and disables New.
  void ReportNoTariffs(bool none);
  int Selected() const;

  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls(const QStringList& columns);
  void CreateLayout();
  void Connect();
  void UpdateButtons();
  void NewClick();
  void EditClick();
  void DeleteClick();
  void SaveClick();
  // Writes with the window closed to input; false keeps the window open.
  bool Save();
  void WritePage();

  bool modified_ = false;
  QTreeWidget* ListView = nullptr;
  QPushButton* NewBtn = nullptr;
  QPushButton* EditBtn = nullptr;
  QPushButton* DeleteBtn = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QMenu* PopupMenu = nullptr;
  QAction* NewItem = nullptr;
  QAction* EditItem = nullptr;
  QAction* DeleteItem = nullptr;
  class QHBoxLayout* tools_ = nullptr;
};

}  // namespace dudode
