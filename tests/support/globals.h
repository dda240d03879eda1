#pragma once

#include "support/printers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Puts every global of the game back to its state at program start: the word table, the
// board (releasing its fields), the console and window handles, the player's statistics
// and the counters of the last check.
void resetGlobals();

// A test that starts and ends with the globals as at program start, with settings
// and data folders of its own that start empty.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { resetGlobals(); }

    // The folder XDG_CONFIG_HOME names during the test.
    QString configHome() const { return m_configHome.path(); }
    // The folder XDG_DATA_HOME names during the test, where the kept board is.
    QString dataHome() const { return m_dataHome.path(); }

private:
    QTemporaryDir m_configHome;
    QTemporaryDir m_dataHome;
};
