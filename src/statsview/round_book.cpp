// SPDX-License-Identifier: GPL-3.0-or-later
#include "statsview/round_book.h"

#include "history/history_database.h"
#include "statsview/statistics_window.h"

#include <QPointer>

namespace {

class DatabaseRoundBook final : public RoundBook {
public:
    QString recordRound(const RoundRecord& round) override
    {
        const QString message = m_history.recordRound(round).message;
        for (StatisticsWindow* window : std::as_const(m_windows)) {
            if (window)
                window->refresh();
        }
        return message;
    }

    bool hasDailyResult(const QString& player, int number) override { return m_history.hasDailyResult(player, number); }

    QString showStatistics(const QString& player, QWidget* parent) override
    {
        m_windows.removeAll(nullptr);
        StatisticsWindow* window = StatisticsWindow::showFor(m_history, player, parent);
        m_windows.append(window);
        return window->failureMessage();
    }

    void setBestPossibleScorer(std::function<std::optional<int>(const RoundRecord&)> scorer) override
    {
        m_history.setBestPossibleScorer(std::move(scorer));
    }

private:
    HistoryDatabase m_history;
    // The open windows, which show each round as it is added.
    QList<QPointer<StatisticsWindow>> m_windows;
};

} // namespace

RoundBook* sixfoldNewRoundBook()
{
    return new DatabaseRoundBook;
}
