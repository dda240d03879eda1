#pragma once

#include <QString>

// The login name of the user running the program.
QString loginUserName();
