// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_code.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

inline constexpr int kSixWordRows = 12875;
inline constexpr int kSixWordRowSize = 7; // six letters and a NUL

// The puzzle's word table: row 0 always empty, the words in rows 1 .. gSixListMax - 1 in
// file order. Filled by loadSixWordList at launch, read-only for the rest of the run.
extern char gSixWords[kSixWordRows][kSixWordRowSize];
// One past the last word's row; 1 while the list is empty.
extern int32_t gSixListMax;
// The bytes of the word file read last, kept until the next load replaces them.
extern std::unique_ptr<QByteArray> gWordList;

// Reads the resource "SixLetterWords.txt" into gSixWords: one word per line, every byte
// at or below 32 (and every byte from 128 up) skipped. A line longer than six letters is
// not stored, and lines past the table's capacity are dropped; each is reported once per
// load on the console. A missing file gives "Null list." and leaves the table as it was. A line
// names the file and what is wrong with it when it is missing, unreadable, empty or holds no
// six-letter word.
void loadSixWordList();

// Splits `bytes` into gSixWords as loadSixWordList does with the file's contents, and
// reports the lines it could not store.
void storeSixWordList(const QByteArray& bytes);

// The SHA-256 of the table's words (one per line), which every board code carries in part: a
// code dealt from another list is refused instead of dealing a different board.
WordListTag wordListTag();

// Reads the resource "words_alpha.txt" into gWordList only.
void loadWordList();

// Writes every word of the list to standard output, one per line.
void createNewList();
