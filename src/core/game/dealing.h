// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_code.h"
#include "core/board/word_selection.h"
#include "core/round/game_model.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

// What a board asked for comes to: where it is dealt from, or the sentence that says why
// none is.
struct DealChoice {
    std::optional<DealOrigin> origin;
    QString refusal;
};

// A board nobody chose: its seed from the system's entropy.
DealOrigin randomDeal();
// The board a code names; a code this word list cannot deal is refused in one sentence.
DealChoice dealFromCode(const QString& code, const WordListTag& list);
// The daily board of `today` (UTC). Daily #1 is the first: a day before it has none.
DealChoice dailyDeal(QDate today);

// Deals the board `origin` names into the game model, then `layOut` draws it from the model.
// When the word list cannot make one, the console says so, `clearShown` takes away what was
// drawn and the model holds no board. Returns whether a board was dealt.
bool dealBoard(const DealOrigin& origin, const std::function<void()>& layOut,
               const std::function<void()>& clearShown);

// What the console says once the board a code named is dealt.
QString codeDealtSentence(const DealOrigin& origin, const WordListTag& list);
// The window's title: it names the daily board while it is on show.
QString windowTitleOf(const std::optional<DealOrigin>& origin);
// How a shared result names its board: "Daily #12", or the board's code; empty for a board
// that came back from the kept one, which keeps no code.
QString boardNameOf(const std::optional<DealOrigin>& origin, const WordListTag& list);
