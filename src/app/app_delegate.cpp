// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_delegate.h"

#include "app/app_log.h"
#include "app/help_texts.h"
#include "app/preferences_dialog.h"
#include "app/round_book_loader.h"
#include "app/round_history.h"
#include "app/shortcut_help.h"
#include "board/board_layout.h"
#include "board/word_selection.h"
#include "cells/my_text_field.h"
#include "console/log_console.h"
#include "grid/grid.h"
#include "keep/kept_board_store.h"
#include "lexicon/board_best.h"
#include "model/game_model.h"
#include "prefs/preferences.h"
#include "resume/board_keeper.h"
#include "resume/board_reading.h"
#include "scoring/puzzle_check.h"
#include "scoring/round_submission.h"
#include "stats/stats_persistence.h"
#include "stats/stats_text.h"
#include "stats/user_stats.h"
#include "window/console_view.h"
#include "window/deferred_icons.h"
#include "window/named_font.h"
#include "window/text_field_values.h"
#include "window/window_handle.h"
#include "words/dictionary_check.h"
#include "words/word_list.h"
#include "ui_MainWindow.h"

#include <QLineEdit>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSettings>

#include <utility>

namespace {

const QString kConsoleFontFamily = QStringLiteral("Monaco");
constexpr qreal kConsoleFontPoints = 14.0;
const QString kStatsFontFamily = QStringLiteral("Geneva");
constexpr qreal kStatsFontPoints = 14.0;
constexpr int kLongestUserName = sizeof gUserName - 1;

// Controls are found by name, so any window made from the form binds alike; the signals
// are pointers to members, so a misspelt one does not compile, where a string-based
// connection would only warn at run time and leave the button dead.
template <typename Source, typename... Args>
void bindAction(AppDelegate* delegate, QMainWindow* window, const char* name, void (Source::*signal)(Args...),
                void (AppDelegate::*action)(QObject*))
{
    auto* source = window->findChild<Source*>(QLatin1String(name));
    if (!source) {
        qCWarning(lcApp, "The window has no control named '%s'; its action stays unbound.", name);
        return;
    }
    QObject::connect(source, signal, delegate, [delegate, source, action] { (delegate->*action)(source); });
}

// The board's cells go with the window: they are children of its content view.
void moveBoardInto(QWidget* contentView)
{
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            if (cell.field && contentView) {
                cell.field->setParent(contentView);
                cell.field->show();
            }
        }
    }
}

} // namespace

std::unique_ptr<QMainWindow> loadMainWindow()
{
    deferExtensionButtonIcons(); // before the form builds its menu bar
    auto window = std::make_unique<QMainWindow>();
    Ui::MainWindow form;
    form.setupUi(window.get());
    window->setFixedSize(window->sizeHint());
    return window;
}

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent)
    , _window(loadMainWindow())
{
    takeOutlets();
    connectActions();
}

AppDelegate::~AppDelegate() = default;

QMainWindow* AppDelegate::window() const
{
    return _window.get();
}

void AppDelegate::setWindow(std::unique_ptr<QMainWindow> window)
{
    const bool launched = gWindow && gWindow == _window.get();
    // The old window lives to the end of this call, so what it shows can move over.
    const std::unique_ptr<QMainWindow> old = std::exchange(_window, std::move(window));
    const QPlainTextEdit* oldConsole = resultView;
    const QLabel* oldStats = statsField;
    takeOutlets();
    connectActions();
    if (!launched || !_window)
        return;
    gWindow = _window.get();
    if (oldConsole && resultView)
        resultView->setPlainText(oldConsole->toPlainText());
    attachConsoleView(resultView);
    if (theScore)
        setIntValue(theScore, gameModel().playerScore());
    if (compScore)
        setIntValue(compScore, gameModel().computerScore());
    if (oldStats && statsField)
        showStatsText(oldStats->text());
    moveBoardInto(_window->centralWidget());
}

