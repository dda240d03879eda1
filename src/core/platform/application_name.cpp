// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/application_name.h"

#include <QCoreApplication>

void nameApplication()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
}
