#include "chart_isolines_task.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr qsizetype KeptViews = 12;

}  // namespace

ChartIsolinesTask::ChartIsolinesTask(QObject* parent) : QObject(parent) {
    connect(&watcher, &QFutureWatcherBase::finished, this, &ChartIsolinesTask::done);
}

ChartIsolinesTask::~ChartIsolinesTask() {
    watcher.waitForFinished();
}

void ChartIsolinesTask::request(const ChartLinesRequest& wanted) {
    for (qsizetype i = 0; i < kept.size(); ++i)
        if (kept[i].first == wanted) {
            kept.move(i, 0);
            waiting.reset();
            emit ready(wanted, kept.front().second);
            return;
        }
    if (running) {
        if (!(*running == wanted)) waiting = wanted;
        return;
    }
    start(wanted);
}

void ChartIsolinesTask::start(const ChartLinesRequest& wanted) {
    running = wanted;
    emit busyChanged(true);
    watcher.setFuture(QtConcurrent::run([wanted]() -> std::shared_ptr<const ChartLines> {
        return std::make_shared<const ChartLines>(ComputeChartLines(wanted.ids, KindRow(wanted.kind), wanted.range));
    }));
}

void ChartIsolinesTask::done() {
    // finish() may have taken this future's result already.
    if (!running || !watcher.isFinished()) return;
    const ChartLinesRequest finished = *running;
    const std::shared_ptr<const ChartLines> lines = watcher.result();
    running.reset();
    kept.prepend({finished, lines});
    if (kept.size() > KeptViews) kept.removeLast();
    if (waiting) {
        const ChartLinesRequest next = *waiting;
        waiting.reset();
        start(next);
    } else {
        emit busyChanged(false);
    }
    emit ready(finished, lines);
}

void ChartIsolinesTask::finish() {
    while (running) {
        watcher.waitForFinished();
        done();
    }
}
