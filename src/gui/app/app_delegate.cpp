// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/app_delegate.h"

#include "gui/app/app_log.h"
#include "gui/app/help_texts.h"
#include "gui/app/preferences_dialog.h"
#include "gui/app/round_book_loader.h"
#include "gui/app/round_history.h"
#include "gui/app/shortcut_help.h"
#include "gui/board_view/board_layout.h"
#include "core/board/word_selection.h"
#include "gui/board_view/my_text_field.h"
#include "core/platform/log_console.h"
#include "core/platform/problem_report.h"
#include "core/dictionary/dictionary.h"
#include "gui/board_view/grid.h"
#include "core/history/history_files.h"
#include "core/kept_board/kept_board_store.h"
#include "core/board/board_code.h"
#include "core/round/board_best.h"
#include "core/round/lexicon.h"
#include "core/round/game_model.h"
#include "core/preferences/preferences.h"
#include "core/round/shared_result.h"
#include "gui/app/board_keeper.h"
#include "gui/board_view/board_reading.h"
#include "gui/board_view/puzzle_check.h"
#include "gui/board_view/round_submission.h"
#include "core/player/stats_persistence.h"
#include "core/player/stats_text.h"
#include "core/player/user_stats.h"
#include "gui/look/announcement.h"
#include "gui/look/console_view.h"
#include "gui/look/deferred_icons.h"
#include "gui/look/named_font.h"
#include "gui/look/text_field_values.h"
#include "gui/look/window_handle.h"
#include "core/dictionary/dictionary_check.h"
#include "core/board/picking.h"
#include "core/board/word_list.h"
#include "ui_MainWindow.h"

#include <QLineEdit>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSettings>

#include <algorithm>
#include <utility>

namespace {

// A round's review names the best word that fitted each slot and three more.
constexpr size_t kReviewedWordsPerSlot = 4;

// No best is better than a false one, which would be stored with the round.
std::optional<int> knownTotal(const BoardBest& best)
{
    return best.isKnown ? std::optional(best.total) : std::nullopt;
}

QFont consoleFont()
{
    return namedFont(QStringLiteral("Monaco"), 14.0, QFont::Monospace);
}

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
    // The keeper shows a resumed board in the window it was given, which goes at the end of this call.
    if (m_keeper)
        m_keeper->showIn(_window.get(), compScore, theScore);
    if (!launched || !_window)
        return;
    gWindow = _window.get();
    if (oldConsole && resultView)
        resultView->setPlainText(oldConsole->toPlainText());
    attachConsoleView(resultView, consoleFont()); // the scores came over with the outlets
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
    for (QLabel* score : {theScore, compScore}) {
        if (score)
            score->setFont(boardFont());
    }
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
    const auto onTriggered = [this, w](const char* name, auto slot) {
        if (auto* action = w->findChild<QAction*>(QLatin1String(name)))
            connect(action, &QAction::triggered, this, slot);
    };
    onTriggered("actionHowToPlay", [this] { showHelp(HelpPage::HowToPlay); });
    onTriggered("actionAbout", [this] { showHelp(HelpPage::About); });
    onTriggered("actionKeyboardShortcuts", [this] { showHelp(HelpPage::KeyboardShortcuts); });
    onTriggered("actionRoundReview", &AppDelegate::showRoundReview);
    onTriggered("actionStatistics", &AppDelegate::showStatistics);
    onTriggered("actionResume", &AppDelegate::resumePreviousBoard);
    onTriggered("actionDailyBoard", &AppDelegate::playDailyBoard);
    onTriggered("actionPlayBoardCode", &AppDelegate::askForBoardCode);
    onTriggered("actionCopyBoardCode", &AppDelegate::copyBoardCode);
    onTriggered("actionCopyResult", &AppDelegate::copyResult);
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
    attachConsoleView(resultView, consoleFont());
    reportPlatformProblemsOnConsole();
    gWindow = _window.get();
    loadSixWordList();
    loadPrefs();
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    const Preferences preferences = loadPreferences(settings);
    applyWordColours(preferences.wordColours);
    if (_window)
        _window->installEventFilter(this);
    KeptBoardStore store(KeptBoardStore::defaultFilePath(), KeptBoardStore::defaultSpareRecordPath());
    m_keeper = std::make_unique<BoardKeeper>(std::move(store), window(), compScore, theScore);
    // A board asked for on the command line comes first, though the kept board is still read
    // so that it stays kept; a code this word list cannot deal has been said on the console,
    // and the launch goes on as usual.
    std::optional<DealOrigin> launchBoard;
    if (m_launchDaily) {
        launchBoard = todaysDailyBoard();
    } else if (!m_launchCode.isEmpty()) {
        const CodeReading reading = readBoardCode(m_launchCode, wordListTag());
        if (reading.fault == CodeFault::None)
            launchBoard = DealOrigin {reading.seed, 0};
        else
            myPrintf("%s\n", qUtf8Printable(codeFaultSentence(reading.fault)));
    }
    if (launchBoard)
        m_keeper->launch(false), dealBoard(*launchBoard);
    else if (!m_keeper->launch(preferences.resumesAtLaunch))
        createBoard();
    m_keeper->boardDealt();
    showBoardOrigin();
    if (m_launchDaily && launchBoard && gameModel().board())
        sayDailyStanding(launchBoard->dailyNumber);
    updateStatsDisplay();
    // Rounds an earlier run could not write go into the history now, not at the next round.
    if (QFile::exists(pendingRoundsPath(historyFilePath())))
        roundBook();
}

