// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/kept_board/board_document.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <set>

namespace {

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
const QString kHintsKey = QStringLiteral("hints");

// An identity is one line of the record of submitted boards, and short.
bool isIdentity(const QString& id)
{
    return !id.isEmpty() && id.size() <= 64 && std::all_of(id.begin(), id.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-';
    });
}

QString verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Word:
        return QStringLiteral("word");
    case Verdict::NotWord:
        return QStringLiteral("not a word");
    case Verdict::Unchecked:
        break;
    }
    return QStringLiteral("unchecked");
}

std::optional<Verdict> verdictNamed(const QString& name)
{
    for (Verdict verdict : {Verdict::Unchecked, Verdict::Word, Verdict::NotWord}) {
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

// A cell holds one character, which may take two UTF-16 units.
std::optional<char32_t> oneCharacter(const QString& letter)
{
    if (letter.size() == 1 && !letter[0].isSurrogate())
        return letter[0].unicode();
    if (letter.size() == 2 && letter[0].isHighSurrogate() && letter[1].isLowSurrogate())
        return QChar::surrogateToUcs4(letter[0], letter[1]);
    return std::nullopt;
}

// A letter is printed on the console and standard output as it is, so none may break or turn
// the line it is printed on: no control character, line or paragraph separator, bidirectional
// mark or override. Invisible joiners stay, since some scripts are typed with them.
bool breaksItsLine(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line || category == QChar::Separator_Paragraph
        || (category == QChar::Other_Format && QChar::direction(c) != QChar::DirBN);
}

// The five words must lie as a dealt board lays them, the crossing letters agreeing.
QString chainFault(const BoardState& board)
{
    const ChainPlacements places = placementsOf(board);
    for (int i = 0; i < kWordCount; ++i) {
        if (places[i].direction != (i % 2 == 0 ? Direction::Across : Direction::Down))
            return QCoreApplication::translate("KeptBoard", "word %1 runs the wrong way").arg(i + 1);
    }
    const std::optional<ChainCrossings> chain = chainOf(places);
    if (!chain)
        return QCoreApplication::translate("KeptBoard", "the words do not chain across the board");
    const auto crossings = crossingCells(*chain);
    for (int i = 0; i < kCrossingCount; ++i) {
        const BoardCell cell = crossings[i];
        if (board.words[i].letters.at(places[i].indexOf(cell)) != board.words[i + 1].letters.at(places[i + 1].indexOf(cell)))
            return QCoreApplication::translate("KeptBoard", "two words disagree at column %1, row %2").arg(cell.x + 1).arg(cell.y + 1);
    }
    return {};
}

} // namespace

QString boardIdentity(const BoardState& board)
{
    if (!board.id.isEmpty())
        return board.id;
    QStringList parts;
    for (const PlacedWord& word : board.words)
        parts << QStringLiteral("%1.%2.%3").arg(word.letters).arg(word.place.start.x).arg(word.place.start.y);
    return parts.join(u'-');
}

QByteArray writeBoardDocument(const BoardState& board)
{
    QJsonArray words;
    for (const PlacedWord& word : board.words) {
        words.append(QJsonObject {{kLettersKey, word.letters}, {kXKey, word.place.start.x}, {kYKey, word.place.start.y},
                                  {kAcrossKey, word.place.direction == Direction::Across}});
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
    // Written only once a hint is taken, so a board played without one keeps the document as it was.
    if (board.hints > 0)
        root.insert(kHintsKey, board.hints);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<BoardState> readBoardDocument(const QByteArray& bytes, QString* error)
{
    const auto fail = [error](const QString& reason) -> std::optional<BoardState> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QCoreApplication::translate("KeptBoard", "not JSON (%1 at byte %2)").arg(parseError.errorString()).arg(parseError.offset));
    if (!json.isObject())
        return fail(QCoreApplication::translate("KeptBoard", "not a JSON object"));
    const QJsonObject root = json.object();
    if (intIn(root.value(kVersionKey), kDocumentVersion, kDocumentVersion) != kDocumentVersion)
        return fail(QCoreApplication::translate("KeptBoard", "an unknown version"));

    BoardState board;
    if (root.contains(kIdKey)) {
        board.id = root.value(kIdKey).toString();
        if (!isIdentity(board.id))
            return fail(QCoreApplication::translate("KeptBoard", "an identity that is not one"));
    }
    const QJsonArray words = root.value(kWordsKey).toArray();
    if (words.size() != kWordCount)
        return fail(QCoreApplication::translate("KeptBoard", "not five words"));
    for (int i = 0; i < kWordCount; ++i) {
        const QJsonObject word = words.at(i).toObject();
        const auto x = intIn(word.value(kXKey), 0, kBoardSize - 1);
        const auto y = intIn(word.value(kYKey), 0, kBoardSize - 1);
        const QString letters = word.value(kLettersKey).toString();
        if (!x || !y || !word.value(kAcrossKey).isBool() || !isWordText(letters))
            return fail(QCoreApplication::translate("KeptBoard", "word %1 is not six letters on the board").arg(i + 1));
        board.words[i] = {letters, {{*x, *y}, word.value(kAcrossKey).toBool() ? Direction::Across : Direction::Down}};
    }
    if (const QString fault = chainFault(board); !fault.isEmpty())
        return fail(fault);

    const auto crossings = crossingCells(board);
    std::set<BoardCell> seen;
    for (const QJsonValue& value : root.value(kTypedKey).toArray()) {
        const QJsonObject cell = value.toObject();
        const auto x = intIn(cell.value(kXKey), 0, kBoardSize - 1);
        const auto y = intIn(cell.value(kYKey), 0, kBoardSize - 1);
        const QString letter = cell.value(kLetterKey).toString();
        const auto verdict = verdictNamed(cell.value(kVerdictKey).toString());
        const BoardCell at {x.value_or(-1), y.value_or(-1)};
        const bool onBlankCell = x && y
            && std::any_of(board.words.begin(), board.words.end(), [&](const PlacedWord& w) { return w.place.covers(at); })
            && std::find(crossings.begin(), crossings.end(), at) == crossings.end();
        if (!onBlankCell || !seen.insert(at).second)
            return fail(QCoreApplication::translate("KeptBoard", "a typed letter is not on a blank cell of its own"));
        const std::optional<char32_t> character = oneCharacter(letter);
        if (!character || !verdict)
            return fail(QCoreApplication::translate("KeptBoard", "a typed letter is not one character with a verdict"));
        if (breaksItsLine(*character))
            return fail(QCoreApplication::translate("KeptBoard", "a typed letter is a control character or a direction mark"));
        board.typed.push_back({*x, *y, letter, *verdict});
    }
    const auto computer = intIn(root.value(kComputerScoreKey), 0, 1'000'000);
    const auto player = intIn(root.value(kPlayerScoreKey), 0, 1'000'000);
    if (!computer || !player)
        return fail(QCoreApplication::translate("KeptBoard", "a score is missing or out of range"));
    board.computerScore = *computer;
    board.playerScore = *player;
    // A count that cannot be read costs the count, never the board.
    board.hints = intIn(root.value(kHintsKey), 0, 1'000'000).value_or(0);
    return board;
}
