// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/statistics_window/round_review_dialog.h"

#include "gui/look/board_palette.h"
#include "core/preferences/preferences.h"
#include "gui/statistics_window/round_board_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSettings>
#include <QVBoxLayout>

RoundReviewDialog::RoundReviewDialog(const RoundRecord& round, const std::optional<RoundReview>& review, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("roundReview"));
    setWindowTitle(tr("Round Review"));
    auto* boards = new RoundBoardView;
    boards->setAccessibleName(tr("Round board"));
    boards->setRound(round);
    if (review)
        boards->setBestWords(review->bestWords);
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    boards->setColours(boardPalette(loadPreferences(settings).wordColours, isDarkDesktop(palette())));
    auto* text = new QLabel(review ? review->text : boards->accessibleDescription());
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The text is read with the dialog as its label; a description of the dialog too would
    // have it said twice.
    text->setObjectName(QStringLiteral("reviewText"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(boards, 0, Qt::AlignHCenter);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

RoundReviewDialog* RoundReviewDialog::showFor(const RoundRecord& round, const RoundReviewer& reviewer, QWidget* parent)
{
    auto* dialog = new RoundReviewDialog(round, reviewer ? std::optional(reviewer(round)) : std::nullopt, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(false);
    dialog->show();
    return dialog;
}
