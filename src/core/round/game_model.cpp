// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/game_model.h"

#include <algorithm>

void GameModel::deal(const std::array<QString, kWordCount>& words, const ChainCrossings& chain)
{
    const ChainPlacements places = placeChain(chain);
    BoardState board;
    for (int i = 0; i < kWordCount; ++i)
        board.words[i] = {words[i].toLower(), places[i]};
    board.computerScore = computerScoreOf(board);
    m_board = std::move(board);
    m_origin.reset();
    m_wordVerdicts = {};
    forgetPoints();
    tellSlots();
}

void GameModel::show(BoardState board)
{
    board.computerScore = computerScoreOf(board);
    m_board = std::move(board);
    m_origin.reset();
    recallWordVerdicts();
    forgetPoints();
    tellSlots();
}

// A kept board keeps its typed letters' verdicts, not its words': a word's verdict is the one
// all its typed letters share.
void GameModel::recallWordVerdicts()
{
    for (int i = 0; i < kWordCount; ++i) {
        std::optional<Verdict> shared;
        bool agree = true;
        for (int k = 0; k < kWordLength; ++k) {
            const TypedCell* typed = typedAt(m_board->words[i].place.cell(k));
            if (!typed)
                continue;
            agree = agree && shared.value_or(typed->verdict) == typed->verdict;
            shared = typed->verdict;
        }
        m_wordVerdicts[i] = agree ? shared.value_or(Verdict::Unchecked) : Verdict::Unchecked;
    }
}

void GameModel::countHint()
{
    if (m_board)
        ++m_board->hints;
}

void GameModel::clear()
{
    m_board.reset();
    m_origin.reset();
    m_wordVerdicts = {};
    forgetPoints();
    tellSlots();
}

void GameModel::tellSlots() const
{
    if (m_slotsListener)
        m_slotsListener();
}

void GameModel::forgetPoints()
{
    m_points = {};
    if (m_pointsListener)
        m_pointsListener();
}

std::optional<int> GameModel::pointsOf(int word) const
{
    return word >= 0 && word < kWordCount ? m_points[word] : std::nullopt;
}

bool GameModel::isFixed(BoardCell cell) const
{
    if (!m_board)
        return false;
    const std::vector<BoardCell> crossings = crossingCells(*m_board);
    return std::find(crossings.begin(), crossings.end(), cell) != crossings.end();
}

TypedCell* GameModel::typedAt(BoardCell cell)
{
    return const_cast<TypedCell*>(std::as_const(*this).typedAt(cell));
}

const TypedCell* GameModel::typedAt(BoardCell cell) const
{
    if (!m_board)
        return nullptr;
    const auto found = std::find_if(m_board->typed.begin(), m_board->typed.end(),
                                    [cell](const TypedCell& typed) { return typed.x == cell.x && typed.y == cell.y; });
    return found == m_board->typed.end() ? nullptr : &*found;
}

void GameModel::setLetter(BoardCell cell, const QString& letter)
{
    if (!m_board || isFixed(cell)
        || std::none_of(m_board->words.begin(), m_board->words.end(), [cell](const PlacedWord& w) { return w.place.covers(cell); }))
        return;
    std::vector<TypedCell>& typed = m_board->typed;
    typed.erase(std::remove_if(typed.begin(), typed.end(), [cell](const TypedCell& t) { return t.x == cell.x && t.y == cell.y; }),
                typed.end());
    if (!letter.isEmpty())
        typed.push_back({cell.x, cell.y, letter, Verdict::Unchecked});
    bool forgot = false;
    for (int i = 0; i < kWordCount; ++i) {
        if (!m_board->words[i].place.covers(cell))
            continue;
        m_wordVerdicts[i] = Verdict::Unchecked;
        if (m_points[i])
            m_points[i].reset(), forgot = true;
    }
    if (forgot && m_pointsListener)
        m_pointsListener();
    tellSlots();
}

QString GameModel::letterAt(BoardCell cell) const
{
    if (const TypedCell* typed = typedAt(cell))
        return typed->letter;
    if (!isFixed(cell))
        return {};
    for (const PlacedWord& word : m_board->words) {
        if (const int index = word.place.indexOf(cell); index >= 0)
            return word.letters.mid(index, 1).toUpper();
    }
    return {};
}

int GameModel::unfinishedWords() const
{
    if (!m_board)
        return 0;
    return static_cast<int>(std::count_if(m_board->words.begin(), m_board->words.end(), [this](const PlacedWord& word) {
        for (int k = 0; k < kWordLength; ++k) {
            if (letterAt(word.place.cell(k)).isEmpty())
                return true;
        }
        return false;
    }));
}

Verdict GameModel::wordVerdict(int word) const
{
    return word >= 0 && word < kWordCount ? m_wordVerdicts[word] : Verdict::Unchecked;
}

Verdict GameModel::wordVerdictAt(BoardCell cell) const
{
    if (!m_board || isFixed(cell))
        return Verdict::Unchecked;
    for (int i = 0; i < kWordCount; ++i) {
        if (m_board->words[i].place.covers(cell))
            return m_wordVerdicts[i];
    }
    return Verdict::Unchecked;
}

Verdict GameModel::verdictAt(BoardCell cell) const
{
    const TypedCell* typed = typedAt(cell);
    return typed ? typed->verdict : Verdict::Unchecked;
}

void GameModel::applyCheck(const std::array<bool, kWordCount>& isWord, const std::array<int, kWordCount>& points, int playerScore)
{
    if (!m_board)
        return;
    for (TypedCell& typed : m_board->typed) {
        for (int i = 0; i < kWordCount; ++i) {
            if (m_board->words[i].place.covers({typed.x, typed.y}))
                typed.verdict = isWord[i] ? Verdict::Word : Verdict::NotWord;
        }
    }
    m_board->playerScore = playerScore;
    for (int i = 0; i < kWordCount; ++i) {
        m_points[i] = isWord[i] ? points[i] : 0;
        m_wordVerdicts[i] = isWord[i] ? Verdict::Word : Verdict::NotWord;
    }
    if (m_pointsListener)
        m_pointsListener();
    tellSlots();
}

void GameModel::setPlayerScore(int score)
{
    if (m_board)
        m_board->playerScore = score;
}

GameModel& gameModel()
{
    static GameModel model;
    return model;
}
