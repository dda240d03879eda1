// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start: the least a Qt Widgets program does to show a window
// the game's size with a line of text in each of the game's three fonts, asked for the way
// the game asks (a family and a style hint for where it is missing).
#include "first_paint.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QFont askFor(const QString& family, qreal points, QFont::StyleHint fallback)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setStyleHint(fallback);
    return font;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(1036, 688);
    auto* layout = new QVBoxLayout(&window);
    const struct {
        const char* family;
        qreal points;
        QFont::StyleHint fallback;
    } lines[] = {
        {"Palatino", 20, QFont::Serif},
        {"Monaco", 14, QFont::Monospace},
        {"Geneva", 14, QFont::SansSerif},
    };
    QLabel* last = nullptr;
    for (const auto& line : lines) {
        last = new QLabel(QStringLiteral("The quick brown fox jumps over the lazy dog"));
        last->setFont(askFor(QString::fromLatin1(line.family), line.points, line.fallback));
        layout->addWidget(last);
    }
    window.show();
    QuitAfterFirstPaint probe(last);
    return application.exec();
}
