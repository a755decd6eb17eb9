// Shared set-up of the main window tests: a temporary settings file, a scripted user, the real
// window started as the program starts it, and a small independent reader of the INI text.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QTest>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "app/TMain.h"
#include "settings/SettingsStore.h"
#include "support/QtTestApp.h"
#include "support/ScriptedInteraction.h"

namespace quelm::test {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureQtApplication();
    ASSERT_TRUE(dir_.isValid());
    settingsPath_ = dir_.filePath(QStringLiteral("quelm.ini")).toStdString();
  }
  void TearDown() override { Stop(); }

  void WriteSettings(const std::string& text) {
    QFile file(QString::fromStdString(settingsPath_));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
  }
  std::string SettingsBytes() const {
    QFile file(QString::fromStdString(settingsPath_));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
  }

  TMain& Start() {
    Stop();
    store_ = std::make_unique<SettingsStore>(settingsPath_, ui_);
    window_ = std::make_unique<TMain>(*store_, ui_);
    window_->show();
    return *window_;
  }
  // Closes the window the way the user does (the file list is stored on close).
  void Stop() {
    if (window_) window_->close();
    window_.reset();
    store_.reset();
  }

  template <typename T>
  T* Find(const char* name) {
    T* found = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QAction* Action(const char* name) { return Find<QAction>(name); }
  // Clicks a check box or radio button on its indicator (its centre may lie past the caption).
  void ClickOn(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
  }
  void ClickOn(const char* name) { ClickOn(Find<QAbstractButton>(name)); }

  // key -> value of one section, read from the file's text without the program's INI service.
  std::map<std::string, std::string> Section(const std::string& wanted) const {
    std::map<std::string, std::string> values;
    std::string section;
    const std::string text = SettingsBytes();
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(start, end - start);
      start = end + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        section = line.substr(1, line.size() - 2);
      } else if (section == wanted) {
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
      }
    }
    return values;
  }
  std::string Pref(const std::string& key) const {
    const auto values = Section("preferences");
    const auto it = values.find(key);
    return it == values.end() ? std::string("<missing>") : it->second;
  }

  QTemporaryDir dir_;
  std::string settingsPath_;
  ScriptedInteraction ui_;
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<TMain> window_;
};

}  // namespace quelm::test
