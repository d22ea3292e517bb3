#pragma once
// The main window with a document, for the zone editing dialog tests, and
// helpers that work those dialogs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QTableWidget>
#include <memory>

#include "app/Main.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "ui/NumberEdit.h"
#include "zones/ZoneTestSupport.h"

namespace dudode::test {

class TMainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { main = std::make_unique<TMain>(); }
  void TearDown() override { main.reset(); }

  void Show(TTarifFile document) {
    const int current = document.Zones.empty() ? -1 : 0;
    main->Document() = std::move(document);
    TCommandResult shown = TCommandResult::Zones(current);
    shown.DocumentLoaded = true;
    main->Apply(shown);
  }
  TTarifFile& Doc() { return main->Document(); }
  void Press(const char* name) {
    auto* button = main->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(nullptr, button) << name;
    EXPECT_TRUE(button->isEnabled()) << name;
    button->click();
  }
  void Trigger(const char* name) {
    auto* action = main->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(nullptr, action) << name;
    EXPECT_TRUE(action->isEnabled()) << name;
    action->trigger();
  }
  QTableWidget* Grid(TDayClass dayClass) const { return main->Grid(dayClass); }
  std::string Cell(TDayClass dayClass, int row, int column) const {
    const QTableWidgetItem* item = Grid(dayClass)->item(row, column);
    return item ? item->text().toStdString() : std::string();
  }
  QComboBox* ZoneBox() const { return main->findChild<QComboBox*>("TarifComboBox"); }

  std::unique_ptr<TMain> main;
};

inline std::string Text(QWidget& dlg, const char* name) {
  auto* edit = Find<QLineEdit>(dlg, name);
  return edit ? edit->displayText().toStdString() : std::string();
}

inline double Value(QWidget& dlg, const char* name) {
  auto* edit = Find<TNumberEdit>(dlg, name);
  return edit ? edit->Value() : -1;
}

inline bool Checked(QWidget& dlg, const char* name) {
  auto* button = Find<QAbstractButton>(dlg, name);
  return button && button->isChecked();
}

// "1" for each enabled control, "0" for each disabled one.
inline std::string Enabled(QWidget& dlg, std::initializer_list<const char*> names) {
  std::string s;
  for (const char* name : names) s += Find<QWidget>(dlg, name)->isEnabled() ? '1' : '0';
  return s;
}

}  // namespace dudode::test
