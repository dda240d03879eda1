// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one name the game goes by, as organisation and application alike: the toolkit builds
// its settings and cache folders from it.
inline constexpr char kApplicationName[] = "sixfold";

// Gives the running application that name; call it right after creating the application.
void nameApplication();
