// The settings file is looked at before QSettings reads it: anything but a regular file of
// a sane size is ignored, and nothing is opened to find out.
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SettingsFile, OnlyARegularFileOrNoneIsUsed)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(u"kestrel.conf"_s);
    EXPECT_EQ(settingsfile::Refusal(path), QString());  // absent: the defaults, written later

    // Opened for reading, a pipe nobody writes to would never answer.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(settingsfile::Refusal(path), u"kestrel.conf is not a regular file: it is a named pipe (FIFO)."_s);
    ASSERT_TRUE(QFile::remove(path));

    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_EQ(settingsfile::Refusal(path), u"kestrel.conf is not a regular file: it is a folder."_s);
    ASSERT_TRUE(QDir().rmdir(path));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[General]\n") > 0);
    file.close();
    EXPECT_EQ(settingsfile::Refusal(path), QString());
    ASSERT_TRUE(file.resize(17 * 1024 * 1024));  // sparse: nothing is written to disk
    EXPECT_EQ(settingsfile::Refusal(path), u"kestrel.conf is larger than 16 MiB."_s);
}

} // namespace
