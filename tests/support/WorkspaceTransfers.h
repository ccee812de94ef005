// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The transfers run straight on a workspace, as the tests of the transfer rules drive them: the
// status texts go to the workspace's status line, an upload's records into its table.

#include "Transfers.h"

#include <functional>
#include <vector>

namespace tarn::testing {

using TransferProgress = std::function<void(int done, int total)>;

// A sink onto the workspace's status line, with the progress and acknowledgements kept.
class WorkspaceSink : public TransferSink {
public:
    explicit WorkspaceSink(Workspace& ws, TransferProgress progress = {})
        : ws_(ws), progress_(std::move(progress)) {}
    void status(const QString& text) override { ws_.status(text); }
    void progress(int done, int total) override {
        if (progress_)
            progress_(done, total);
    }
    void acknowledged(const RecordAck& ack) override {
        acks.push_back(ack);
        if (onAck)
            onAck(ack);
    }
    std::vector<RecordAck> acks;
    std::function<void(const RecordAck&)> onAck;

private:
    Workspace& ws_;
    TransferProgress progress_;
};

template <class R> TableRecords<R> recordsOf(const Workspace& ws) {
    const Table<R>& t = const_cast<Workspace&>(ws).table<R>();
    return {t.records, t.count};
}

template <class R>
TransferResult download(Workspace& ws, ScaleLink& link, const DownloadOptions& options,
                        const TransferProgress& progress = {}) {
    WorkspaceSink sink(ws, progress);
    return tarn::download<R>(recordsOf<R>(ws), ws.hasFile(), link, options, sink);
}

// As the window does: the table cleared and the file source "?" once the upload has begun,
// and the records received shown whatever the outcome.
template <class R>
TransferResult upload(Workspace& ws, ScaleLink& link, const UploadOptions& options,
                      const TransferProgress& progress = {}) {
    WorkspaceSink sink(ws, progress);
    Received<R> received;
    // Each record stands in its slot of the table once it is stored, before its text shows.
    sink.onAck = [&](const RecordAck& ack) {
        ws.table<R>().records[size_t(ack.slot)] = received.records[size_t(ack.slot)];
    };
    const TransferResult r = tarn::upload<R>(link, options, sink, received);
    if (r.outcome != TransferOutcome::Refused) {
        ws.setFilePath(QString::fromLatin1(Workspace::kNoFile));
        showUpload(ws.table<R>(), received);
    }
    return r;
}

inline TransferResult downloadPlu(Workspace& ws, ScaleLink& link, const DownloadOptions& options,
                                  const TransferProgress& progress = {}) {
    return download<PluRecord>(ws, link, options, progress);
}
inline TransferResult downloadIngred(Workspace& ws, ScaleLink& link, const DownloadOptions& options,
                                     const TransferProgress& progress = {}) {
    return download<IngredRecord>(ws, link, options, progress);
}
inline TransferResult uploadPlu(Workspace& ws, ScaleLink& link, const UploadOptions& options,
                                const TransferProgress& progress = {}) {
    return upload<PluRecord>(ws, link, options, progress);
}
inline TransferResult uploadIngred(Workspace& ws, ScaleLink& link, const UploadOptions& options,
                                   const TransferProgress& progress = {}) {
    return upload<IngredRecord>(ws, link, options, progress);
}

} // namespace tarn::testing
