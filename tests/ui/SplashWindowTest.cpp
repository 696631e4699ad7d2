// The splash window gives way to the main window once: by its timer or at the first click.
#include "ui/SplashWindow.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SplashWindow, ShowsTitleAndDisclaimer)
{
    SplashWindow splash(60000);
    EXPECT_EQ(splash.objectName(), u"frmOpen"_s);
    EXPECT_EQ(splash.windowTitle(), u"X-Com Kestrel"_s);
    EXPECT_EQ(splash.findChild<QLabel*>(u"Label1"_s)->text(), u"X-Com Kestrel\nversion 0.85 beta"_s);
    EXPECT_EQ(splash.findChild<QLabel*>(u"Label4"_s)->text(),
              u"This program edits the executable of X-Com itself. The author is not responsible for any damage "
              u"incurred during the use of this program."_s);
    for (const QString& credit : {u"Label2"_s, u"Label3"_s})
        EXPECT_TRUE(splash.findChild<QLabel*>(credit)->text().contains(u"the X-Com Kestrel developers"_s));
}

TEST(SplashWindow, GivesWayWhenTheTimerTicks)
{
    SplashWindow splash(20);
    QSignalSpy dismissed(&splash, &SplashWindow::Dismissed);
    splash.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dismissed.count() > 0; }, 5000));
    EXPECT_FALSE(splash.isVisible());
    QTest::qWait(60);
    EXPECT_EQ(dismissed.count(), 1);
}

// A click on the window or on any of its labels, and only the first one, opens the main window.
TEST(SplashWindow, GivesWayAtTheFirstClick)
{
    for (const QString& target : {QString(), u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Label4"_s}) {
        SCOPED_TRACE(target.isEmpty() ? std::string("window") : target.toStdString());
        SplashWindow splash(60000);
        QSignalSpy dismissed(&splash, &SplashWindow::Dismissed);
        splash.show();
        QWidget* clicked = target.isEmpty() ? static_cast<QWidget*>(&splash) : splash.findChild<QLabel*>(target);
        ASSERT_NE(clicked, nullptr);

        QTest::mouseClick(clicked, Qt::LeftButton);
        EXPECT_EQ(dismissed.count(), 1);
        EXPECT_FALSE(splash.isVisible());
        EXPECT_FALSE(splash.findChild<QTimer*>(u"Timer1"_s)->isActive());

        splash.show();
        QTest::mouseClick(clicked, Qt::LeftButton);
        EXPECT_EQ(dismissed.count(), 1);
    }
}

} // namespace
