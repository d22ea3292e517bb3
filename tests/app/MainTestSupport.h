#pragma once
// Shared set-up of the main window tests: a fresh program directory, settings
// of their own, a fixed clock, and helpers that work the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTableWidget>
#include <string>

#include "app/Main.h"
#include "app/RegIniFile.h"
#include "core/Clock.h"
#include "core/Files.h"
#include "core/Recovery.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace dudode::test {

class MainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.UseAsProgramDirectory();
    SetSettingsFileForTests(settingsDir.File("Dudode.ini"));
    SetClock([] { return TDateTime{2024, 3, 15, 10, 30, 0}; });
    RemoveRecoveryCopy();  // another window's copy would be offered at start-up
  }
  void TearDown() override {
    SetSettingsFileForTests("");
    SetClock({});
  }

  // Writes a settings value as the counter would.
  void WriteSetting(const std::string& section, const std::string& name, const std::string& value) {
    TTheRegIniFile reg;
    reg.SetArea(kSettingsArea);
    reg.SetSection(section);
    reg.WriteString(name, value);
  }
  std::string ReadSetting(const std::string& section, const std::string& name) {
    TTheRegIniFile reg;
    reg.SetArea(kSettingsArea);
    reg.SetSection(section);
    return reg.ReadString(name, "<none>");
  }

  static QAction* Action(TMain& main, const char* name) {
    auto* action = main.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(nullptr, action) << "no action " << name;
    return action;
  }
  static void Trigger(TMain& main, const char* name) {
    if (QAction* action = Action(main, name)) action->trigger();
  }
  // The window as after its first Open: a document is there to work on.
  static void Loaded(TMain& main) {
    TCommandResult loaded = TCommandResult::Zones(main.Document().Zones.empty() ? -1 : 0);
    loaded.DocumentLoaded = loaded.TitleChanged = true;
    main.Apply(loaded);
  }
  static QString Cell(TMain& main, TDayClass dayClass, int row, int column) {
    QTableWidgetItem* item = main.Grid(dayClass)->item(row, column);
    return item ? item->text() : QString();
  }

  // Loads the two-zone file through the open dialog, as a user would.
  void OpenTwoZoneFile(TMain& main) {
    dir.Write("RATES.1", TestDataFile("app/Rates.zwei"));
    TModalScript script;
    script.Then("dudode::TOpenDlg", [](QDialog& dlg) {
      Type(Find<QLineEdit>(dlg, "QuickSearchEdit"), "zwei");
      Click(dlg, "OpenBtn");
    });
    Trigger(main, "Oeffnen1");
  }

  TTempDir dir;
  TTempDir settingsDir;
};

}  // namespace dudode::test