// Everything else reaches the window's controls through the outlets.
void AppDelegate::takeOutlets()
{
    const auto outlet = [this]<typename T>(T*& outlet, const char* name) {
        outlet = _window ? _window->findChild<T*>(QLatin1String(name)) : nullptr;
    };
    outlet(resultView, "resultView");
    outlet(theWord, "theWord");
    outlet(theScore, "theScore");
    outlet(compScore, "compScore");
    outlet(statsField, "statsField");
    outlet(newUserName, "newUserName");
    outlet(roundOutcome, "roundOutcome");
    // The form's "0" becomes a value a screen reader hears with its caption.
    if (theScore)
        setIntValue(theScore, gameModel().playerScore());
    if (compScore)
        setIntValue(compScore, gameModel().computerScore());
}

void AppDelegate::connectActions()
{
    if (!_window)
        return;
    QMainWindow* w = _window.get();
    bindAction(this, w, "checkWordButton", &QAbstractButton::clicked, &AppDelegate::CheckWord);
    bindAction(this, w, "checkAllWordsButton", &QAbstractButton::clicked, &AppDelegate::CheckAllWords);
    bindAction(this, w, "newPuzzleButton", &QAbstractButton::clicked, &AppDelegate::GenerateNewPuzzle);
    bindAction(this, w, "changeUserButton", &QAbstractButton::clicked, &AppDelegate::ChangeUser);
    bindAction(this, w, "submitButton", &QAbstractButton::clicked, &AppDelegate::SubmitScore);
    bindAction(this, w, "theWord", &QLineEdit::returnPressed, &AppDelegate::CheckWord);
    bindAction(this, w, "newUserName", &QLineEdit::returnPressed, &AppDelegate::ChangeUser);
    bindAction(this, w, "actionNewPuzzle", &QAction::triggered, &AppDelegate::GenerateNewPuzzle);
    bindAction(this, w, "actionCheckAllWords", &QAction::triggered, &AppDelegate::CheckAllWords);
    bindAction(this, w, "actionSubmit", &QAction::triggered, &AppDelegate::SubmitScore);
    if (auto* quit = w->findChild<QAction*>(QStringLiteral("actionQuit")))
        connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    if (auto* help = w->findChild<QAction*>(QStringLiteral("actionHowToPlay")))
        connect(help, &QAction::triggered, this, [this] { showHelp(HelpPage::HowToPlay); });
    if (auto* about = w->findChild<QAction*>(QStringLiteral("actionAbout")))
        connect(about, &QAction::triggered, this, [this] { showHelp(HelpPage::About); });
    if (auto* keys = w->findChild<QAction*>(QStringLiteral("actionKeyboardShortcuts")))
        connect(keys, &QAction::triggered, this, [this] { showHelp(HelpPage::KeyboardShortcuts); });
    if (auto* review = w->findChild<QAction*>(QStringLiteral("actionRoundReview")))
        connect(review, &QAction::triggered, this, &AppDelegate::showRoundReview);
    if (auto* statistics = w->findChild<QAction*>(QStringLiteral("actionStatistics")))
        connect(statistics, &QAction::triggered, this, &AppDelegate::showStatistics);
    if (auto* resume = w->findChild<QAction*>(QStringLiteral("actionResume")))
        connect(resume, &QAction::triggered, this, &AppDelegate::resumePreviousBoard);
    if (auto* preferences = w->findChild<QAction*>(QStringLiteral("actionPreferences"))) {
        preferences->setShortcut(preferencesShortcut());
        connect(preferences, &QAction::triggered, this, &AppDelegate::showPreferences);
    }
}

void AppDelegate::showHelp(HelpPage page)
{
    auto* box = new QMessageBox(_window.get());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Information);
    box->setTextFormat(Qt::RichText);
    switch (page) {
    case HelpPage::HowToPlay:
        box->setWindowTitle(tr("How to Play"));
        box->setText(howToPlayText());
        box->setObjectName(QStringLiteral("howToPlayBox"));
        break;
    case HelpPage::About:
        box->setWindowTitle(tr("About Sixfold"));
        box->setText(aboutText());
        box->setObjectName(QStringLiteral("aboutBox"));
        break;
    case HelpPage::KeyboardShortcuts:
        box->setWindowTitle(tr("Keyboard Shortcuts"));
        box->setText(keyboardShortcutsText());
        box->setObjectName(QStringLiteral("keyboardShortcutsBox"));
        break;
    }
    box->setModal(false);
    box->show();
}

