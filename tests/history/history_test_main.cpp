#include <QCoreApplication>

#include <gtest/gtest.h>

// The history needs a Qt application for its SQL driver and nothing of the game.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
