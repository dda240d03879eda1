#include "app/app_delegate.h"

#include "app/preferences_dialog.h"
#include "app/shortcut_help.h"
#include "board/board_layout.h"
#include "cells/cell_look.h"
#include "cells/my_text_field.h"
#include "grid/grid.h"
#include "keep/kept_board_store.h"
#include "prefs/preferences.h"
#include "resume/board_keeper.h"
#include "resume/board_reading.h"
#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

struct Cell {
    int32_t x;
    int32_t y;
};

// Games launched one after another over the same data and settings folders, as a player
// quits and starts the game again.
class KeptBoardTest : public GameTest {
protected:
    void TearDown() override
    {
        m_game.reset();
        GameTest::TearDown();
    }

    std::string launch()
    {
        if (m_game)
            quit();
        m_game = std::make_unique<AppDelegate>();
        m_game->window()->show();
        testing::internal::CaptureStdout();
        m_game->applicationDidFinishLaunching(nullptr);
        return testing::internal::GetCapturedStdout();
    }

    void quit()
    {
        m_game->applicationWillTerminate(nullptr);
        m_game.reset();
        resetGame();
    }

    std::string trigger(const char* actionName)
    {
        testing::internal::CaptureStdout();
        m_game->window()->findChild<QAction*>(QString::fromLatin1(actionName))->trigger();
        return testing::internal::GetCapturedStdout();
    }

    static Cell firstBlankCell()
    {
        for (int32_t x = 0; x < gGridSize; ++x) {
            for (int32_t y = 0; y < gGridSize; ++y) {
                if (gGrid[x][y].editable && gGrid[x][y].field && gGrid[x][y].field->text().isEmpty())
                    return {x, y};
            }
        }
        ADD_FAILURE() << "no blank cell";
        return {0, 0};
    }

    // Types `letter` into the first blank cell as the player would; returns the cell.
    static Cell type(char letter)
    {
        const Cell cell = firstBlankCell();
        QTest::keyClick(gGrid[cell.x][cell.y].field.get(), letter);
        return cell;
    }

    static QString shownAt(Cell cell) { return gGrid[cell.x][cell.y].field->text(); }

    std::array<PlacedWord, 5> shownWords() const
    {
        const auto shown = readShownBoard(m_game->compScore, m_game->theScore);
        EXPECT_TRUE(shown);
        return shown ? shown->words : std::array<PlacedWord, 5> {};
    }

    QString keptPath() const { return dataHome() + QStringLiteral("/sixfold/board.json"); }

    std::unique_ptr<AppDelegate> m_game;
};

TEST_F(KeptBoardTest, LettersTypedBeforeQuittingComeBackWithResumeAtTheNextLaunch)
{
    EXPECT_EQ(launch().find("Ctrl+R"), std::string::npos);
    const auto words = shownWords();
    const Cell cell = type('q');
    const QString computerScore = m_game->compScore->text();

    EXPECT_NE(launch().find("Ctrl+R"), std::string::npos);
    trigger("actionResume");
    EXPECT_EQ(shownWords(), words);
    EXPECT_EQ(shownAt(cell), QStringLiteral("Q"));
    EXPECT_EQ(m_game->compScore->text(), computerScore);
}

TEST_F(KeptBoardTest, ResumeAtLaunchShowsTheKeptBoardInsteadOfDealing)
{
    launch();
    const auto words = shownWords();
    const Cell cell = type('q');
    {
        QSettings settings(preferencesFilePath(), QSettings::IniFormat);
        savePreferences(settings, {WordColours::Standard, true});
    }
    launch();
    EXPECT_EQ(shownWords(), words);
    EXPECT_EQ(shownAt(cell), QStringLiteral("Q"));
    EXPECT_EQ(trigger("actionResume"), "No board is kept to resume.\n");
}

TEST_F(KeptBoardTest, NewPuzzleKeepsTheBoardAndResumeSwapsBackAndForth)
{
    launch();
    const auto first = shownWords();
    const Cell cell = type('q');
    EXPECT_NE(trigger("actionNewPuzzle").find("Ctrl+R"), std::string::npos);
    const auto second = shownWords();
    ASSERT_NE(second, first);

    ASSERT_TRUE(QTest::qWaitForWindowActive(m_game->window()));
    QTest::keyClick(m_game->window(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(shownWords(), first);
    EXPECT_EQ(shownAt(cell), QStringLiteral("Q"));
    trigger("actionResume");
    EXPECT_EQ(shownWords(), second);
    trigger("actionResume");
    EXPECT_EQ(shownWords(), first);
}

TEST_F(KeptBoardTest, ASubmittedBoardIsNeverKept)
{
    // Rows: how the submitted board came to be shown.
    for (const bool submitsAResumedBoard : {false, true}) {
        launch();
        const auto submitted = shownWords();
        type('q');
        if (submitsAResumedBoard) {
            trigger("actionNewPuzzle");
            trigger("actionResume");
        }
        trigger("actionSubmit");
        trigger("actionResume");
        EXPECT_NE(shownWords(), submitted);
        EXPECT_EQ(launch().find("Ctrl+R"), std::string::npos);
        EXPECT_EQ(trigger("actionResume"), "No board is kept to resume.\n");
        EXPECT_FALSE(QFile::exists(keptPath()));
        quit();
    }
}

TEST_F(KeptBoardTest, AKeystrokeIsWrittenWithoutWaitingForQuit)
{
    launch();
    QSignalSpy saved(m_game->boardKeeper(), &BoardKeeper::saved);
    const Cell cell = type('q');
    ASSERT_TRUE(saved.wait(5000));
    const auto kept = KeptBoardStore(keptPath()).load().board;
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->typed.size(), 1u);
    EXPECT_EQ(kept->typed[0].x, cell.x);
    EXPECT_EQ(kept->typed[0].y, cell.y);
    EXPECT_EQ(kept->typed[0].letter, QStringLiteral("Q"));
}

TEST_F(KeptBoardTest, AKeptBoardThatIsNoBoardIsMovedAsideAndPlayGoesOn)
{
    QDir().mkpath(dataHome() + QStringLiteral("/sixfold"));
    QFile file(keptPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"version\": 1, \"words\": [");
    file.close();
    EXPECT_NE(launch().find("moved to"), std::string::npos);
    EXPECT_FALSE(QFile::exists(keptPath()));
    shownWords();
    EXPECT_EQ(trigger("actionResume"), "No board is kept to resume.\n");
}

// Pixels of the cell that are not its background: its letter and any mark.
int inkOf(QLineEdit* field)
{
    const QImage image = field->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != kCellBackground.rgb();
    }
    return ink;
}

