// Window tests run on the offscreen platform with a Japanese font, like the program itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const QString runtime = QDir::tempPath() + "/coilspring-ui-tests-runtime";
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ExeOwner);
  ::setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 0);
  QApplication app(argc, argv);
  // The windows keep the user's choices in the user's configuration: tests keep theirs apart.
  QStandardPaths::setTestModeEnabled(true);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
