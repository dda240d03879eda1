// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/app_delegate.h"
#include "core/round/shared_result.h"

#include "core/board/word_list.h"
#include "core/dictionary/dictionary_check.h"
#include "core/game/board_keeper.h"
#include "core/game/dealing.h"
#include "core/game/player_name.h"
#include "core/history/history_files.h"
#include "core/kept_board/kept_board_store.h"
#include "core/platform/log_console.h"
#include "core/platform/problem_report.h"
#include "core/player/stats_persistence.h"
#include "core/player/stats_text.h"
#include "core/player/user_stats.h"
#include "core/preferences/preferences.h"
#include "core/round/board_check.h"
#include "core/round/game_model.h"
#include "core/round/round_submission.h"
#include "gui/app/app_dialogs.h"
#include "gui/app/app_log.h"
#include "gui/app/preferences_dialog.h"
#include "gui/app/round_book_loader.h"
#include "gui/app/shortcut_help.h"
#include "gui/board_view/board_layout.h"
#include "gui/board_view/board_reading.h"
#include "gui/board_view/grid.h"
#include "gui/board_view/key_codes.h"
#include "gui/board_view/my_text_field.h"
#include "gui/board_view/word_view.h"
#include "gui/look/announcement.h"
#include "gui/look/console_view.h"
#include "gui/look/named_font.h"
#include "gui/look/text_field_values.h"
#include "gui/look/window_handle.h"
#include "gui/look/zoom.h"

#include <QLineEdit>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTimer>

#include <cstdlib>
#include <utility>