// The ink a verdict adds to the cell beyond its letter: the mark readable without colour.
int markInk(QLineEdit* field)
{
    const LetterVerdict shown = shownVerdict(field);
    const int marked = inkOf(field);
    showVerdict(field, LetterVerdict::Unchecked);
    const int plain = inkOf(field);
    showVerdict(field, shown);
    return marked - plain;
}

// A line at least half the cell wide, one pixel thick.
constexpr int kLeastMarkInk = 16;

// Garden (a word) in row 0, GXXXXX (not a word) in row 3 of the worked example.
TEST_F(KeptBoardTest, CheckedLettersShowTheirVerdictByLineAndByTheChosenColours)
{
    for (const WordColours colours : {WordColours::Standard, WordColours::ColourBlindSafe}) {
        {
            QSettings settings(preferencesFilePath(), QSettings::IniFormat);
            savePreferences(settings, {colours, false});
        }
        launch();
        layOutBoard(workedExample(), m_game->window());
        for (int32_t x : {0, 2, 3, 4, 5})
            fieldAt(x, 0)->setText(QString(QChar(u"GRDEN"[x == 0 ? 0 : x - 1])));
        for (int32_t x : {0, 2, 3, 4})
            fieldAt(x, 3)->setText(QStringLiteral("X"));
        trigger("actionCheckAllWords");

        const QColor word = colours == WordColours::Standard ? kValidWordColour : kSafeValidWordColour;
        const QColor nonWord = colours == WordColours::Standard ? kInvalidWordColour : kSafeInvalidWordColour;
        for (const auto& [field, verdict, colour] : {std::tuple {fieldAt(0, 0), LetterVerdict::Word, word},
                                                     std::tuple {fieldAt(5, 0), LetterVerdict::Word, word},
                                                     std::tuple {fieldAt(2, 3), LetterVerdict::NotWord, nonWord},
                                                     std::tuple {fieldAt(1, 1), LetterVerdict::Unchecked, kInputTextColour}}) {
            EXPECT_EQ(shownVerdict(field), verdict);
            EXPECT_EQ(textColor(field), colour);
            if (verdict == LetterVerdict::Unchecked)
                EXPECT_EQ(markInk(field), 0);
            else
                EXPECT_GE(markInk(field), kLeastMarkInk);
        }
        // A letter typed again is unchecked until the next check.
        QTest::keyClick(fieldAt(2, 3), 'o');
        EXPECT_EQ(shownVerdict(fieldAt(2, 3)), LetterVerdict::Unchecked);
        EXPECT_EQ(textColor(fieldAt(2, 3)), kInputTextColour);
        quit();
    }
}

TEST_F(KeptBoardTest, PreferencesChosenInTheDialogAreSavedApartAndRecolourTheBoard)
{
    launch();
    layOutBoard(workedExample(), m_game->window());
    fieldAt(0, 0)->setText(QStringLiteral("X"));
    trigger("actionCheckAllWords");
    trigger("actionPreferences");
    auto* dialog = m_game->window()->findChild<PreferencesDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->chosen(), Preferences {});
    auto* colours = dialog->findChild<QComboBox*>(QStringLiteral("wordColours"));
    colours->setCurrentIndex(colours->findData(static_cast<int>(WordColours::ColourBlindSafe)));
    dialog->findChild<QCheckBox*>(QStringLiteral("resumesAtLaunch"))->setChecked(true);
    dialog->accept();

    EXPECT_EQ(textColor(fieldAt(0, 0)), kSafeInvalidWordColour);
    QSettings settings(configHome() + QStringLiteral("/sixfold/sixfold.conf"), QSettings::IniFormat);
    EXPECT_EQ(loadPreferences(settings), (Preferences {WordColours::ColourBlindSafe, true}));
    QFile statistics(configHome() + QStringLiteral("/sixfold/defaults.json"));
    ASSERT_TRUE(statistics.open(QIODevice::ReadOnly));
    EXPECT_FALSE(statistics.readAll().contains("olour"));
}

TEST_F(KeptBoardTest, KeyboardShortcutsListEveryShortcutOfTheMenus)
{
    launch();
    const QString help = keyboardShortcutsText();
    for (const QAction* action : m_game->window()->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        EXPECT_TRUE(help.contains(action->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped()))
            << action->objectName().toStdString();
    }
}

} // namespace
