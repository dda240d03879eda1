// SPDX-License-Identifier: GPL-3.0-or-later
#include "keep/board_document.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <set>

namespace {

constexpr int kWordLength = 6;
constexpr int kDocumentVersion = 1;

const QString kVersionKey = QStringLiteral("version");
const QString kWordsKey = QStringLiteral("words");
const QString kTypedKey = QStringLiteral("typed");
const QString kComputerScoreKey = QStringLiteral("computerScore");
const QString kPlayerScoreKey = QStringLiteral("playerScore");
const QString kLettersKey = QStringLiteral("letters");
const QString kXKey = QStringLiteral("x");
const QString kYKey = QStringLiteral("y");
const QString kAcrossKey = QStringLiteral("across");
const QString kLetterKey = QStringLiteral("letter");
const QString kVerdictKey = QStringLiteral("verdict");
const QString kIdKey = QStringLiteral("id");

// An identity is one line of the record of submitted boards, and short.
bool isIdentity(const QString& id)
{
    return !id.isEmpty() && id.size() <= 64 && std::all_of(id.begin(), id.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-';
    });
}

QString verdictName(CellVerdict verdict)
{
    switch (verdict) {
    case CellVerdict::Word:
        return QStringLiteral("word");
    case CellVerdict::NotWord:
        return QStringLiteral("not a word");
    case CellVerdict::None:
        break;
    }
    return QStringLiteral("unchecked");
}

std::optional<CellVerdict> verdictNamed(const QString& name)
{
    for (CellVerdict verdict : {CellVerdict::None, CellVerdict::Word, CellVerdict::NotWord}) {
        if (verdictName(verdict) == name)
            return verdict;
    }
    return std::nullopt;
}

// A whole number in [low, high], or nothing: JSON numbers are doubles, and 2.5 or 1e9 is no cell.
std::optional<int> intIn(const QJsonValue& value, int low, int high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < low || number > high || number != static_cast<int>(number))
        return std::nullopt;
    return static_cast<int>(number);
}

bool isWordText(const QString& letters)
{
    return letters.size() == kWordLength
        && std::all_of(letters.begin(), letters.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}

QChar letterAt(const PlacedWord& word, int x, int y)
{
    return word.letters.at(word.isAcross ? x - word.x : y - word.y);
}

bool covers(const PlacedWord& word, int x, int y)
{
    if (word.isAcross)
        return y == word.y && x >= word.x && x < word.x + kWordLength;
    return x == word.x && y >= word.y && y < word.y + kWordLength;
}

// The five words must lie as a dealt board lays them: word 0 across from the corner, each
// next word starting or crossing where the one before says, the crossing letters agreeing.
QString chainFault(const std::array<PlacedWord, 5>& w)
{
    constexpr bool across[5] = {true, false, true, false, true};
    for (int i = 0; i < 5; ++i) {
        if (w[i].isAcross != across[i])
            return QStringLiteral("word %1 runs the wrong way").arg(i + 1);
    }
    const int v = w[1].x;
    const int x3 = w[2].x + kWordLength - 1;
    const bool placed = w[0].x == 0 && w[0].y == 0 && v <= kWordLength - 1 && w[1].y == 0
        && w[2].y == 3 && v - w[2].x >= 0 && v - w[2].x <= 4
        && w[3].x == x3 && w[3].y == 3
        && w[4].y == 8 && x3 - w[4].x >= 0 && x3 - w[4].x <= kWordLength - 1;
    if (!placed)
        return QStringLiteral("the words do not chain across the board");
    for (const auto& [x, y] : {std::pair {v, 0}, {v, 3}, {x3, 3}, {x3, 8}}) {
        QChar shared;
        for (const PlacedWord& word : w) {
            if (!covers(word, x, y))
                continue;
            if (!shared.isNull() && letterAt(word, x, y) != shared)
                return QStringLiteral("two words disagree at column %1, row %2").arg(x + 1).arg(y + 1);
            shared = letterAt(word, x, y);
        }
    }
    return {};
}

} // namespace

QString boardIdentity(const BoardDocument& board)
{
    if (!board.id.isEmpty())
        return board.id;
    QStringList parts;
    for (const PlacedWord& word : board.words)
        parts << QStringLiteral("%1.%2.%3").arg(word.letters).arg(word.x).arg(word.y);
    return parts.join(u'-');
}