void AppDelegate::applicationDidFinishLaunching(QObject* /*notification*/)
{
    if (resultView)
        resultView->setFont(namedFont(kConsoleFontFamily, kConsoleFontPoints, QFont::Monospace));
    attachConsoleView(resultView);
    reportPlatformProblemsOnConsole();
    gWindow = _window.get();
    loadSixWordList();
    loadPrefs();
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    const Preferences preferences = loadPreferences(settings);
    applyWordColours(preferences.wordColours);
    KeptBoardStore store(KeptBoardStore::defaultFilePath(), KeptBoardStore::defaultSpareRecordPath());
    m_keeper = std::make_unique<BoardKeeper>(std::move(store), window(), compScore, theScore);
    if (!m_keeper->launch(preferences.resumesAtLaunch))
        createBoard();
    m_keeper->boardDealt();
    updateStatsDisplay();
}

int32_t AppDelegate::createBoard()
{
    const std::optional<PuzzleWords> puzzle = selectPuzzleWords();
    if (!puzzle) {
        myPrintf("The word list cannot make a puzzle, so the board stays empty.\n");
        clearBoard();
        gameModel().clear();
        setIntValue(compScore, 0);
        return 1;
    }
    layOutBoard(*puzzle, window());
    setIntValue(compScore, gameModel().computerScore());
    qCDebug(lcApp, "Board laid out with %d cells.", static_cast<int>(window() ? window()->findChildren<myTextField*>().size() : 0));
    return 1;
}

void AppDelegate::applicationWillTerminate(QObject* /*notification*/)
{
    saveLastUser();
    if (m_keeper)
        m_keeper->saveNow();
}

void AppDelegate::updateStatsDisplay()
{
    showStatsText(QString::fromStdString(statsText(gCurrStats)));
    saveStats();
}

// A label's accessible name hides its text from a screen reader, so the nine lines are
// its description as well.
void AppDelegate::showStatsText(const QString& text)
{
    statsField->setFont(namedFont(kStatsFontFamily, kStatsFontPoints, QFont::SansSerif));
    statsField->setText(text);
    statsField->setAccessibleDescription(text);
}

void AppDelegate::displayComputerWords()
{
    ::displayComputerWords();
}

void AppDelegate::CheckWord(QObject* /*sender*/)
{
    const QString typed = theWord->text();
    if (!typed.isEmpty())
        checkWordAndReport(typed);
    theWord->setText(QString());
}

void AppDelegate::CheckAllWords(QObject* /*sender*/)
{
    const int32_t roundTotal = checkBoardWords(&m_lastCheck);
    setIntValue(theScore, gameModel().playerScore());
    recordRoundScore(roundTotal);
    if (m_keeper)
        m_keeper->boardChanged();
}

void AppDelegate::GenerateNewPuzzle(QObject* /*sender*/)
{
    if (m_keeper)
        m_keeper->boardLeaving();
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            if (cell.field) {
                cell.field->hide();
                cell.field->setParent(nullptr);
            }
        }
    }
    setIntValue(theScore, 0);
    createBoard();
    if (m_keeper)
        m_keeper->boardDealt();
}

// A name is taken exactly as typed. One that does not fit is refused rather than cut,
// since cutting could merge two players into one record; "LastUser" is refused because
// the store keeps the last player under that key.
void AppDelegate::ChangeUser(QObject* /*sender*/)
{
    const QString typed = newUserName->text();
    if (typed.isEmpty())
        return;
    const QByteArray name = typed.toUtf8();
    if (name.size() > kLongestUserName) {
        myPrintf("'%s' is too long for a player's name (at most %d bytes); the player stays '%s'.\n",
                 name.constData(), kLongestUserName, gUserName);
        return;
    }
    if (typed == QStringLiteral("LastUser")) {
        myPrintf("'LastUser' cannot be a player's name; the player stays '%s'.\n", gUserName);
        return;
    }
    setUserName(name);
    loadUserStats();
    updateStatsDisplay();
    myPrintf("User changed to '%s'\n", gUserName);
}

