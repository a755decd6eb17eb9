// The About window: version in the panel and in the credits, the credits scrolling up two
// pixels per tick and restarting at the top, and the menu item that opens it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/TAbout.h"

// Fontconfig keeps a cache for the life of the process that LeakSanitizer takes for a leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace quelm::test {
namespace {

TEST(AboutTest, CreditsScrollUpAndRestartAtTheTopOnceThrough) {
  EnsureQtApplication();
  TAbout about(QPixmap{});
  about.Version = "v1.01 (beta)";
  EXPECT_EQ(about.windowTitle(), "About");
  about.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(about.size(), QSize(293, 352));
  EXPECT_EQ(about.Panel1->text(), "QUELM v1.01 (beta)");
  EXPECT_EQ(about.Panel2->height(), 112);
  const QStringList credits = about.Credits();
  ASSERT_GE(credits.size(), 55);
  ASSERT_LE(credits.size(), 70);
  EXPECT_EQ(credits[13], "v1.01 (beta)");
  EXPECT_EQ(credits.count("v1.01 (beta)"), 1);
  EXPECT_TRUE(credits.front().isEmpty());
  EXPECT_TRUE(credits.back().isEmpty());
  EXPECT_TRUE(about.Timer1->isActive());
  EXPECT_EQ(about.Timer1->interval(), 50);
  about.Timer1->stop();  // the ticks below are counted by hand

  // 14 pixels a line; one pixel left of the panel and two wider.
  const int textHeight = static_cast<int>(credits.size()) * 14;
  EXPECT_EQ(about.Memo1->geometry(), QRect(-1, 0, 295, textHeight));
  // The top moves 2 up per tick and restarts once it lies above 112 - textHeight.
  const int ticksToRestart = (textHeight - 112) / 2 + 1;
  for (int i = 0; i < ticksToRestart - 1; ++i) about.Timer1Timer();
  EXPECT_EQ(about.Memo1->y(), -2 * (ticksToRestart - 1));
  about.Timer1Timer();
  EXPECT_EQ(about.Memo1->y(), 0);
  about.Timer1Timer();
  EXPECT_EQ(about.Memo1->y(), -2);

  // The real timer keeps it moving while the window is open.
  about.Timer1->start();
  QTRY_VERIFY_WITH_TIMEOUT(about.Memo1->y() <= -6, 3000);

  about.Button1->click();
  EXPECT_FALSE(about.isVisible());
  EXPECT_FALSE(about.Timer1->isActive());
  EXPECT_EQ(about.Memo1->y(), 0);
}

class AboutMenuTest : public MainWindowTest {};

TEST_F(AboutMenuTest, HelpAboutOpensTheWindowWithTheProgramVersion) {
  Start();
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<TAbout*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    shown = about->Panel1->text();
    EXPECT_FALSE(about->ImageLogo->pixmap().isNull());
    QTest::mouseClick(about->Button1, Qt::LeftButton);
  });
  Action("About1")->trigger();
  EXPECT_EQ(shown, "QUELM v1.01 (beta)");
}

}  // namespace
}  // namespace quelm::test