std::vector<std::pair<int, int>> crossingCells(const BoardDocument& board)
{
    const int v = board.words[1].x;
    const int x3 = board.words[3].x;
    return {{v, 0}, {v, 3}, {x3, 3}, {x3, 8}};
}

QByteArray writeBoardDocument(const BoardDocument& board)
{
    QJsonArray words;
    for (const PlacedWord& word : board.words) {
        words.append(QJsonObject {{kLettersKey, word.letters}, {kXKey, word.x}, {kYKey, word.y},
                                  {kAcrossKey, word.isAcross}});
    }
    QJsonArray typed;
    for (const TypedCell& cell : board.typed) {
        typed.append(QJsonObject {{kXKey, cell.x}, {kYKey, cell.y}, {kLetterKey, cell.letter},
                                  {kVerdictKey, verdictName(cell.verdict)}});
    }
    QJsonObject root {{kVersionKey, kDocumentVersion}, {kWordsKey, words}, {kTypedKey, typed},
                      {kComputerScoreKey, board.computerScore}, {kPlayerScoreKey, board.playerScore}};
    if (!board.id.isEmpty())
        root.insert(kIdKey, board.id);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<BoardDocument> readBoardDocument(const QByteArray& bytes, QString* error)
{
    const auto fail = [error](const QString& reason) -> std::optional<BoardDocument> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("not JSON (%1 at byte %2)").arg(parseError.errorString()).arg(parseError.offset));
    if (!json.isObject())
        return fail(QStringLiteral("not a JSON object"));
    const QJsonObject root = json.object();
    if (intIn(root.value(kVersionKey), kDocumentVersion, kDocumentVersion) != kDocumentVersion)
        return fail(QStringLiteral("an unknown version"));

    BoardDocument board;
    if (root.contains(kIdKey)) {
        board.id = root.value(kIdKey).toString();
        if (!isIdentity(board.id))
            return fail(QStringLiteral("an identity that is not one"));
    }
    const QJsonArray words = root.value(kWordsKey).toArray();
    if (words.size() != 5)
        return fail(QStringLiteral("not five words"));
    for (int i = 0; i < 5; ++i) {
        const QJsonObject word = words.at(i).toObject();
        const auto x = intIn(word.value(kXKey), 0, 19);
        const auto y = intIn(word.value(kYKey), 0, 19);
        const QString letters = word.value(kLettersKey).toString();
        if (!x || !y || !word.value(kAcrossKey).isBool() || !isWordText(letters))
            return fail(QStringLiteral("word %1 is not six letters on the board").arg(i + 1));
        board.words[i] = {letters, *x, *y, word.value(kAcrossKey).toBool()};
    }
    if (const QString fault = chainFault(board.words); !fault.isEmpty())
        return fail(fault);

    const auto crossings = crossingCells(board);
    std::set<std::pair<int, int>> seen;
    for (const QJsonValue& value : root.value(kTypedKey).toArray()) {
        const QJsonObject cell = value.toObject();
        const auto x = intIn(cell.value(kXKey), 0, 19);
        const auto y = intIn(cell.value(kYKey), 0, 19);
        const QString letter = cell.value(kLetterKey).toString();
        const auto verdict = verdictNamed(cell.value(kVerdictKey).toString());
        const bool onBlankCell = x && y
            && std::any_of(board.words.begin(), board.words.end(), [&](const PlacedWord& w) { return covers(w, *x, *y); })
            && std::find(crossings.begin(), crossings.end(), std::pair {*x, *y}) == crossings.end();
        if (!onBlankCell || !seen.insert({*x, *y}).second)
            return fail(QStringLiteral("a typed letter is not on a blank cell of its own"));
        if (letter.isEmpty() || letter.size() > 2 || !verdict)
            return fail(QStringLiteral("a typed letter is not one character with a verdict"));
        board.typed.push_back({*x, *y, letter, *verdict});
    }
    const auto computer = intIn(root.value(kComputerScoreKey), 0, 1'000'000);
    const auto player = intIn(root.value(kPlayerScoreKey), 0, 1'000'000);
    if (!computer || !player)
        return fail(QStringLiteral("a score is missing or out of range"));
    board.computerScore = *computer;
    board.playerScore = *player;
    return board;
}
