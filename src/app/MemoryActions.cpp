// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryActions.h"

#include "ChangedPlan.h"
#include "CompareDialog.h"
#include "Controls.h"
#include "GridUndo.h"
#include "HistoryDialog.h"
#include "MainWindow.h"
#include "PortActions.h"
#include "PortIdentity.h"
#include "SafetyQuestions.h"
#include "ScaleNotes.h"
#include "Store.h"
#include "StoreWriter.h"
#include "TableFile.h"
#include "TransferActions.h"
#include "Transfers.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <map>
#include <mutex>

namespace tarn {

// The window's connection to the store, on a thread of its own: each question runs there in
// turn, and its answer comes back to the window's thread. At most one question of each kind
// waits: a newer one takes the place of the one not yet asked, so a store that does not answer
// (a server gone) gathers no backlog, and Exit waits for none.
class MemoryActions::StoreReader : public QObject {
public:
    // Runs `look` with the store (opened again if it failed), then `answer` with its result and
    // the store's problem, if any, on `back`'s thread.
    template <class T>
    void ask(const QString& kind, QObject* back, std::function<T(Store&)> look,
             std::function<void(const T&, const QString&)> answer) {
        std::function<void()> question = [this, back, look = std::move(look),
                                          answer = std::move(answer)] {
            if (!memory_)
                memory_ = std::make_unique<Store>();
            memory_->retry();
            T result = look(*memory_);
            const QString problem = memory_->takeProblem();
            QMetaObject::invokeMethod(
                back, [answer, result = std::move(result), problem] { answer(result, problem); },
                Qt::QueuedConnection);
        };
        bool waiting = false;
        {
            const std::lock_guard<std::mutex> hold(lock_);
            waiting = waiting_.count(kind) > 0;
            waiting_[kind] = std::move(question);
        }
        if (!waiting)
            QMetaObject::invokeMethod(
                this, [this, kind] { run(kind); }, Qt::QueuedConnection);
    }
    // Ends the store's connection on its own thread.
    void drop() { memory_.reset(); }

private:
    void run(const QString& kind) {
        std::function<void()> question;
        {
            const std::lock_guard<std::mutex> hold(lock_);
            question = std::move(waiting_[kind]);
            waiting_.erase(kind);
        }
        if (question)
            question();
    }

