// SPDX-License-Identifier: GPL-3.0-or-later
#include "cells/cells_log.h"

Q_LOGGING_CATEGORY(lcCells, "sixfold.cells", QtInfoMsg)