int32_t AppDelegate::createBoard()
{
    dealBoard(DealOrigin {seedDealingFromEntropy(), 0});
    return 1;
}

void AppDelegate::dealBoard(const DealOrigin& origin)
{
    const std::optional<PuzzleWords> puzzle = selectPuzzleWords(origin.seed);
    if (!puzzle) {
        myPrintf("The word list cannot make a puzzle, so the board stays empty.\n");
        clearBoard();
        gameModel().clear();
        setIntValue(compScore, 0);
        return;
    }
    layOutBoard(*puzzle, window());
    gameModel().setOrigin(origin);
    setIntValue(compScore, gameModel().computerScore());
    qCDebug(lcApp, "Board laid out with %d cells.", static_cast<int>(window() ? window()->findChildren<myTextField*>().size() : 0));
}

// The title names the daily board while it is on show, leaving the window's layout as it is.
void AppDelegate::showBoardOrigin()
{
    if (!_window)
        return;
    const std::optional<DealOrigin>& origin = gameModel().origin();
    _window->setWindowTitle(origin && origin->dailyNumber != 0 ? tr("Sixfold — Daily #%1").arg(origin->dailyNumber)
                                                              : tr("Sixfold"));
}

QString AppDelegate::boardName() const
{
    const std::optional<DealOrigin>& origin = gameModel().origin();
    if (!origin)
        return QString();
    if (origin->dailyNumber != 0)
        return QStringLiteral("Daily #%1").arg(origin->dailyNumber);
    return boardCode(origin->seed, wordListTag());
}

bool AppDelegate::playBoardCode(const QString& code)
{
    const CodeReading reading = readBoardCode(code, wordListTag());
    if (reading.fault != CodeFault::None) {
        myPrintf("%s\n", qUtf8Printable(codeFaultSentence(reading.fault)));
        return false;
    }
    replaceBoard(DealOrigin {reading.seed, 0});
    myPrintf("Board %s dealt.\n", qUtf8Printable(boardCode(reading.seed, wordListTag())));
    return true;
}

void AppDelegate::askForBoardCode()
{
    auto* dialog = new QInputDialog(_window.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("boardCodeDialog"));
    dialog->setWindowTitle(tr("Play Board Code"));
    dialog->setLabelText(tr("Board code (fifteen characters, such as a friend's from Copy Board Code):"));
    connect(dialog, &QInputDialog::textValueSelected, this, [this](const QString& code) { playBoardCode(code); });
    dialog->open();
}

