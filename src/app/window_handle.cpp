#include "app/window_handle.h"

QPointer<QMainWindow> gWindow;
