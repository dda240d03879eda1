// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/word_list.h"

#include "core/platform/log_console.h"
#include "core/board/board_code.h"
#include "core/platform/resources.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>

#include <cstdio>
#include <cstring>

char gSixWords[kSixWordRows][kSixWordRowSize];
int32_t gSixListMax = 1;
std::unique_ptr<QByteArray> gWordList;

namespace {

constexpr char kLineFeed = 10;
constexpr int kLettersPerRow = kSixWordRowSize - 1;

bool isWordCharacter(char byte)
{
    return static_cast<signed char>(byte) > 32;
}

// Splits the file in one pass straight into the table. A line that will not fit its row
// is dropped whole, its row cleared for the next line, so no row is ever written past its
// seven bytes and no word is ever cut.
class SixWordTableWriter {
public:
    // A line of at most six word characters, nearly every line of the list, is copied into
    // its row as it is read; any other line is gone through again letter by letter.
    void write(const QByteArray& bytes)
    {
        const char* next = bytes.constData();
        const char* const end = next + bytes.size();
        while (next != end) {
            if (!tableIsFull()) {
                char* const row = gSixWords[m_row];
                int length = 0;
                while (length < kLettersPerRow && next + length != end && isWordCharacter(next[length])) {
                    row[length] = next[length];
                    ++length;
                }
                if (next + length != end && next[length] == kLineFeed) {
                    row[length] = 0;
                    ++m_row;
                    next += length + 1;
                    continue;
                }
            }
            for (; next != end && *next != kLineFeed; ++next) {
                if (isWordCharacter(*next))
                    addLetter(*next);
            }
            if (next != end) {
                endLine();
                ++next;
            }
        }
        gSixListMax = m_row;
    }

    void reportDroppedLines() const
    {
        if (m_overLongLines > 0)
            printMessage(QCoreApplication::translate("WordList", "The word list has %n line(s) longer than six letters; they were skipped.\n",
                                                     nullptr, m_overLongLines));
        if (m_linesPastCapacity > 0)
            printMessage(QCoreApplication::translate("WordList", "The word list holds more than %1 words; %n line(s) were not stored.\n",
                                                     nullptr, m_linesPastCapacity)
                             .arg(kSixWordRows - 1));
    }

private:
    bool tableIsFull() const { return m_row >= kSixWordRows; }

    void addLetter(char byte)
    {
        if (tableIsFull() || m_lineTooLong)
            return;
        if (m_column == kLettersPerRow) {
            m_lineTooLong = true;
            std::memset(gSixWords[m_row], 0, kSixWordRowSize);
            return;
        }
        gSixWords[m_row][m_column++] = byte;
    }

    // Only a line feed makes a line: an over-long fragment after the last one is no part
    // of the list, so it is not reported either.
    void endLine()
    {
        if (tableIsFull())
            ++m_linesPastCapacity;
        else if (m_lineTooLong)
            ++m_overLongLines;
        else
            gSixWords[m_row++][m_column] = 0;
        m_column = 0;
        m_lineTooLong = false;
    }

    int m_row = 1;
    int m_column = 0;
    bool m_lineTooLong = false;
    int m_overLongLines = 0;
    int m_linesPastCapacity = 0;
};

// The file the player is told to mend.
QString wordFilePath(const char* name)
{
    return QDir::toNativeSeparators(QDir(resourceDirectory()).filePath(QString::fromLatin1(name) + QStringLiteral(".txt")));
}

// Replaces gWordList with the resource's bytes; null, having said why, when the file is missing or unreadable.
const QByteArray* readWordFile(const char* name)
{
    const auto path = pathForResource(QString::fromLatin1(name), QStringLiteral("txt"));
    QString fault;
    auto bytes = path ? readWholeFile(*path, &fault) : std::nullopt;
    gWordList = bytes ? std::make_unique<QByteArray>(std::move(*bytes)) : nullptr;
    if (!gWordList) {
        printMessage(QCoreApplication::translate("WordList", "Null list.\n"));
        printMessage(path ? QCoreApplication::translate("WordList", "The word list %1 cannot be read (%2).\n").arg(wordFilePath(name), fault)
                          : QCoreApplication::translate("WordList", "The word list %1 is missing.\n").arg(wordFilePath(name)));
    }
    return gWordList.get();
}

bool holdsASixLetterWord()
{
    for (int row = 1; row < gSixListMax; ++row) {
        if (std::strlen(gSixWords[row]) == kLettersPerRow)
            return true;
    }
    return false;
}

} // namespace

void loadSixWordList()
{
    const QByteArray* bytes = readWordFile("SixLetterWords");
    if (!bytes)
        return;
    storeSixWordList(*bytes);
    if (!holdsASixLetterWord())
        printMessage((bytes->trimmed().isEmpty() ? QCoreApplication::translate("WordList", "The word list %1 is empty.\n")
                                                 : QCoreApplication::translate("WordList", "The word list %1 holds no six-letter word.\n"))
                         .arg(wordFilePath("SixLetterWords")));
}

void storeSixWordList(const QByteArray& bytes)
{
    SixWordTableWriter writer;
    writer.write(bytes);
    writer.reportDroppedLines();
}

WordListTag wordListTag()
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int row = 1; row < gSixListMax && row < kSixWordRows; ++row) {
        hash.addData(QByteArrayView(gSixWords[row], static_cast<qsizetype>(std::strlen(gSixWords[row]))));
        hash.addData(QByteArrayView("\n", 1));
    }
    const QByteArray digest = hash.result();
    WordListTag tag;
    for (int i = 0; i < 8; ++i)
        tag.hash = tag.hash << 8 | static_cast<uint8_t>(digest.at(i));
    // The words one a line are the file's bytes when it is as shipped.
    tag.isShipped = digest.toHex() == QByteArrayLiteral(SIXFOLD_SHIPPED_WORD_LIST_SHA256);
    return tag;
}

void loadWordList()
{
    readWordFile("words_alpha");
}

void createNewList()
{
    for (int row = 1; row < gSixListMax; ++row)
        std::printf("%s\n", gSixWords[row]);
}
