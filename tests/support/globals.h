#pragma once

#include "support/printers.h"

#include <gtest/gtest.h>

// Puts every global of the game back to its state at program start: the word table, the
// board (releasing its fields), the console and window handles, the player's statistics
// and the counters of the last check.
void resetGlobals();

// A test that starts and ends with the globals as at program start.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { resetGlobals(); }
};