// Daily #1 is the first: a clock set before it has no daily board to deal.
std::optional<DealOrigin> AppDelegate::todaysDailyBoard() const
{
    const QDate today = m_clock().date();
    const int number = dailyNumber(today);
    if (number >= 1)
        return DealOrigin {dailySeed(number), number};
    myPrintf("There is no daily board before Daily #1, the board of %s (UTC).\n",
             qUtf8Printable(today.addDays(1 - number).toString(QStringLiteral("d MMMM yyyy"))));
    return std::nullopt;
}

void AppDelegate::playDailyBoard()
{
    if (!hasBoardFor("Daily Board"))
        return;
    const std::optional<DealOrigin> daily = todaysDailyBoard();
    if (!daily)
        return;
    replaceBoard(*daily);
    if (gameModel().board())
        sayDailyStanding(daily->dailyNumber);
}

void AppDelegate::sayDailyStanding(int number)
{
    RoundBook* book = roundBook();
    if (book && book->hasDailyResult(QString::fromUtf8(gUserName), number))
        myPrintf("Daily #%d: you have played it today already, so this round is practice.\n", number);
    else
        myPrintf("Daily #%d: your first submission of it is today's result.\n", number);
}

void AppDelegate::copyBoardCode()
{
    const std::optional<DealOrigin>& origin = gameModel().origin();
    if (!origin) {
        myPrintf("This board came back from the kept one, which keeps no code; a dealt board has one.\n");
        return;
    }
    const QString code = boardCode(origin->seed, wordListTag());
    QGuiApplication::clipboard()->setText(code);
    myPrintf("Board code %s copied.\n", qUtf8Printable(code));
}

void AppDelegate::copyResult()
{
    if (m_lastResult.isEmpty()) {
        if (hasBoardFor("Copy Result"))
            myPrintf("There is no result to copy yet: Copy Result shares the last round you submitted.\n");
        return;
    }
    QGuiApplication::clipboard()->setText(m_lastResult);
    myPrintf("Result copied:\n%s", qUtf8Printable(m_lastResult));
}

void AppDelegate::applicationWillTerminate(QObject* /*notification*/)
{
    saveRaisedBests();
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

// Without a board (the word list could not make one) an action that needs one only says so:
// no round is scored, recorded or shared that was never dealt.
bool AppDelegate::hasBoardFor(const char* action) const
{
    if (gameModel().board())
        return true;
    myPrintf("%s needs a board, and the word list cannot make one.\n", action);
    return false;
}

void AppDelegate::CheckAllWords(QObject* sender)
{
    if (!hasBoardFor("Check All Words"))
        return;
    const int32_t roundTotal = checkBoardWords(&m_lastCheck);
    setIntValue(theScore, gameModel().playerScore());
    recordRoundScore(roundTotal);
    const auto words = std::count_if(m_lastCheck.verdicts.begin(), m_lastCheck.verdicts.end(),
                                     [](const SlotVerdict& verdict) { return verdict.isWord; });
    if (sender) // Submit's own check is told with the round
        announce(tr("Checked: %1 of %2 slots are words, your score %3.").arg(words).arg(kWordCount).arg(roundTotal));
    if (m_keeper)
        m_keeper->boardChanged();
}

void AppDelegate::GenerateNewPuzzle(QObject* /*sender*/)
{
    replaceBoard(DealOrigin {seedDealingFromEntropy(), 0});
}

void AppDelegate::replaceBoard(const DealOrigin& origin)
{
    if (m_keeper)
        m_keeper->boardLeaving();
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            if (cell.field)
                cell.field->setParent(nullptr); // which hides it too
        }
    }
    setIntValue(theScore, 0);
    dealBoard(origin);
    if (m_keeper)
        m_keeper->boardDealt();
    showBoardOrigin();
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
    saveRaisedBests();
    setUserName(name);
    loadUserStats();
    updateStatsDisplay();
    myPrintf("User changed to '%s'\n", gUserName);
}

