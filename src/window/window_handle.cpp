#include "window/window_handle.h"

QPointer<QMainWindow> gWindow;
