// The isolines of the shown view, computed off the window's thread (Qt
// Concurrent): a zoom or a pan asks for them, the chart keeps drawing the
// lines it has until they come. The last views' lines are kept, so that
// "Reset view" and a zoom back are immediate. Only the newest request is
// computed next: a drag asks many times, the lines of its end count.
#pragma once

#include "chart_isolines.h"

#include <QFutureWatcher>
#include <QObject>

#include <memory>
#include <optional>

struct ChartLinesRequest {
    ChartKind kind;
    ChartRange range;
    std::vector<IsolineId> ids;
    bool operator==(const ChartLinesRequest&) const = default;
};

class ChartIsolinesTask : public QObject {
    Q_OBJECT

public:
    explicit ChartIsolinesTask(QObject* parent = nullptr);
    ~ChartIsolinesTask() override;

    // The lines come by `ready`, at once where kept.
    void request(const ChartLinesRequest& wanted);
    bool busy() const { return running.has_value(); }
    // Waits for the computation under way and the one waiting, for the tests
    // and the pictures.
    void finish();

signals:
    void ready(const ChartLinesRequest& request, const std::shared_ptr<const ChartLines>& lines);
    void busyChanged(bool busy);

private:
    void start(const ChartLinesRequest& wanted);
    void done();

    QFutureWatcher<std::shared_ptr<const ChartLines>> watcher;
    std::optional<ChartLinesRequest> running, waiting;
    // The newest first; a handful of views.
    QList<std::pair<ChartLinesRequest, std::shared_ptr<const ChartLines>>> kept;
};
