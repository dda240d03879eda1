#include "cells/cells_log.h"

Q_LOGGING_CATEGORY(lcCells, "sixfold.cells", QtInfoMsg)