void AppDelegate::SubmitScore(QObject* /*sender*/)
{
    if (!hasBoardFor("Submit"))
        return;
    // Without a dictionary every slot would be "not a word": a loss the player never played.
    if (!canJudgeWords()) {
        myPrintf("This round is not submitted: no word can be judged without the English dictionary.\n");
        return;
    }
    if (m_keeper && !m_keeper->boardSubmitted()) {
        GenerateNewPuzzle(nullptr);
        return;
    }
    CheckAllWords(nullptr);
    const int32_t yours = gameModel().playerScore();
    const int32_t computers = gameModel().computerScore();
    // The lexicon is read here, at the first submission, never at launch.
    QString outcome;
    std::optional<int> bestPossible;
    if (const std::optional<BoardState>& board = gameModel().board()) {
        const BoardBest best = bestOfBoard(*board, Lexicon::shared(), kReviewedWordsPerSlot);
        bestPossible = knownTotal(best);
        outcome = ::roundOutcome(gameModel().playerScore(), gameModel().computerScore(), bestPossible) + QStringLiteral(" Ctrl+E: review.");
        m_lastReview = roundReview(*board, best);
    }
    foldRoundIntoStats(gameModel().computerScore());
    updateStatsDisplay();
    m_lastRound = recordRoundInHistory(bestPossible);
    if (m_lastRound)
        keepResultToShare(*m_lastRound);
    displayComputerWords();
    GenerateNewPuzzle(nullptr);
    announce(roundSummary(yours, computers) + tr(" A new puzzle is dealt."));
    if (roundOutcome) {
        roundOutcome->setText(outcome);
        qApp->installEventFilter(this);
    }
}

QString roundSummary(int32_t yours, int32_t computers)
{
    return AppDelegate::tr("Round over: your score %1, the computer's %2, %3.").arg(yours).arg(computers).arg(roundMargin(yours, computers));
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == _window.get() && type == QEvent::ApplicationPaletteChange) {
        QSettings settings(preferencesFilePath(), QSettings::IniFormat);
        applyWordColours(loadPreferences(settings).wordColours);
    }
    if (roundOutcome && (type == QEvent::KeyPress || type == QEvent::ShortcutOverride || type == QEvent::MouseButtonPress)) {
        roundOutcome->clear();
        qApp->removeEventFilter(this);
    }
    return QObject::eventFilter(watched, event);
}

namespace {

// A kept round's board again, from its words and their places, with the letters the player
// left judged as they were; none where the words do not chain.
std::optional<BoardState> boardOf(const RoundRecord& round)
{
    BoardState board;
    for (int w = 0; w < kWordCount; ++w) {
        const SlotRecord& slot = round.wordSlots[w];
        board.words[w] = {slot.solution.toLower(), {{slot.x, slot.y}, slot.direction}};
    }
    if (!chainOf(placementsOf(board)))
        return std::nullopt;
    const std::vector<BoardCell> crossings = crossingCells(board);
    for (int w = 0; w < kWordCount; ++w) {
        const SlotRecord& slot = round.wordSlots[w];
        const QList<uint> letters = slot.letters.toUcs4(); // a letter may be two UTF-16 units
        for (int k = 0; k < kWordLength && k < letters.size(); ++k) {
            const BoardCell cell = board.words[w].place.cell(k);
            const char32_t letter = letters[k];
            if (letter != U' ' && std::find(crossings.begin(), crossings.end(), cell) == crossings.end())
                board.typed.push_back({cell.x, cell.y, QString::fromUcs4(&letter, 1), slot.isWord ? Verdict::Word : Verdict::NotWord});
        }
    }
    board.computerScore = round.computerScore;
    board.playerScore = round.roundScore;
    return board;
}

std::optional<int> bestPossibleOf(const RoundRecord& round)
{
    const std::optional<BoardState> board = boardOf(round);
    return board ? knownTotal(bestOfBoard(*board, Lexicon::shared())) : std::nullopt;
}

// A round's review as it was when played: the best score it kept, where it kept one.
RoundReview reviewOf(const RoundRecord& round)
{
    const std::optional<BoardState> board = boardOf(round);
    if (!board)
        return {};
    BoardBest best = bestOfBoard(*board, Lexicon::shared(), kReviewedWordsPerSlot);
    best.total = round.bestPossible.value_or(best.total);
    best.isKnown = round.bestPossible ? round.knownBestPossible().has_value() : best.isKnown;
    RoundReview review;
    for (int w = 0; w < kWordCount; ++w) {
        if (!best.fitting[w].empty())
            review.bestWords[w] = QString::fromStdString(best.fitting[w].front().text).toUpper();
    }
    review.text = roundReview(*board, best);
    return review;
}

} // namespace

