// Test main for widget tests: one QApplication for the whole executable, on the offscreen
// platform unless the environment names another.
#include <gtest/gtest.h>
#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
