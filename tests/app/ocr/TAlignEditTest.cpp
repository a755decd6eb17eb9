// The aligned edit's keys and its linked switches (MultiLine, WordWrap, ExitOnReturn).
#include "app/ocr/TAlignEdit.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "support/QtTestApp.h"

namespace quelm {
namespace {

class TAlignEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApplication();
    form_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(form_.get());
    edit_ = new TAlignEdit(form_.get());
    next_ = new QLineEdit(form_.get());
    layout->addWidget(edit_);
    layout->addWidget(next_);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    edit_->setFocus();
  }
  std::unique_ptr<QWidget> form_;
  TAlignEdit* edit_ = nullptr;
  QLineEdit* next_ = nullptr;
};

TEST_F(TAlignEditTest, SingleLineSwallowsReturnAndTurnsUpDownIntoLeftRight) {
  QTest::keyClicks(edit_, "abc");
  QTest::keyClick(edit_, Qt::Key_Return);
  EXPECT_EQ(edit_->Text(), "abc");
  EXPECT_TRUE(edit_->hasFocus());
  QTest::keyClick(edit_, Qt::Key_Up);
  QTest::keyClick(edit_, Qt::Key_Up);
  EXPECT_EQ(edit_->textCursor().position(), 1);
  QTest::keyClick(edit_, Qt::Key_Down);
  EXPECT_EQ(edit_->textCursor().position(), 2);
  QTest::keyClicks(edit_, "X");
  EXPECT_EQ(edit_->Text(), "abXc");
}

TEST_F(TAlignEditTest, ExitOnReturnMovesOnLikeTab) {
  edit_->SetExitOnReturn(true);
  QTest::keyClicks(edit_, "ab");
  QTest::keyClick(edit_, Qt::Key_Return);
  EXPECT_TRUE(next_->hasFocus());
  EXPECT_EQ(edit_->Text(), "ab");
}

TEST_F(TAlignEditTest, MultiLineTakesReturnAndLosesItsBreaksWhenSwitchedOff) {
  edit_->SetMultiLine(true);
  QTest::keyClicks(edit_, "ab");
  QTest::keyClick(edit_, Qt::Key_Return);
  QTest::keyClicks(edit_, "cd");
  EXPECT_EQ(edit_->Text(), "ab\ncd");
  edit_->SetWordWrap(true);
  edit_->SetMultiLine(false);
  EXPECT_EQ(edit_->Text(), "abcd");
  EXPECT_FALSE(edit_->WordWrap());
}

TEST_F(TAlignEditTest, SwitchesPullEachOther) {
  edit_->SetWordWrap(true);
  EXPECT_TRUE(edit_->MultiLine());
  edit_->SetExitOnReturn(true);
  EXPECT_FALSE(edit_->MultiLine());
  EXPECT_FALSE(edit_->WordWrap());
  // Wrapping makes it multi-line again, where Return starts a new line.
  edit_->SetWordWrap(true);
  EXPECT_FALSE(edit_->ExitOnReturn());
  QTest::keyClick(edit_, Qt::Key_Return);
  EXPECT_TRUE(edit_->hasFocus());
  EXPECT_EQ(edit_->Text(), QStringLiteral("\n"));
}

TEST_F(TAlignEditTest, FocusColoursAndFontsAndSelectAllOnTab) {
  QFont big = edit_->font();
  big.setPointSize(14);
  edit_->SetColorOnFocus(Qt::yellow);
  edit_->SetFontOnFocus(big);
  edit_->SetText("hello");
  next_->setFocus(Qt::TabFocusReason);
  EXPECT_NE(edit_->palette().color(QPalette::Base), QColor(Qt::yellow));
  edit_->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(edit_->palette().color(QPalette::Base), QColor(Qt::yellow));
  EXPECT_EQ(edit_->font().pointSize(), 14);
  EXPECT_EQ(edit_->textCursor().selectedText(), "hello");
  // Typing replaces the selection; the change reaches listeners.
  QString seen;
  QObject::connect(edit_, &TAlignEdit::TextChanged, [&](const QString& t) { seen = t; });
  QTest::keyClicks(edit_, "x");
  EXPECT_EQ(seen, "x");
}

}  // namespace
}  // namespace quelm