RoundBook* AppDelegate::roundBook()
{
    if (!m_roundBook) {
        QString problem;
        m_roundBook = loadRoundBook(&problem);
        if (!m_roundBook) {
            myPrintf("%s", problem.toUtf8().constData());
        } else {
            m_roundBook->setConsole([](const QString& line) { myPrintf("%s", line.toUtf8().constData()); });
            // Read here, where a problem with it can be told: the scorer runs on the history's thread.
            Lexicon::shared();
            m_roundBook->setBestPossibleScorer(bestPossibleOf);
            m_roundBook->setReviewer(reviewOf);
        }
    }
    return m_roundBook.get();
}

// The history is extra: whatever befalls it, the statistics are saved already and play goes on.
// A daily board's first submission by the player is the day's result; the history says which.
std::optional<RoundRecord> AppDelegate::recordRoundInHistory(std::optional<int> bestPossible)
{
    const std::optional<BoardState> shown = readShownBoard();
    if (!shown)
        return std::nullopt;
    const QString player = QString::fromUtf8(gUserName);
    RoundRecord round = roundRecordOf(player, QDateTime::currentDateTimeUtc(), *shown, m_lastCheck);
    round.bestPossible = bestPossible;
    RoundBook* book = roundBook();
    const std::optional<DealOrigin>& origin = gameModel().origin();
    // Without a history nothing says the day was played already, so the round counts.
    if (origin && origin->dailyNumber != 0 && !(book && book->hasDailyResult(player, origin->dailyNumber)))
        round.dailyNumber = origin->dailyNumber;
    if (book)
        book->recordRound(round);
    return round;
}

void AppDelegate::keepResultToShare(const RoundRecord& round)
{
    const std::optional<DealOrigin>& origin = gameModel().origin();
    RoundOutcome outcome;
    outcome.boardName = boardName();
    outcome.practice = origin && origin->dailyNumber != 0 && round.dailyNumber == 0;
    outcome.playerScore = round.roundScore;
    outcome.computerScore = round.computerScore;
    outcome.bestPossible = round.bestPossible;
    for (int i = 0; i < kRoundSlots; ++i)
        outcome.isWord[static_cast<size_t>(i)] = round.wordSlots[static_cast<size_t>(i)].isWord;
    m_lastResult = shareableResult(outcome);
    if (outcome.practice)
        myPrintf("You have a result for Daily #%d already; this round was practice.\n", origin->dailyNumber);
}

void AppDelegate::showRoundReview()
{
    RoundBook* book = m_lastRound ? roundBook() : nullptr;
    if (book) {
        book->showReview(*m_lastRound, window());
        return;
    }
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
    if (RoundBook* book = roundBook())
        book->showStatistics(QString::fromUtf8(gUserName), window());
}

void AppDelegate::resumePreviousBoard()
{
    if (m_keeper)
        m_keeper->resumeKept();
    showBoardOrigin();
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
