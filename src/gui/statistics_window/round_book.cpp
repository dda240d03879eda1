// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/statistics_window/round_book.h"

#include "core/history/history_service.h"
#include "gui/statistics_window/round_review_dialog.h"
#include "gui/statistics_window/statistics_window.h"

#include <QPointer>

namespace {

class DatabaseRoundBook final : public RoundBook {
public:
    DatabaseRoundBook()
    {
        QObject::connect(&m_history, &HistoryService::roundsWritten, &m_history, [this] {
            for (StatisticsWindow* window : std::as_const(m_windows)) {
                if (window)
                    window->refresh();
            }
        });
        QObject::connect(&m_history, &HistoryService::said, &m_history, [this](const QString& message) {
            if (m_print)
                m_print(message);
        });
    }

    void recordRound(const RoundRecord& round) override { m_history.recordRound(round); }

    bool hasDailyResult(const QString& player, int number) override { return m_history.hasDailyResult(player, number); }

    void askDailyStanding(const QString& player, int today, std::function<void(const DailyStanding&)> done) override
    {
        m_history.askDailyStanding(&m_history, player, today, std::move(done));
    }

    void showStatistics(const QString& player, QWidget* parent) override
    {
        m_windows.removeAll(nullptr);
        StatisticsWindow* window = StatisticsWindow::showFor(m_history, player, parent);
        window->setReviewer(m_reviewer);
        m_windows.append(window);
    }

    void setConsole(std::function<void(const QString&)> print) override { m_print = std::move(print); }

    void setBestPossibleScorer(std::function<std::optional<int>(const RoundRecord&)> scorer) override
    {
        m_history.setBestPossibleScorer(std::move(scorer));
    }

    void setReviewer(RoundReviewer reviewer) override
    {
        m_reviewer = std::move(reviewer);
        for (StatisticsWindow* window : std::as_const(m_windows)) {
            if (window)
                window->setReviewer(m_reviewer);
        }
    }

    void showReview(const RoundRecord& round, QWidget* parent) override { RoundReviewDialog::showFor(round, m_reviewer, parent); }

private:
    std::function<void(const QString&)> m_print;
    HistoryService m_history;
    RoundReviewer m_reviewer;
    // The open windows, which show each round as it is added.
    QList<QPointer<StatisticsWindow>> m_windows;
};

} // namespace

RoundBook* sixfoldNewRoundBook()
{
    return new DatabaseRoundBook;
}
