// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/game_test.h"
#include "core/language/interface_language.h"
#include "core/player/user_stats.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTranslator>

#include <functional>

namespace {

// Every source text as a translation might give it: each letter accented, the whole bracketed and a third longer, with
// its arguments (%1, %L2, %n), tags and entities left whole. A text that reaches the player without passing through a
// catalogue still reads in plain letters, and one with no room for a longer translation is cut.
QString pseudo(const QString& source)
{
    static const QString plain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    static const QString accented = QStringLiteral("åƀçðéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýžÅƁÇÐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ");
    static const QRegularExpression kept(QStringLiteral(R"(%L?\d+|%n|<[^>]*>|&#?\w+;)"));
    if (source.isEmpty())
        return source;
    QString out;
    const auto accent = [&](QStringView piece) {
        for (const QChar c : piece)
            out += plain.contains(c) ? accented.at(plain.indexOf(c)) : c;
    };
    qsizetype at = 0;
    for (auto matches = kept.globalMatch(source); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        accent(QStringView(source).mid(at, match.capturedStart() - at));
        out += match.captured();
        at = match.capturedEnd();
    }
    accent(QStringView(source).mid(at));
    return u'[' + out + QString(source.size() / 3, u'~') + u']';
}

class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override { return pseudo(QString::fromUtf8(source)); }
};

// The plain words of `text` that no catalogue gave: all but the letters played (in capitals), the computer's words (six
// small letters), the player's name, the languages' own names, single letters and addresses.
QStringList plainWords(QString text, const QStringList& own)
{
    for (const QString& name : own)
        text.remove(name);
    static const QRegularExpression addresses(QStringLiteral(R"(<[^>]*>|\w+://\S+|(^|\s)/\S+)")), word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList plain;
    for (auto words = word.globalMatch(text.remove(addresses)); words.hasNext();) {
        const QString found = words.next().captured();
        if (found != found.toUpper() && !(found.size() == 6 && found == found.toLower()))
            plain << found;
    }
    return plain;
}

class PseudoTranslationTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        QCoreApplication::installTranslator(&m_pseudo);
        QLocale::setDefault(QLocale(QLocale::Russian)); // dates and numbers through the locale, in letters no catalogue has
    }
    void TearDown() override
    {
        GameFixture::TearDown();
        QCoreApplication::removeTranslator(&m_pseudo);
        QLocale::setDefault(QLocale::c());
    }

    // Every text a player sees or hears in the open windows that is left in English, and every text cut, each as
    // "where: text".
    QStringList faults() const
    {
        for (int i = 0; i < 3; ++i) // the window shows new texts, then fits itself to them
            QCoreApplication::processEvents();
        QStringList own {QString::fromUtf8(gUserName)};
        for (const QString& language : shippedLanguages())
            own << languageName(language);
        QStringList found;
        const auto check = [&](const QObject* where, const QString& text) { // `where` is null for an item of a view
            if (!plainWords(text, own).isEmpty())
                found << (where ? where->objectName() + " (" + where->metaObject()->className() + ")" : QString("an item")) + ": " + text;
        };
        const std::function<void(QAccessibleInterface*, int)> hear = [&](QAccessibleInterface* item, int depth) {
            if (!item)
                return;
            check(item->object(), item->text(QAccessible::Name)), check(item->object(), item->text(QAccessible::Description));
            for (int i = 0; i < item->childCount() && depth < 40; ++i)
                hear(item->child(i), depth + 1);
        };
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window->windowType() == Qt::Popup)
                continue;
            check(window, window->windowTitle()), hear(QAccessible::queryAccessibleInterface(window), 0);
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(window))
                    continue;
                check(widget, widget->toolTip());
                if (const auto* label = qobject_cast<const QLabel*>(widget))
                    check(label, label->text());
                else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                    check(button, button->text());
                else if (const auto* field = qobject_cast<const QLineEdit*>(widget))
                    check(field, field->placeholderText());
                else if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget))
                    check(text, text->toPlainText());
                else if (const auto* rich = qobject_cast<const QTextEdit*>(widget))
                    check(rich, rich->toPlainText());
                else if (const auto* box = qobject_cast<const QComboBox*>(widget))
                    for (int i = 0; i < box->count(); ++i)
                        check(box, box->itemText(i));
                else if (const auto* chart = qobject_cast<const QGraphicsView*>(widget); chart && chart->scene())
                    for (const QGraphicsItem* item : chart->scene()->items()) // the charts' titles, axes and legends
                        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item); text && text->isVisible())
                            check(chart, text->toPlainText());
                const bool wraps = qobject_cast<const QLabel*>(widget) && qobject_cast<const QLabel*>(widget)->wordWrap();
                const bool hasText = qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget);
                if (window != m_game->window() && hasText && (wraps ? widget->heightForWidth(widget->width()) > widget->height() : widget->sizeHint().width() > widget->width()))
                    found << widget->objectName() + " (" + widget->metaObject()->className() + ") is cut in " + window->windowTitle();
            }
        }
        for (const QAction* action : m_game->window()->findChildren<QAction*>())
            check(action, action->text()), check(action, action->toolTip());
        return found + cutTexts(m_game->window());
    }

    PseudoTranslator m_pseudo;
};

// With every text a catalogue's, none is left English and none is cut: the first launch's card, the question before an
// unfinished Submit, the round's outcome, a hint, the menus, and every dialog and window the game opens.
TEST_F(PseudoTranslationTest, EveryTextComesFromTheCataloguesAndShowsWhole)
{
    m_teaches = true;
    launch();
    EXPECT_EQ(faults().join("\n"), "") << "with the How to Play card";
    struct : QObject { // a text set smaller to fit its corner stays so: the window settles
        int fontChanges = 0;
        bool eventFilter(QObject*, QEvent* event) override { return fontChanges += event->type() == QEvent::FontChange, false; }
    } settles;
    m_game->dailyLine->installEventFilter(&settles);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(settles.fontChanges, 0) << "the daily line's font set again and again";
    m_game->dailyLine->removeEventFilter(&settles);
    QTest::keyClick(m_game->window()->findChild<QDialog*>("howToPlayCard"), Qt::Key_Escape);
    QFile::remove(configHome() + "/sixfold/sixfold.conf"); // asks before an unfinished Submit
    fieldAt(0, 0)->setFocus(), press("actionHint"), press("actionSubmit");
    ASSERT_TRUE(m_game->window()->findChild<QMessageBox*>("submitQuestion"));
    EXPECT_EQ(faults().join("\n"), "") << "asking before Submit";
    m_game->window()->findChild<QMessageBox*>("submitQuestion")->buttons().constFirst()->click();
    press("actionRoundReview"), press("actionStatistics"), press("actionPlayBoardCode"), press("actionKeyboardShortcuts");
    press("actionAbout"), press("actionPreferences"), press("actionWords");
    EXPECT_EQ(faults().join("\n"), "") << "after a Submit, with every dialog open";
}

} // namespace
