#include "cells/my_text_field.h"
