// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// An accessibility factory: for a read-only myTextField (a fixed cell), the toolkit's own
// line-edit interface, text interface and all, saying read-only and not editable; null for
// every other object, which the toolkit then serves as usual.
QAccessibleInterface* accessibleFixedCell(const QString& className, QObject* object);