void AppDelegate::SubmitScore(QObject* /*sender*/)
{
    if (m_keeper && !m_keeper->boardSubmitted()) {
        GenerateNewPuzzle(nullptr);
        return;
    }
    CheckAllWords(nullptr);
    // The lexicon is read here, at the first submission, never at launch.
    QString outcome;
    if (const std::optional<BoardState>& board = gameModel().board()) {
        const BoardBest best = bestOfBoard(*board, Lexicon::shared(), 4);
        // With no lexicon to read every total is 0: no best is better than a false one.
        const std::optional<int> bestPossible = Lexicon::shared().size() ? std::optional(best.total) : std::nullopt;
        outcome = ::roundOutcome(gameModel().playerScore(), gameModel().computerScore(), bestPossible) + QStringLiteral(" Ctrl+E: review.");
        m_lastReview = roundReview(*board, best);
    }
    foldRoundIntoStats(gameModel().computerScore());
    updateStatsDisplay();
    recordRoundInHistory();
    displayComputerWords();
    GenerateNewPuzzle(nullptr);
    if (roundOutcome) {
        roundOutcome->setText(outcome);
        qApp->installEventFilter(this);
    }
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (roundOutcome && (type == QEvent::KeyPress || type == QEvent::ShortcutOverride || type == QEvent::MouseButtonPress)) {
        roundOutcome->clear();
        qApp->removeEventFilter(this);
    }
    return QObject::eventFilter(watched, event);
}

namespace {

// A kept round's board again, from its words and their places; none where they do not chain.
std::optional<int> bestPossibleOf(const RoundRecord& round)
{
    BoardState board;
    for (int w = 0; w < kWordCount; ++w) {
        const SlotRecord& slot = round.wordSlots[w];
        board.words[w] = {slot.solution.toLower(), {{slot.x, slot.y}, slot.direction}};
    }
    if (!Lexicon::shared().size() || !chainOf(placementsOf(board)))
        return std::nullopt;
    return bestOfBoard(board, Lexicon::shared()).total;
}

} // namespace

RoundBook* AppDelegate::roundBook()
{
    if (!m_roundBook) {
        QString problem;
        m_roundBook = loadRoundBook(&problem);
        if (!m_roundBook)
            myPrintf("%s", problem.toUtf8().constData());
        else
            m_roundBook->setBestPossibleScorer(bestPossibleOf);
    }
    return m_roundBook.get();
}

// The history is extra: whatever befalls it, the statistics are saved already and play goes on.
void AppDelegate::recordRoundInHistory()
{
    const std::optional<BoardState> shown = readShownBoard();
    if (!shown)
        return;
    RoundRecord round = roundRecordOf(QString::fromUtf8(gUserName), QDateTime::currentDateTimeUtc(), *shown, m_lastCheck);
    if (Lexicon::shared().size())
        round.bestPossible = bestOfBoard(*shown, Lexicon::shared()).total;
    RoundBook* book = roundBook();
    const QString message = book ? book->recordRound(round) : QString();
    if (!message.isEmpty())
        myPrintf("%s", message.toUtf8().constData());
}

void AppDelegate::showRoundReview()
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Round Review"),
                                m_lastReview.isEmpty() ? QStringLiteral("Submit a round to review it here.") : m_lastReview,
                                QMessageBox::Close, window());
    box->setObjectName(QStringLiteral("roundReview"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void AppDelegate::showStatistics()
{
    RoundBook* book = roundBook();
    const QString message = book ? book->showStatistics(QString::fromUtf8(gUserName), window()) : QString();
    if (!message.isEmpty())
        myPrintf("%s", message.toUtf8().constData());
}

void AppDelegate::resumePreviousBoard()
{
    if (m_keeper)
        m_keeper->resumeKept();
}

void AppDelegate::showPreferences()
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    auto* dialog = new PreferencesDialog(loadPreferences(settings), _window.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        QSettings settings(preferencesFilePath(), QSettings::IniFormat);
        if (!savePreferences(settings, dialog->chosen()) && !std::exchange(m_hasReportedUnsavedPreferences, true))
            myPrintf("The preferences cannot be saved in %s; they hold until the game quits.\n",
                     qUtf8Printable(QDir::toNativeSeparators(settings.fileName())));
        applyWordColours(dialog->chosen().wordColours);
    });
    dialog->open();
}
