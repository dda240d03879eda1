#pragma once

#include "support/printers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Puts every global of the game back to its state at program start: the word table, the
// board (releasing its fields), the console and window handles, the player's statistics
// and the counters of the last check.
void resetGlobals();

// A test that starts and ends with the globals as at program start, with a settings
// folder of its own that starts empty.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { resetGlobals(); }

    // The folder XDG_CONFIG_HOME names during the test.
    QString configHome() const { return m_configHome.path(); }

private:
    QTemporaryDir m_configHome;
};
