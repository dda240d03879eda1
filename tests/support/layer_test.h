// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Each layer's globals back to their state at program start. A test resets the layers of the library it links and no
// others: core_resets.h holds those of the Qt Core layers, globals.h those of the widget layers.

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Lets failed expectations show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

inline void resetNothing() {}

// The whole of the file at `path`, or nothing when it cannot be read.
inline QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A test with settings and data folders of its own that start empty, and the globals of its layer as at program start before and after it.
template <void (*Reset)()>
class LayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", m_configHome.path().toUtf8()), qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
        Reset();
    }
    void TearDown() override { Reset(); }

    QString configHome() const { return m_configHome.path(); }
    QString dataHome() const { return m_dataHome.path(); }

private:
    QTemporaryDir m_configHome;
    QTemporaryDir m_dataHome;
};

using PlatformTest = LayerTest<resetNothing>;
