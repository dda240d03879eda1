// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/round/round_archive.h"
#include "core/round/round_review.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

class QWidget;

// The history of rounds and the window that shows it, as the game reaches them: through the
// module sixfold-statistics, loaded at the first round or the first look at the statistics,
// so that Qt SQL and Qt Charts are not even loaded before then. The database behind it is
// opened at its first use.
class RoundBook : public RoundArchive {
public:
    // Opens the statistics window of `player` over `parent`.
    virtual void showStatistics(const QString& player, QWidget* parent) = 0;

    // Where what the history has to say goes, a line at a time, whenever it comes.
    virtual void setConsole(std::function<void(const QString&)> print) = 0;

    // How a round kept without its best possible score gets one, once, when first shown.
    virtual void setBestPossibleScorer(std::function<std::optional<int>(const RoundRecord&)> scorer) = 0;

    // How a round's review learns the best words, for the last round and for any round the
    // statistics window reviews. Without one the review shows the two boards and no text.
    virtual void setReviewer(RoundReviewer reviewer) = 0;

    // Opens the review of `round` over `parent`: its board redrawn three ways and in words.
    virtual void showReview(const RoundRecord& round, QWidget* parent) = 0;
};

// The module's one entry point: a new book over the standard history file. The caller owns it.
extern "C" Q_DECL_EXPORT RoundBook* sixfoldNewRoundBook();
inline constexpr char kNewRoundBookSymbol[] = "sixfoldNewRoundBook";
