// The open dialog's filter lists the executable whatever the case of its name.
#include "ui/QtAsker.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(OpenDialogFilter, BecomesAQtNameFilter)
{
    EXPECT_EQ(QtAsker::ToQtFilter(u"UFO Executable (ufo.exe)|*.exe"_s), u"UFO Executable (ufo.exe) (*.exe)"_s);
}

// Installs copied from DOS media name the executable UFO.EXE; Qt's own dialog, which the
// editor asks for, must still list it under "*.exe".
TEST(OpenDialogFilter, ListsUpperCaseExecutables)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QString& name : {u"UFO.EXE"_s, u"readme.txt"_s, u"setup.exe"_s}) {
        QFile file(QDir(folder.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QFileDialog dialog(nullptr, u"Open"_s, folder.path(), QtAsker::ToQtFilter(u"UFO Executable (ufo.exe)|*.exe"_s));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    auto* view = dialog.findChild<QListView*>(u"listView"_s);
    ASSERT_NE(view, nullptr);

    const auto listed = [&] {
        QStringList names;
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
        names.sort();
        return names;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed().size() == 2; }, 5000));
    EXPECT_EQ(listed(), (QStringList{u"UFO.EXE"_s, u"setup.exe"_s}));
}

} // namespace
