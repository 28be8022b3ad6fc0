#pragma once

// Runs the searches of the Combinations window off the window's thread, so that typing never
// waits for one. A request is held back until the typing pauses; at most one search runs at a
// time; a search that a newer request has overtaken is not shown.

#include "combinations/combinations.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>
#include <variant>
#include <vector>

namespace combination_calc
{

using Query = std::variant<combinations::ValueQuery, combinations::DividerQuery>;

struct Found {
    std::vector<combinations::Answer> values;
    std::vector<combinations::DividerAnswer> dividers;
    bool divider = false;
    QString failure; // what stopped the search, if anything did
};

class SearchRunner : public QObject
{
    Q_OBJECT
public:
    // A search still running when the runner goes finishes on its own; it holds nothing of it.
    explicit SearchRunner(QObject *parent = nullptr);

    // How long typing must pause before a search starts, in milliseconds.
    static constexpr int kPause = 120;

    // Asks for the search; it starts when the typing pauses. A request replaces any that has not
    // started, and makes a running search's answers stale.
    void request(const Query &query);
    // Forgets what has been asked: nothing more will be found until the next request.
    void cancel();
    // True from a request until its answers come or it is cancelled.
    bool busy() const { return m_busy; }

Q_SIGNALS:
    // The answers of the latest request.
    void found(const combination_calc::Found &answers);

private:
    void start();
    void finished();

    QTimer m_pause;
    QFutureWatcher<Found> m_watcher;
    std::optional<Query> m_waiting; // asked for, not started
    bool m_stale = false;           // the running search has been overtaken
    bool m_busy = false;
};

// The search itself, as the runner does it on another thread.
Found runSearch(const Query &query);

} // namespace combination_calc
