// The start of most window tests: a main window on a complete Collector's Edition sample
// install, loaded, and shown large enough for its panels.
#pragma once

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

class LoadedWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.IsValid());
        ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);
        window.resize(1200, 900);
        window.show();
    }

    InstallFixture install;
    ScriptedAsker asker;
    MainWindow window{asker};
};
