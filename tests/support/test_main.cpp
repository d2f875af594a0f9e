// One main for every test program: a QApplication on the offscreen platform (unless the run names
// another one, e.g. xcb under Xvfb) with the programs' fonts and look.
#include "shared/Look.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kavo Tests"));
  ApplyMacMetalLook(application);
  std::setlocale(LC_NUMERIC, "C");
  return RUN_ALL_TESTS();
}
