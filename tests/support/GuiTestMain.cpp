// Widget tests run on the offscreen platform so that no display is needed,
// with settings kept apart from the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QStandardPaths::setTestModeEnabled(true);
  // Recovery copies of the windows under test never reach the user's own.
  std::string stateDir = (std::filesystem::temp_directory_path() / "dudode-state-XXXXXX").string();
  if (::mkdtemp(stateDir.data())) setenv("XDG_STATE_HOME", stateDir.c_str(), 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(stateDir);
  return result;
}
