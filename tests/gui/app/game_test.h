// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/app/app_delegate.h"
#include "gui/board_view/board_layout.h"
#include "core/player/user_defaults_store.h"
#include "support/board_fixtures.h"
#include "support/globals.h"
#include "support/printed.h"
#include "gui/look/text_field_values.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QTest>

// Whatever of the main window's texts is cut, covered by another or lies past the window's edge: each line
// of a label, button or check box, or the height of a word-wrapped label.
inline QStringList cutTexts(const QMainWindow* window)
{
    const QWidget* content = window->centralWidget();
    QList<const QWidget*> texts;
    for (const QWidget* widget : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (widget->isVisible() && (qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget)))
            texts << widget;
    }
    QStringList cut;
    for (const QWidget* widget : texts) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const QString text = label ? label->text() : qobject_cast<const QAbstractButton*>(widget)->text().remove(u'&');
        const QRect room = widget->contentsRect();
        const QFontMetrics metrics = widget->fontMetrics();
        bool fits = content->rect().contains(widget->geometry());
        if (label && label->wordWrap())
            fits = fits && metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height();
        for (const QString& line : text.split(u'\n'))
            fits = fits && ((label && label->wordWrap()) || metrics.horizontalAdvance(line) <= room.width());
        for (const QWidget* other : texts)
            fits = fits && (other == widget || text.isEmpty() || !other->geometry().intersects(widget->geometry()));
        if (!fits)
            cut << widget->objectName() + ": " + text;
    }
    return cut;
}

inline const std::string kWelcome = "You appear to be a new user, welcome!\n";

// Games launched one after another over the same settings and data folders, as a player quits and starts the game again.
class GameFixture : public GameTest {
protected:
    void TearDown() override { m_game.reset(), GameTest::TearDown(); }

    // Quits the running game, if any, and launches a new one (on a board code or "daily"); returns what it printed.
    std::string launch(const QString& board = {})
    {
        if (m_game)
            quit();
        m_game = std::make_unique<AppDelegate>();
        m_game->setClock(m_clock), m_game->setTeachesNewPlayers(m_teaches); // no How to play card, and no question before Submit:
        QSettings(configHome() + "/sixfold/sixfold.conf", QSettings::IniFormat).setValue("board/askBeforeUnfinishedSubmit", "false");
        board == "daily" ? m_game->startOnDailyBoard() : m_game->startOnBoardCode(board);
        m_game->window()->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_game->window()));
        return printedBy([this] { m_game->applicationDidFinishLaunching(nullptr); });
    }

    void quit() { m_game->applicationWillTerminate(nullptr), m_game.reset(), resetGame(); } // as a new process starts

    // Clicks the button, or triggers the menu action, of that name; returns what it printed.
    std::string press(const char* name)
    {
        QObject* control = m_game->window()->findChild<QObject*>(QLatin1String(name));
        auto* button = qobject_cast<QAbstractButton*>(control);
        return printedBy([&] { button ? QTest::mouseClick(button, Qt::LeftButton) : qobject_cast<QAction*>(control)->trigger(); });
    }

    // Types `keys`, then `last` with its modifiers, where the focus is; returns what they printed.
    static std::string typeThen(const char* keys, Qt::Key last, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* const focus = nullptr;
        return printedBy([&] { QTest::keyClicks(focus, QString::fromLatin1(keys)), QTest::keyClick(focus, last, modifiers); });
    }

    // The worked example in place of the dealt board; the computer scores 47 for it.
    void showWorkedExample()
    {
        layOutBoard(workedExample(), m_game->window());
        setIntValue(m_game->compScore, 47);
    }

    static void fillAcross(int32_t x, int32_t y, const char* letters)
    {
        for (int32_t k = 0; letters[k]; ++k)
            fieldAt(x + k, y)->setText(QString(QChar(letters[k])));
    }

    QString statsLine(int line) const
    {
        const QString shown = m_game->statsField->text(); // and told a screen reader the same
        return m_game->statsField->accessibleDescription() == shown ? shown.split(u'\n').value(line) : "not described as shown";
    }

    static std::optional<StoreValue> stored(const QString& key)
    {
        return UserDefaultsStore(UserDefaultsStore::standardFilePath()).objectForKey(key);
    }

    std::unique_ptr<AppDelegate> m_game;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTimeUtc; // the games' clock
    bool m_teaches = false;
};
