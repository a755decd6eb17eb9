#include "app/ScriptView.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <memory>
#include <string>
#include <vector>

#include "support/QtTestApp.h"

namespace quelm {
namespace {

using Lines = std::vector<std::string>;

class ScriptViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApplication();
    edit_ = std::make_unique<QPlainTextEdit>();
    edit_->resize(300, 200);
    edit_->show();
    view_ = std::make_unique<ScriptView>(edit_.get());
  }
  Lines Shown() const {
    Lines lines;
    for (const QString& l : edit_->toPlainText().split('\n')) lines.push_back(l.toStdString());
    return lines;
  }

  std::unique_ptr<QPlainTextEdit> edit_;
  std::unique_ptr<ScriptView> view_;
};

TEST_F(ScriptViewTest, EveryChangeLeavesExactlyTheLines) {
  const std::vector<Lines> steps = {
      {"head", "foot"},
      {"head", "a", "foot"},                  // grown before the footer
      {"head", "a", "b", "c", "foot"},        //
      {"head", "a", "B", "c", "foot"},        // one line in the middle
      {"head", "a"},                          // the end dropped
      {"head", "a", "", "", "x"},             // empty lines added
      {"head", "a", "", ""},                  //
      {"other"},                              // nothing in common
      {"other", "é ü", "<<tag>>"},            // not ASCII
      {"other", "é ü", "<<tag>>"},            // the same again
      {"other"},
  };
  for (const Lines& lines : steps) {
    view_->Show(lines);
    EXPECT_EQ(Shown(), lines);
  }
  // An empty script leaves an empty view.
  view_->Show({});
  EXPECT_EQ(edit_->toPlainText(), QString());
  view_->Show({"again"});
  EXPECT_EQ(Shown(), Lines{"again"});
}

TEST_F(ScriptViewTest, WhatTheUserTypedIsReplacedAsByAFullRewrite) {
  view_->Show({"head", "a", "foot"});
  QTextCursor cursor(edit_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QStringLiteral("\ntyped"));
  view_->Show({"head", "a", "b", "foot"});
  EXPECT_EQ(Shown(), (Lines{"head", "a", "b", "foot"}));

  // A line break typed inside a line shifts every line after it.
  cursor.setPosition(1);
  cursor.insertText(QStringLiteral("\n"));
  view_->Show({"head", "a", "b", "c", "foot"});
  EXPECT_EQ(Shown(), (Lines{"head", "a", "b", "c", "foot"}));

  // Typed inside a line that the next rendering repeats.
  cursor.setPosition(6);
  cursor.insertText(QStringLiteral("X"));
  view_->Show({"head", "a", "b", "c", "d", "foot"});
  EXPECT_EQ(Shown(), (Lines{"head", "a", "b", "c", "d", "foot"}));
}

TEST_F(ScriptViewTest, EnterBreaksNoLineWhileTypingStillEdits) {
  view_->Show({"head", "foot"});
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(2);
  edit_->setTextCursor(cursor);
  QTest::keyClick(edit_.get(), Qt::Key_Return);
  QTest::keyClick(edit_.get(), Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(edit_.get(), Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(edit_.get(), "X");
  EXPECT_EQ(Shown(), (Lines{"heXad", "foot"}));
}

TEST_F(ScriptViewTest, CoalescingShowsTheNewestRenderingLaterOrWhenSwitchedOff) {
  Lines rendering = {"head", "foot"};
  view_->Show(rendering);
  view_->SetCoalescing(true);
  rendering = {"head", "1", "foot"};
  view_->Show(rendering);
  rendering = {"head", "1", "2", "foot"};
  view_->Show(rendering);
  EXPECT_EQ(Shown(), (Lines{"head", "foot"}));
  // Within the interval the newest rendering appears by itself.
  QTRY_COMPARE_WITH_TIMEOUT(edit_->toPlainText(), QStringLiteral("head\n1\n2\nfoot"), 5000);

  rendering = {"head", "1", "2", "3", "foot"};
  view_->Show(rendering);
  view_->SetCoalescing(false);
  EXPECT_EQ(Shown(), rendering);
  // Off again: at once.
  rendering = {"x"};
  view_->Show(rendering);
  EXPECT_EQ(Shown(), rendering);
}

TEST_F(ScriptViewTest, AViewAtItsEndFollowsNewSubtitlesOneScrolledUpStays) {
  Lines rendering = {"head", "foot"};
  auto addRecord = [&] {
    rendering.insert(rendering.end() - 1, {"", std::to_string(rendering.size()), "text"});
  };
  view_->Show(rendering);
  QScrollBar* bar = edit_->verticalScrollBar();
  for (int i = 0; i < 30; ++i) {
    addRecord();
    view_->Show(rendering);
  }
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());

  // As during "all": shown later, and still followed.
  view_->SetCoalescing(true);
  addRecord();
  view_->Show(rendering);
  const int before = bar->maximum();
  QTRY_VERIFY_WITH_TIMEOUT(bar->maximum() > before, 5000);
  EXPECT_EQ(bar->value(), bar->maximum());
  view_->SetCoalescing(false);

  // The user scrolled up to read: the view stays there while subtitles come in.
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  const int reading = bar->value();
  ASSERT_LT(reading, bar->maximum());
  addRecord();
  view_->Show(rendering);
  EXPECT_EQ(bar->value(), reading);
  // Back at the end, it follows again.
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  addRecord();
  view_->Show(rendering);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(Shown(), rendering);
}

}  // namespace
}  // namespace quelm
