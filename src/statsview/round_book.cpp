// SPDX-License-Identifier: GPL-3.0-or-later
#include "statsview/round_book.h"

#include "history/history_database.h"
#include "statsview/statistics_window.h"

namespace {

class DatabaseRoundBook final : public RoundBook {
public:
    QString recordRound(const RoundRecord& round) override { return m_history.recordRound(round).message; }

    QString showStatistics(const QString& player, QWidget* parent) override
    {
        return StatisticsWindow::showFor(m_history, player, parent);
    }

    void setBestPossibleScorer(std::function<std::optional<int>(const RoundRecord&)> scorer) override
    {
        m_history.setBestPossibleScorer(std::move(scorer));
    }

private:
    HistoryDatabase m_history;
};

} // namespace

RoundBook* sixfoldNewRoundBook()
{
    return new DatabaseRoundBook;
}
