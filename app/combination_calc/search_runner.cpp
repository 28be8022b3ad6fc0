#include "combination_calc/search_runner.h"

#include <QtConcurrent/QtConcurrentRun>

namespace combination_calc
{

Found runSearch(const Query &query)
{
    Found found;
    found.divider = std::holds_alternative<combinations::DividerQuery>(query);
    try {
        if (found.divider)
            found.dividers = combinations::findDividers(std::get<combinations::DividerQuery>(query));
        else
            found.values = combinations::findCombinations(std::get<combinations::ValueQuery>(query));
    } catch (const std::exception &e) {
        // Shown in the window's status line; nothing leaves the search's thread.
        found.failure = QString::fromLocal8Bit(e.what());
    }
    return found;
}

SearchRunner::SearchRunner(QObject *parent) : QObject(parent)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPause);
    connect(&m_pause, &QTimer::timeout, this, [this] { start(); });
    connect(&m_watcher, &QFutureWatcher<Found>::finished, this, [this] { finished(); });
}

void SearchRunner::request(const Query &query)
{
    m_waiting = query;
    m_stale = m_watcher.isRunning();
    m_busy = true;
    m_pause.start();
}

void SearchRunner::cancel()
{
    m_pause.stop();
    m_waiting.reset();
    m_stale = m_watcher.isRunning();
    m_busy = false;
}

void SearchRunner::start()
{
    // One search at a time: a request made while one runs starts when it ends.
    if (!m_waiting || m_watcher.isRunning())
        return;
    const Query query = *m_waiting;
    m_waiting.reset();
    m_stale = false;
    m_watcher.setFuture(QtConcurrent::run([query] { return runSearch(query); }));
}

void SearchRunner::finished()
{
    const bool stale = m_stale;
    m_stale = false;
    if (m_waiting) {
        // Overtaken: the newer request starts at once if its pause is over.
        if (!m_pause.isActive())
            start();
        return;
    }
    if (stale)
        return;
    m_busy = false;
    Q_EMIT found(m_watcher.result());
}

} // namespace combination_calc
