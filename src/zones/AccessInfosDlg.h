#pragma once
// The dial-in entries of a zone: a list of number, user name and password,
// and whether the provider requires a registration.
#include <QDialog>
#include <vector>

#include "core/TarifFile.h"
#include "zones/AccessInfo.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace dudode {

class TAccessInfosDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TAccessInfosDlg(const TAccessInfos& access, QWidget* parent = nullptr);

  // The packed texts and Registration of the confirmed list;
  // NichtBundesweit as handed in.
  TAccessInfos Access() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormShow();
  void AddEntryBtnClick();
  void EditEntryBtnClick();
  void DeleteEntryBtnClick();
  void LVChange();
  void AddLine(const TAccessLine& line);

  TAccessInfos access_;
  bool filled_ = false;
  QTreeWidget* LV = nullptr;
  QCheckBox* RegistrationChkBox = nullptr;
  QToolButton* AddEntryBtn = nullptr;
  QToolButton* EditEntryBtn = nullptr;
  QToolButton* DeleteEntryBtn = nullptr;
};

// One dial-in entry.
class TAccessInfoEditDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TAccessInfoEditDlg(const TAccessLine& line, QWidget* parent = nullptr);
  TAccessLine Line() const;

 private:
  QLineEdit* PhoneNrEdit = nullptr;
  QLineEdit* UserNameEdit = nullptr;
  QLineEdit* PasswordEdit = nullptr;
};

// Shows the access dialog over a zone's data; true (with the packed texts and
// Registration taken over) when it was confirmed.
bool EditAccessInfos(TAccessInfos& access, QWidget* parent);

}  // namespace dudode
