// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/statistics_window/round_book.h"

#include <QDialog>

// A round's review: its board drawn as the player left it, with the computer's words and
// with the best words, and the review in words beneath, which is also what a screen reader
// is told of it.
class RoundReviewDialog : public QDialog {
    Q_OBJECT
public:
    RoundReviewDialog(const RoundRecord& round, const std::optional<RoundReview>& review, QWidget* parent = nullptr);

    // Opens a review that deletes itself when closed, without blocking the window behind it.
    static RoundReviewDialog* showFor(const RoundRecord& round, const RoundReviewer& reviewer, QWidget* parent);
};
