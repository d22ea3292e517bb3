#pragma once
// What the connection and telephony template windows share: a list sorted by
// the window, buttons, context menu and keys for New, Change and Delete,
// "Speichern", the close question and the provider information page.
#include <QDialog>
#include <QStringList>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "templates/ProviderPage.h"
#include "templates/RatesFileInfo.h"

class QMenu;
class QPushButton;
class QTreeWidget;

namespace dudode {

class TTemplateListDlg : public QDialog {
  Q_OBJECT
 public:
  bool Modified() const { return modified_; }

 protected:
  TTemplateListDlg(const QString& caption, const QStringList& columns, std::vector<TRatesFileInfo> tariffs,
                   QWidget* parent);

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
  void ReportNoTariffs();
  int Selected() const;

  const std::vector<TRatesFileInfo>& Tariffs() const { return tariffs_; }
  // A new template starts on the first tariff file and its first zone.
  template <class TTemplate>
  TTemplate OnFirstTariff() const {
    TTemplate t;
    t.PhoneTarif = tariffs_.front().Identifier;
    if (!tariffs_.front().ZoneNames.empty()) t.Zone = tariffs_.front().ZoneNames.front();
    return t;
  }
  // Puts the template into the list in the window's order; its index.
  template <class TTemplate, class TSort>
  static int Place(std::vector<TTemplate>& templates, const TTemplate& t, TSort sort) {
    templates.push_back(t);
    sort(templates);
    return static_cast<int>(std::find(templates.begin(), templates.end(), t) - templates.begin());
  }
  template <std::size_t N>
  static QStringList Texts(const std::array<std::string, N>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << QString::fromStdString(text);
    return list;
  }

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

  std::vector<TRatesFileInfo> tariffs_;
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
