#include "app/app_delegate.h"

#include "app/app_log.h"
#include "app/help_texts.h"
#include "app/preferences_dialog.h"
#include "app/shortcut_help.h"
#include "board/board_layout.h"
#include "board/word_selection.h"
#include "cells/my_text_field.h"
#include "console/log_console.h"
#include "grid/grid.h"
#include "keep/kept_board_store.h"
#include "prefs/preferences.h"
#include "resume/board_keeper.h"
#include "scoring/puzzle_check.h"
#include "scoring/round_submission.h"
#include "stats/stats_persistence.h"
#include "stats/stats_text.h"
#include "stats/user_stats.h"
#include "window/console_view.h"
#include "window/named_font.h"
#include "window/text_field_values.h"
#include "window/window_handle.h"
#include "words/dictionary_check.h"
#include "words/word_list.h"
#include "ui_MainWindow.h"

#include <QLineEdit>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMainWindow>
#include <QSettings>

namespace {

const QString kConsoleFontFamily = QStringLiteral("Monaco");
constexpr qreal kConsoleFontPoints = 14.0;
const QString kStatsFontFamily = QStringLiteral("Geneva");
constexpr qreal kStatsFontPoints = 14.0;
constexpr int kLongestUserName = sizeof gUserName - 1;

} // namespace

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent)
    , _window(std::make_unique<QMainWindow>())
{
    Ui::MainWindow form;
    form.setupUi(_window.get());
    _window->setFixedSize(_window->sizeHint());
    takeOutlets(form);
    connectActions(form);
}

AppDelegate::~AppDelegate() = default;

QMainWindow* AppDelegate::window() const
{
    return _window.get();
}

void AppDelegate::setWindow(std::unique_ptr<QMainWindow> window)
{
    _window = std::move(window);
}

// The one place that reaches into the form: everything else goes through the outlets.
void AppDelegate::takeOutlets(const Ui::MainWindow& form)
{
    resultView = form.resultView;
    theWord = form.theWord;
    theScore = form.theScore;
    compScore = form.compScore;
    statsField = form.statsField;
    newUserName = form.newUserName;
}

// Pointer-to-member connections: a misspelt action does not compile, where a string-based
// connection from the form would only warn at run time and leave the button dead.
void AppDelegate::connectActions(const Ui::MainWindow& form)
{
    const auto bind = [this](QAbstractButton* button, void (AppDelegate::*action)(QObject*)) {
        connect(button, &QAbstractButton::clicked, this, [this, button, action] { (this->*action)(button); });
    };
    bind(form.checkWordButton, &AppDelegate::CheckWord);
    bind(form.checkAllWordsButton, &AppDelegate::CheckAllWords);
    bind(form.newPuzzleButton, &AppDelegate::GenerateNewPuzzle);
    bind(form.changeUserButton, &AppDelegate::ChangeUser);
    bind(form.submitButton, &AppDelegate::SubmitScore);

    const auto bindKey = [this](auto* source, auto signal, void (AppDelegate::*action)(QObject*)) {
        connect(source, signal, this, [this, source, action] { (this->*action)(source); });
    };
    bindKey(form.theWord, &QLineEdit::returnPressed, &AppDelegate::CheckWord);
    bindKey(form.newUserName, &QLineEdit::returnPressed, &AppDelegate::ChangeUser);
    bindKey(form.actionNewPuzzle, &QAction::triggered, &AppDelegate::GenerateNewPuzzle);
    bindKey(form.actionCheckAllWords, &QAction::triggered, &AppDelegate::CheckAllWords);
    bindKey(form.actionSubmit, &QAction::triggered, &AppDelegate::SubmitScore);
    connect(form.actionQuit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(form.actionHowToPlay, &QAction::triggered, this, [this] { showHelp(HelpPage::HowToPlay); });
    connect(form.actionAbout, &QAction::triggered, this, [this] { showHelp(HelpPage::About); });
    connect(form.actionKeyboardShortcuts, &QAction::triggered, this, [this] { showHelp(HelpPage::KeyboardShortcuts); });
    connect(form.actionResume, &QAction::triggered, this, &AppDelegate::resumePreviousBoard);
    form.actionPreferences->setShortcut(preferencesShortcut());
    connect(form.actionPreferences, &QAction::triggered, this, &AppDelegate::showPreferences);
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
    box->open();
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
    m_keeper = std::make_unique<BoardKeeper>(KeptBoardStore(KeptBoardStore::defaultFilePath()), window(), compScore, theScore);
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
        setIntValue(compScore, 0);
        clearBoard();
        return 1;
    }
    setIntValue(compScore, computerScore(*puzzle));
    layOutBoard(*puzzle, window());
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
    const QFont font = namedFont(kStatsFontFamily, kStatsFontPoints, QFont::SansSerif);
    const std::string text = statsText(gCurrStats);
    statsField->setFont(font);
    statsField->setText(QString::fromStdString(text));
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

void AppDelegate::CheckAllWords(QObject* /*sender*/)
{
    const int32_t roundTotal = checkBoardWords();
    setIntValue(theScore, roundTotal);
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
    if (m_keeper)
        m_keeper->boardSubmitted();
    CheckAllWords(nullptr);
    foldRoundIntoStats(intValue(compScore->text()));
    updateStatsDisplay();
    displayComputerWords();
    GenerateNewPuzzle(nullptr);
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
    connect(dialog, &QDialog::accepted, this, [dialog] {
        QSettings settings(preferencesFilePath(), QSettings::IniFormat);
        savePreferences(settings, dialog->chosen());
        applyWordColours(dialog->chosen().wordColours);
    });
    dialog->open();
}