    std::unique_ptr<Store> memory_;
    std::mutex lock_;
    std::map<QString, std::function<void()>> waiting_; // by kind, the newest of each
};

MemoryActions::MemoryActions(MainWindow& window)
    : QObject(&window), window_(window), transfers_(window.findChild<TransferActions*>()),
      thread_(new QThread(this)), reader_(new StoreReader), refresh_(new QTimer(this)) {
    reader_->moveToThread(thread_);
    thread_->start();
    const Controls& c = window.controls();
    refresh_->setSingleShot(true);
    refresh_->setInterval(0);
    connect(refresh_, &QTimer::timeout, this, &MemoryActions::refresh);

    connect(c.cmdPLUCompare, &QPushButton::clicked, this, [this] { compare(TableKind::Plu); });
    connect(c.cmdINGCompare, &QPushButton::clicked, this, [this] { compare(TableKind::Ingred); });
    connect(c.cmdHistory, &QPushButton::clicked, this, &MemoryActions::showHistory);

    // Every change of a table's records comes with a status text (a load, a save, an import,
    // New, an upload); the port's choice with its controls; the store with each job's end.
    connect(&window.workspace(), &Workspace::statusChanged, this, &MemoryActions::refreshSoon);
    for (QRadioButton* option : {c.optCom1, c.optCom2, c.optComOther})
        connect(option, &QRadioButton::toggled, this, &MemoryActions::refreshSoon);
    connect(c.cboComPort, &QComboBox::currentTextChanged, this, &MemoryActions::refreshSoon);
    connect(c.SSTab, &QTabWidget::currentChanged, this, &MemoryActions::refreshSoon);
    // And each edit of a grid: the count follows what a save would make of it.
    for (TableKind kind : {TableKind::Plu, TableKind::Ingred})
        connect(&window.gridUndo(kind).stack(), &QUndoStack::indexChanged, this,
                &MemoryActions::refreshSoon);

    attach(&window.portActions().engine());
    connect(&window.portActions(), &PortActions::engineMade, this, &MemoryActions::attach);
    refresh();
}

MemoryActions::~MemoryActions() {
    QMetaObject::invokeMethod(
        reader_, [r = reader_] { r->drop(); }, Qt::QueuedConnection);
    thread_->quit();
    // A question to a store that does not answer (a server gone) is not waited for: the thread
    // is left to end on its own, and the program ends without it.
    if (thread_->wait(QDeadlineTimer(StoreWriter::kEndWait.count()))) {
        delete reader_;
        return;
    }
    thread_->setParent(nullptr);
    StoreWriter::leftToEnd();
}

void MemoryActions::askStore(
    const QString& kind, std::function<std::map<int, QString>(Store&)> look,
    std::function<void(const std::map<int, QString>&, const QString&)> answer) {
    reader_->ask<std::map<int, QString>>(kind, this, std::move(look), std::move(answer));
}

void MemoryActions::showProblem(const QString& text) {
    // Each new problem once: the same text again is the same problem still there.
    if (text.isEmpty() || text == lastProblem_)
        return;
    lastProblem_ = text;
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Tarnlink"), text,
                                QMessageBox::Ok, &window_);
    box->setObjectName(QStringLiteral("msgStore"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void MemoryActions::attach(Engine* engine) {
    connect(engine, &Engine::finished, this, &MemoryActions::ended);
    connect(engine, &Engine::opened, this, &MemoryActions::refreshSoon);
    connect(engine, &Engine::closed, this, &MemoryActions::refreshSoon);
    connect(engine, &Engine::storeProblem, this, &MemoryActions::showProblem);
    refreshSoon();
}

QString MemoryActions::port() const {
    Engine& engine = window_.portActions().engine();
    return engine.isOpen() ? engine.portName() : window_.portActions().chosenPort();
}

namespace {

// The records a file save of the table's grid would leave in its slots 1 on, as they go on the
// line; nullopt when the save would refuse the grid.
template <class R> std::optional<std::vector<WireRecord>> savedFromGrid(const Table<R>& table) {
    const GridCopy<R> copy = copyFromGrid<R>(table.grid);
    if (!copy.ok() || !writeTableFile<R>(copy.records).ok())
        return std::nullopt;
    auto records = table.records;
    for (size_t k = 0; k < copy.records.size(); ++k)
        records[k + 1] = copy.records[k];
    return wireRecords(records, int(copy.records.size()));
}

// What a Changed download of the table would weigh: its records, or with `fromGrid` what a save
// of its grid would make of them.
template <class R>
std::optional<std::vector<WireRecord>> recordsToSend(const Table<R>& table, bool fromGrid) {
    if (fromGrid)
        return savedFromGrid(table);
    return wireRecords(table.records, table.count);
}

} // namespace

void MemoryActions::refreshSoon() {
    // Not while a table goes on the line: its every record is a status text.
    if (transfers_ && transfers_->running())
        return;
    refresh_->start();
}

void MemoryActions::refresh() {
    const Controls& c = window_.controls();
    const Workspace& ws = window_.workspace();
    const QString name = port();
    const int asked = ++asked_;
    listKnownScales();
    for (const auto& [kind, label] : {std::pair{TableKind::Plu, c.lblDownChangedPLU},
                                      {TableKind::Ingred, c.lblDownChangedINGRED}}) {
        // A grid ahead of its records: what a download would send once it is saved.
        const bool ahead = window_.gridUndo(kind).isAheadOfRecords();
        std::optional<std::vector<WireRecord>> records =
            kind == TableKind::Plu ? recordsToSend(ws.plu, ahead) : recordsToSend(ws.ingred, ahead);
        //: beside Changed: the number of records a Changed download would send, or ?
        QString form = tr("%1 to send");
        if (ahead)
            //: beside Changed: the number of records a Changed download would send once the
            //: grid is saved, or ?
            form = tr("%1 to send once saved");
        if (!records) { // the save would refuse the grid
            label->setText(form.arg(QStringLiteral("?")));
            continue;
        }
        // The records a Changed download of the table would send now, by the store's word,
        // and whether the download would read the scale's table first.
        struct Count {
            int records = 0;
            std::optional<QString> doubt;
            QDateTime checked;
        };
        reader_->ask<Count>(
            QStringLiteral("count ") + QString::number(int(kind)), this,
            [name, kind, records = std::move(*records)](Store& m) {
                if (name.isEmpty())
                    return Count{int(changedSlots(records, {}).size()), {}, {}};
                const StoreWord word = storeWord(m, portIdentity(name), kind);
                return Count{int(changedSlots(records, word.heldBytes()).size()), word.doubt,
                             word.checked};
            },
            [this, asked, label, form, ahead](const Count& count, const QString& problem) {
                showProblem(problem);
                if (asked != asked_)
                    return;
                label->setToolTip(QString());
                if (count.doubt) {
                    //: beside Changed: the download reads the scale's table before it sends
                    const QString saved = tr("? to send: its table is read first");
                    //: beside Changed, for a grid not yet saved: the download reads the
                    //: scale's table before it sends
                    const QString unsaved = tr("? to send once saved: its table is read first");
                    label->setText(ahead ? unsaved : saved);
                    label->setToolTip(tr("The store cannot vouch for this scale: %1")
                                          .arg(doubtShown(*count.doubt)));
                } else if (count.records == 0 && !ahead && count.checked.isValid()) {
                    label->setText(heldWhenCheckedText(count.checked));
                } else {
                    label->setText(form.arg(count.records));
                }
            });
    }
}

void MemoryActions::listKnownScales() {
    const int asked = asked_;
    reader_->ask<std::vector<KnownScale>>(
        QStringLiteral("scales"), this,
        [](Store& m) {
            // Jobs this PC ran while the store could not be written reach it as soon as it can.
            deliverUnrecorded(m);
            return m.scales();
        },
        [this, asked](const std::vector<KnownScale>& known, const QString& problem) {
            showProblem(problem);
            if (asked != asked_)
                return;
            QTreeWidget* list = window_.controls().lstKnownScales;
            list->clear();
            const auto time = [](const QDateTime& at) {
                return at.isValid() ? at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                    : QString();
            };
            for (const KnownScale& k : known) {
                const TransferEntry& e = k.last;
                QString how = e.outcome.isEmpty() ? e.howEnded.trimmed() : e.outcome;
                if (!e.ended.isValid())
                    //: a scale's last job that never ended: still running, or cut off
                    how = tr("running, or cut off");
                //: a scale (%1) and where it stands (%2)
                const QString scale =
                    k.place.isEmpty() ? k.scale : tr("%1 at %2").arg(k.scale, k.place);
                list->addTopLevelItem(new QTreeWidgetItem(
                    {scale, k.names.join(QStringLiteral(", ")),
                     k.user.isEmpty() ? k.pc : k.user + QLatin1Char('@') + k.pc,
                     QString::fromLatin1(sideOf(e.table).name) + QLatin1Char(' ') +
                         directionName(e.direction) + QLatin1Char(' ') + e.extent,
                     time(e.ended), how, time(k.checked)}));
            }
            for (int i = 0; i < list->columnCount(); ++i)
                list->resizeColumnToContents(i);
        });
}

void MemoryActions::compare(TableKind kind) {
    if (transfers_ && askBeforeCompare(window_, kind))
        transfers_->start(CompareJob{downloadJob(kind, window_.workspace(), {})});
}

void MemoryActions::ended(const JobOutcome& o) {
    refreshSoon();
    // A job the store recorded: the store works again, and its next problem is a new one.
    if (!o.unrecorded && o.what != JobOutcome::What::Display)
        lastProblem_.clear();
    if (!o.differences)
        return;
    const bool verify = o.what == JobOutcome::What::Download;
    // A verify that found the scale holding the table says so in the status line alone.
    if (verify && o.differences->empty())
        return;
    const QString table = QString::fromLatin1(sideOf(o.kind).name);
    auto* dialog = window_.findChild<CompareDialog*>();
    if (!dialog)
        dialog = new CompareDialog(&window_);
    //: the title of the list of differences a Compare found: "PLU Compare", "INGRED Compare"
    QString title = tr("%1 Compare").arg(table);
    if (verify)
        //: the title of the list of differences a download's Verify found: "PLU Verify"
        title = tr("%1 Verify").arg(table);
    dialog->show(title, o.kind, *o.differences);
}

void MemoryActions::showHistory() {
    auto* dialog = window_.findChild<HistoryDialog*>();
    if (!dialog)
        dialog = new HistoryDialog(&window_);
    reader_->ask<std::vector<TransferEntry>>(
        QStringLiteral("history"), this,
        [](Store& m) {
            HistoryFilter filter;
            filter.limit = 1000;
            return m.history(filter);
        },
        [this, dialog](const std::vector<TransferEntry>& entries, const QString& problem) {
            showProblem(problem);
            dialog->show(entries);
        });
}

} // namespace tarn
