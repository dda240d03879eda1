// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// An accessibility factory: for a myTextField (a cell of the board), the toolkit's own
// line-edit interface with what a screen reader misreads in a one-letter cell corrected; a
// fixed cell says read-only and not editable. Null for every other object, which the toolkit
// then serves as usual.
QAccessibleInterface* accessibleCell(const QString& className, QObject* object);
