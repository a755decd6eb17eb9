// One QApplication for a whole test program; window tests call EnsureQtApplication() first.
#pragma once

#include <QApplication>

namespace quelm::test {

inline QApplication& EnsureQtApplication() {
  static int argc = 1;
  static char name[] = "quelm-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    // The tests expect the C locale's number separators unless they set their own.
    QLocale::setDefault(QLocale::c());
    return new QApplication(argc, argv);
  }();
  return *app;
}

}  // namespace quelm::test
