// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/function_words.h"

#include <QFile>

bool FunctionWords::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split('\t');
        if (fields.size() != 3 || fields[0].startsWith('#'))
            continue;
        m_words[fields[0].toStdString()].push_back({fields[1].toStdString(), fields[2].toStdString()});
    }
    return !m_words.empty();
}

const std::vector<FunctionWords::Sense>* FunctionWords::find(std::string_view word) const
{
    const auto found = m_words.find(std::string(word));
    return found == m_words.end() ? nullptr : &found->second;
}