namespace {

// What Copy Board Code or Copy Result gives the clipboard, and says.
void putOnClipboard(const Game::Copied& copied)
{
    if (!copied.clip.isEmpty())
        QGuiApplication::clipboard()->setText(copied.clip);
    myPrintf("%s", qUtf8Printable(copied.said));
    announce(copied.heard.isEmpty() ? copied.said.trimmed() : copied.heard);
}

// Whether this machine keeps a history, known without opening it.
bool isHistoryKept()
{
    const QString path = historyFilePath();
    return QFile::exists(path) || QFile::exists(pendingRoundsPath(path));
}

// On X11 a line edit takes Ctrl+K (delete to the end) and Ctrl+D (delete a character) for its
// own, so Check All Words and Daily Board would not answer from the word or the name field. A
// one-line field has the clipboard and undo keys to keep; the game's shortcuts go first.
class ShortcutsFirst : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return (event->type() == QEvent::ShortcutOverride && leavesToShortcuts(static_cast<QKeyEvent*>(event)))
            || QObject::eventFilter(watched, event);
    }
};

} // namespace

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent)
    , _window(loadMainWindow())
    , m_dailyLineTimer(new QTimer(this))
{
    m_dailyLineTimer->setObjectName(QStringLiteral("dailyLineTimer"));
    m_dailyLineTimer->setSingleShot(true);
    connect(m_dailyLineTimer, &QTimer::timeout, this, &AppDelegate::showDailyLine);
    takeOutlets();
    connectActions();
    // Before the window shows, so that it opens at its size.
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    zoomWindow(_window.get(), loadPreferences(settings).zoomPercent);
    showZoomLimits();
    m_game.setArchive([this] { return roundBook(); });
    m_game.setSteps({[this] { showCheckedScore(nullptr); }, [this] { updateStatsDisplay(); }, [this] { GenerateNewPuzzle(nullptr); }});
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
    attachConsoleView(resultView, consoleFont()); // the scores came over with the outlets
    if (oldStats && statsField)
        showStatsText(statsField, oldStats->text());
    moveCellsOnto(_window->centralWidget()); // the cells go with the window
    showDailyLine();
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
    outlet(dailyLine, "dailyLine");
    for (QLineEdit* field : {theWord, newUserName}) {
        if (field)
            field->installEventFilter(new ShortcutsFirst(field));
    }
    for (QLabel* score : {theScore, compScore}) {
        if (score)
            setZoomedFont(score, boardFont());
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
    onTriggered("actionHowToPlay", [w] { showHelp(w, HelpPage::HowToPlay); });
    onTriggered("actionAbout", [w] { showHelp(w, HelpPage::About); });
    onTriggered("actionKeyboardShortcuts", [w] { showHelp(w, HelpPage::KeyboardShortcuts); });
    onTriggered("actionWords", &AppDelegate::showWords);
    onTriggered("actionRoundReview", &AppDelegate::showRoundReview);
    onTriggered("actionStatistics", &AppDelegate::showStatistics);
    onTriggered("actionResume", &AppDelegate::resumePreviousBoard);
    onTriggered("actionDailyBoard", &AppDelegate::playDailyBoard);
    onTriggered("actionPlayBoardCode", [this, w] { askForBoardCode(w, [this](const QString& code) { playBoardCode(code); }); });
    onTriggered("actionCopyBoardCode", &AppDelegate::copyBoardCode);
    onTriggered("actionCopyResult", &AppDelegate::copyResult);
    onTriggered("actionHint", &AppDelegate::giveHint);
    onTriggered("actionZoomIn", [this] { zoom(1); });
    onTriggered("actionZoomOut", [this] { zoom(-1); });
    onTriggered("actionActualSize", [this] { zoom(0); });
    // Ctrl++ needs Shift where + shares a key with =; Ctrl+= is the same key without it.
    if (auto* zoomIn = w->findChild<QAction*>(QStringLiteral("actionZoomIn")))
        zoomIn->setShortcuts({zoomIn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    showZoomLimits();
    if (auto* preferences = w->findChild<QAction*>(QStringLiteral("actionPreferences"))) {
        preferences->setShortcut(preferencesShortcut());
        connect(preferences, &QAction::triggered, this, &AppDelegate::showPreferences);
    }
    // The fields' keys put the cursor there, the text selected to be typed over.
    for (const auto& [action, field] : {std::pair("actionLookUpWord", theWord), {"actionChangePlayer", newUserName}})
        onTriggered(action, [field] {
            if (field)
                field->setFocus(Qt::ShortcutFocusReason);
        });
    nameShortcutsInTooltips(w);
}

void AppDelegate::applicationDidFinishLaunching(QObject* /*notification*/)
{
    attachConsoleView(resultView, consoleFont());
    setSpeaker(&announce);
    reportPlatformProblemsOnConsole();
    gWindow = _window.get();
    loadSixWordList();
    loadPrefs();
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    const Preferences preferences = loadPreferences(settings);
    applyPreferences(preferences);
    if (_window)
        _window->installEventFilter(this);
    KeptBoardStore store(KeptBoardStore::defaultFilePath(), KeptBoardStore::defaultSpareRecordPath());
    m_keeper = std::make_unique<BoardKeeper>(std::move(store));
    // The outlets are read at each call: a window set later shows the boards.
    m_keeper->setView({[this](const BoardState& board) { showBoard(board, window(), compScore, theScore); },
                       [this] { watchBoardCells(m_keeper.get()); }});
    m_game.setKeeper(m_keeper.get());
    // A board asked for on the command line comes first, though the kept board is still read
    // so that it stays kept; one that cannot be dealt was told, and the launch goes on as usual.
    const std::optional<DealOrigin> launchBoard = m_game.launchBoard(m_launchDaily, m_launchCode);
    if (launchBoard)
        m_keeper->launch(false), dealBoard(*launchBoard);
    else if (!m_keeper->launch(preferences.resumesAtLaunch))
        createBoard();
    m_keeper->boardDealt();
    showBoardOrigin();
    if (m_launchDaily && launchBoard && gameModel().board())
        m_game.sayDailyStanding(launchBoard->dailyNumber);
    updateStatsDisplay();
    // Rounds an earlier run could not write go into the history now, not at the next round.
    if (QFile::exists(pendingRoundsPath(historyFilePath())))
        roundBook();
    teachNewPlayer();
}

void AppDelegate::teachNewPlayer()
{
    if (!m_teachesNewPlayers || !_window)
        return;
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    const QString player = QString::fromUtf8(gUserName);
    if (hasSeenHowToPlay(settings, player))
        return;
    rememberHowToPlaySeen(settings, player);
    showHowToPlay(_window.get(), true);
}

int32_t AppDelegate::createBoard()
{
    dealBoard(randomDeal());
    return 1;
}

void AppDelegate::dealBoard(const DealOrigin& origin)
{
    const auto layOut = [this] { layOutBoard(*gameModel().board(), window()); };
    if (!::dealBoard(origin, layOut, &clearBoard)) {
        setIntValue(compScore, 0);
        return;
    }
    setIntValue(compScore, gameModel().computerScore());
    qCDebug(lcApp, "Board laid out with %d cells.", static_cast<int>(window() ? window()->findChildren<myTextField*>().size() : 0));
}

// The title names the daily board while it is on show, leaving the window's layout as it is.
void AppDelegate::showBoardOrigin()
{
    if (!_window)
        return;
    _window->setWindowTitle(windowTitleOf(gameModel().origin()));
}

bool AppDelegate::playBoardCode(const QString& code)
{
    const std::optional<DealOrigin> origin = m_game.boardOfCode(code);
    if (!origin)
        return false;
    replaceBoard(*origin);
    myPrintf("%s\n", qUtf8Printable(codeDealtSentence(*origin, wordListTag())));
    return true;
}

void AppDelegate::playDailyBoard()
{
    //: A menu item's name, in the sentence saying it needs a board the word list cannot make.
    if (!hasBoardFor(QT_TRANSLATE_NOOP("Game", "Daily Board")))
        return;
    const std::optional<DealOrigin> daily = m_game.todaysDailyBoard();
    if (!daily)
        return;
    replaceBoard(*daily);
    if (gameModel().board())
        m_game.sayDailyStanding(daily->dailyNumber);
}

void AppDelegate::giveHint()
{
    const auto* field = qobject_cast<const myTextField*>(QApplication::focusWidget());
    const std::optional<QPoint> at = field ? field->boardPosition() : std::nullopt;
    const Hint hint = m_game.hint(at ? std::optional(BoardCell {at->x(), at->y()}) : std::nullopt);
    // The cell reports the letter to the model and the keeper, as if typed.
    if (hint.cell && gGrid[hint.cell->x][hint.cell->y].field)
        gGrid[hint.cell->x][hint.cell->y].field->setText(hint.letter);
    if (!hint.said.isEmpty())
        announce(hint.said);
}

void AppDelegate::showDailyLine()
{
    if (m_dailyHistory == DailyHistory::Readable && m_game.needsDailyStanding())
        askDailyStanding();
    if (dailyLine) {
        dailyLine->setText(m_game.dailyLine());
        dailyLine->setAccessibleDescription(dailyLine->text());
    }
    m_dailyLineTimer->start(m_game.msUntilDailyLineChanges());
}

void AppDelegate::askDailyStanding()
{
    const bool isKept = m_roundBook || isHistoryKept();
    RoundBook* book = isKept ? roundBook() : nullptr;
    // One that cannot be loaded has been told of, and is not tried again for the line.
    if (isKept && !book) {
        m_dailyHistory = DailyHistory::Unreachable;
        return;
    }
    m_game.askDailyStanding(book, [this] { showDailyLine(); });
}

void AppDelegate::copyBoardCode()
{
    putOnClipboard(m_game.boardCodeToCopy());
}

void AppDelegate::copyResult()
{
    putOnClipboard(m_game.resultToCopy());
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
    showStatsText(statsField, QString::fromStdString(statsText(gCurrStats)));
    saveStats();
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

void AppDelegate::CheckAllWords(QObject* sender)
{
    //: A menu item's name, in the sentence saying it needs a board the word list cannot make.
    if (!hasBoardFor(QT_TRANSLATE_NOOP("Game", "Check All Words")))
        return;
    checkBoard(gameModel());
    showCheckedScore(sender);
    if (m_keeper)
        m_keeper->boardChanged();
}

// Submit's own check is told with the round, so only a check the player asked for is announced.
void AppDelegate::showCheckedScore(QObject* sender)
{
    setIntValue(theScore, gameModel().playerScore());
    //: %n of the board's %1 slots; %2 is the score.
    if (sender)
        announce(tr("Checked: %n of %1 slots are words, your score %2.", nullptr, gPuzzleStats.wordsMade).arg(kWordCount).arg(gPuzzleStats.roundScore));
}

void AppDelegate::GenerateNewPuzzle(QObject* /*sender*/)
{
    replaceBoard(randomDeal());
}

void AppDelegate::replaceBoard(const DealOrigin& origin)
{
    if (m_keeper)
        m_keeper->boardLeaving();
    takeBoardOffWindow();
    setIntValue(theScore, 0);
    dealBoard(origin);
    if (m_keeper)
        m_keeper->boardDealt();
    showBoardOrigin();
}

void AppDelegate::ChangeUser(QObject* /*sender*/)
{
    const NameChange change = changePlayer(newUserName->text());
    if (change.outcome == NameOutcome::Changed)
        updateStatsDisplay(), showDailyLine();
    if (change.outcome != NameOutcome::Ignored)
        myPrintf("%s\n", qUtf8Printable(change.sentence));
    if (change.outcome == NameOutcome::Changed)
        teachNewPlayer();
}

void AppDelegate::SubmitScore(QObject* /*sender*/)
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    const std::optional<Game::Question> question = m_game.questionBeforeSubmit(loadPreferences(settings).asksBeforeUnfinishedSubmit);
    if (!question)
        return submitBoard();
    askBeforeSubmit(_window.get(), *question, [this](bool stopAsking) {
        if (stopAsking) {
            QSettings settings(preferencesFilePath(), QSettings::IniFormat);
            Preferences preferences = loadPreferences(settings);
            preferences.asksBeforeUnfinishedSubmit = false;
            savePreferencesOrSay(preferences, &m_hasReportedUnsavedPreferences);
        }
        submitBoard();
    });
}

void AppDelegate::submitBoard()
{
    const std::optional<Game::Submission> round = m_game.submitBoard();
    if (!round)
        return;
    announce(roundSummary(round->yours, round->computers) + u' ' + round->computersWords + u' ' + tr("A new puzzle is dealt."));
    if (m_roundBook) // which the round went to
        askDailyStanding();
    if (roundOutcome) {
        roundOutcome->setText(round->outcome);
        qApp->installEventFilter(this);
    }
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == _window.get() && type == QEvent::ApplicationPaletteChange) {
        QSettings settings(preferencesFilePath(), QSettings::IniFormat);
        applyWordColours(loadPreferences(settings).wordColours);
    }
    // The line's first text, in a font nothing else shows at launch, and the history behind it
    // wait for the window's first paint, which is on screen when the next event is handled.
    if (watched == _window.get() && type == QEvent::Paint && m_dailyHistory == DailyHistory::AfterPaint) {
        m_dailyHistory = DailyHistory::Readable;
        QTimer::singleShot(0, this, &AppDelegate::showDailyLine);
    }
    if (roundOutcome && (type == QEvent::KeyPress || type == QEvent::ShortcutOverride || type == QEvent::MouseButtonPress)) {
        roundOutcome->clear();
        qApp->removeEventFilter(this);
    }
    return QObject::eventFilter(watched, event);
}

RoundBook* AppDelegate::roundBook()
{
    if (!m_roundBook)
        m_roundBook = loadGamesRoundBook();
    return m_roundBook.get();
}

void AppDelegate::showRoundReview()
{
    RoundBook* book = m_game.lastSubmitted() ? roundBook() : nullptr;
    if (book)
        book->showReview(*m_game.lastSubmitted(), window());
    else
        showReviewText(window(), m_game.lastReview());
}

void AppDelegate::showWords()
{
    if (!_window)
        return;
    if (!m_words) {
        QList<QAction*> offered;
        for (const char* name : {"actionCheckAllWords", "actionSubmit", "actionHint", "actionRoundReview"})
            offered << _window->findChild<QAction*>(QLatin1String(name));
        m_words = new WordView(_window.get(), offered);
    }
    m_words->present();
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
    ::showPreferences(_window.get(), &m_hasReportedUnsavedPreferences);
}

void AppDelegate::zoom(int direction)
{
    const int percent = direction == 0 ? kZoomSteps.front() : zoomStep(windowZoom(), direction);
    zoomWindow(_window.get(), percent);
    showZoomLimits();
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    Preferences preferences = loadPreferences(settings);
    if (preferences.zoomPercent == percent)
        return;
    preferences.zoomPercent = percent;
    savePreferencesOrSay(preferences, &m_hasReportedUnsavedPreferences);
}

// A step that would change nothing is greyed out.
void AppDelegate::showZoomLimits()
{
    for (const auto& [name, limit] : {std::pair("actionZoomIn", kZoomSteps.back()), std::pair("actionZoomOut", kZoomSteps.front()),
                                      std::pair("actionActualSize", kZoomSteps.front())}) {
        if (auto* action = _window ? _window->findChild<QAction*>(QLatin1String(name)) : nullptr)
            action->setEnabled(windowZoom() != limit);
    }
}
