#include "support/temporary_resources.h"

#include "platform/resources.h"

#include <QFile>

TemporaryResources::TemporaryResources()
    : m_previousDirectory(resourceDirectory())
{
    setResourceDirectory(m_directory.path());
}

TemporaryResources::~TemporaryResources()
{
    setResourceDirectory(m_previousDirectory);
}

void TemporaryResources::write(const QString& fileName, const QByteArray& bytes) const
{
    QFile file(m_directory.filePath(fileName));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
