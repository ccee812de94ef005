// SPDX-License-Identifier: GPL-3.0-or-later
// What the scales hold, through tarnlink-cli in this process on virtual time: the Changed
// download, compare's exit statuses, the history's filters; and a Stop during a download,
// through the engine, keeping exactly what the scale acknowledged.

#include "Command.h"
#include "CommandLine.h"
#include "DownloadJobs.h"
#include "Engine.h"
#include "FakeScale.h"
#include "FullDisk.h"
#include "Interrupt.h"
#include "RecordCodec.h"
#include "Store.h"
#include "StoreJobs.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace tarn::testing {
namespace {

// A scale that outlives the run: what it holds and what it received are kept when the
// command line's engine lets go of its port.
struct ScaleState {
    bool loseLine = false; // the next run's line fails as its second record goes out
    std::map<quint16, QByteArray> plus;
    std::map<quint16, QByteArray> ingreds;
    std::vector<std::pair<quint16, QByteArray>> received; // by the last run
    std::vector<FakeScale::Fault> faults;                 // for the next run
    QString openFailure;                                  // for the next run's open
    bool byNumber = false; // answers an upload request for n with the record numbered n
};

class KeptScale : public FakeScale {
public:
    KeptScale(VirtualClock& clock, ScaleState& state) : FakeScale(clock), state_(state) {
        plus = state.plus;
        ingreds = state.ingreds;
        for (const Fault& f : state.faults)
            inject(f);
        state.faults.clear();
        if (state.byNumber)
            answerUploads(sim::UploadAnswers::ByNumber);
        if (!state.openFailure.isEmpty())
            failOpens(1, state.openFailure);
        state.openFailure.clear();
        if (std::exchange(state.loseLine, false))
            clock.onWait = [this, &clock] {
                if (received.size() == 1) {
                    clock.onWait = nullptr;
                    fail(QStringLiteral("Input/output error"));
                }
            };
    }
    ~KeptScale() override {
        state_.plus = plus;
        state_.ingreds = ingreds;
        state_.received = received;
    }

private:
    ScaleState& state_;
};

PortFactory scales(std::vector<ScaleState*> states) {
    auto next = std::make_shared<size_t>(0);
    return [states, next] {
        auto clock = std::make_unique<VirtualClock>();
        auto scale = std::make_unique<KeptScale>(*clock, *states[(*next)++ % states.size()]);
        scale->byteTime = Clock::Time(0);
        return PortParts{std::move(scale), std::move(clock)};
    };
}

class Memory : public ::testing::Test {
protected:
    Memory() {
        previous_ = qgetenv("TARNLINK_STORE");
        qputenv("TARNLINK_STORE", store().toLocal8Bit());
        // The notes beside the port locks, each test its own, as its store is.
        previousRuntime_ = qgetenv("TARNLINK_NOTES_DIR");
        qputenv("TARNLINK_NOTES_DIR", dir.path().toLocal8Bit());
        prices = dir.filePath("prices.PLU");
    }
    ~Memory() override {
        qputenv("TARNLINK_STORE", previous_);
        qputenv("TARNLINK_NOTES_DIR", previousRuntime_);
        std::free(outText_);
        std::free(errText_);
    }
    QString store() const { return dir.filePath("scales.sqlite"); }

    // Runs the command line; returns its exit status, its stdout and stderr in out and err.
    int run(const QStringList& args, const PortFactory& ports = {}) {
        std::free(outText_);
        std::free(errText_);
        std::FILE* o = open_memstream(&outText_, &outSize_);
        std::FILE* e = open_memstream(&errText_, &errSize_);
        int status = 0;
        {
            cli::Console console(o, e, terminal);
            status = cli::runCommandLine(args, console, &interrupt, ports);
        }
        std::fclose(o);
        std::fclose(e);
        rawOut = QString::fromUtf8(outText_, qsizetype(outSize_));
        out = rawOut.split('\n', Qt::SkipEmptyParts);
        err = QString::fromUtf8(errText_, qsizetype(errSize_));
        return status;
    }
    // The price file: PLU 1, 2 and 3, PLU 2 at `price2`.
    void writePrices(int price2) {
        QFile file(prices);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("1,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n");
        file.write(QStringLiteral("2,\"PEAR\",\"\",%1,3,0,2002,1,5\r\n").arg(price2).toLatin1());
        file.write("3,\"PLUM\",\"\",990,3,0,2003,1,5\r\n");
    }
    // What the downloads sent, and the time a "Nothing to send" names as HH:MM.
    QStringList sent() const {
        QStringList texts;
        for (const QString& line : out)
            if (line.endsWith(" is transfered") || line.contains(" THE END"))
                texts << line;
            else if (line.startsWith("Nothing to send"))
                texts << kNothing; // what it rests on is each test's own to look at
        return texts;
    }
    static QString withoutTime(QString line) {
        return line.replace(QRegularExpression("\\((today|yesterday) \\d\\d:\\d\\d\\)"),
                            "(today HH:MM)");
    }
    static constexpr const char* kNothing = "Nothing to send";
    static constexpr const char* kReading =
        "The scale does not hold what Tarnlink last sent it: reading its table";

    Interrupt interrupt;
    QTemporaryDir dir;
    QString prices;
    QStringList out;
    QString rawOut; // stdout as it was written
    QString err;
    bool terminal = false; // whether the runs write to a terminal

private:
    QByteArray previous_;
    QByteArray previousRuntime_;
    char* outText_ = nullptr;
    size_t outSize_ = 0;
    char* errText_ = nullptr;
    size_t errSize_ = 0;
};

std::vector<quint16> numbersOf(const ScaleState& s) {
    std::vector<quint16> out;
    for (const auto& r : s.received)
        out.push_back(r.first);
    return out;
}

// Nothing known: all; one price changed: that record alone; nothing changed: nothing at all.
// Each port is its own scale with its own changed set.
TEST_F(Memory, changedSendsOnlyWhatEachScaleDoesNotHold) {
    ScaleState shelf;
    ScaleState counter;
    writePrices(349);
    const QStringList all{"plu#1 is transfered", "plu#2 is transfered", "plu#3 is transfered",
                          " THE END "};
    ASSERT_EQ(
        run({"--port", "/dev/ttyUSB0", "download", "plu", prices, "--changed"}, scales({&shelf})),
        0);
    EXPECT_EQ(sent(), all);
    EXPECT_EQ(numbersOf(shelf), (std::vector<quint16>{1, 2, 3}));

    writePrices(399);
    ASSERT_EQ(
        run({"--port", "/dev/ttyUSB0", "download", "plu", prices, "--changed"}, scales({&shelf})),
        0);
    EXPECT_EQ(sent(), (QStringList{"plu#2 is transfered", " THE END "}));
    EXPECT_EQ(numbersOf(shelf), (std::vector<quint16>{2}));

    // The shelf scale holds the table; the counter scale, never sent to, gets all of it.
    ASSERT_EQ(run({"--port", "/dev/ttyUSB0", "--port", "tcp:counter:4001", "download", "plu",
                   prices, "--changed"},
                  scales({&shelf, &counter})),
              0);
    EXPECT_TRUE(
        withoutTime(out.join('\n')).contains(QStringLiteral("PORT /dev/ttyUSB0: ") + kNothing))
        << out.join('|').toStdString();
    EXPECT_FALSE(out.contains("PORT /dev/ttyUSB0: plu#1 is transfered"));
    EXPECT_TRUE(out.contains("PORT tcp:counter:4001: plu#3 is transfered"));
    EXPECT_TRUE(shelf.received.empty());
    EXPECT_EQ(numbersOf(counter), (std::vector<quint16>{1, 2, 3}));
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
}

// compare: 0 when the scale holds the table, 3 when it holds a record differently (changed
// at its keypad), 1 when it could not read the table. The read puts the store right, so the
// next Changed download sends that record back. A download's --verify reports as compare does.
TEST_F(Memory, compareTellsEqualFromDifferentAndPutsTheStoreRight) {
    ScaleState scale;
    writePrices(349);
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "download", "plu", prices}, scales({&scale})), 0);
    EXPECT_EQ(run({"--port", "/dev/ttyS1", "compare", "plu", prices}, scales({&scale})), 0);
    EXPECT_EQ(out.last(), "The scale holds this table");

    PluRecord keyed = decodePluReply(QByteArray(4, '\0') + scale.plus[2] + '\x10').record;
    keyed.unitPrice = 299;
    scale.plus[2] = encodePluRecord(keyed).bytes;
    EXPECT_EQ(run({"--port", "/dev/ttyS1", "compare", "plu", prices}, scales({&scale})), 3);
    EXPECT_EQ(out.mid(out.size() - 2), (QStringList{"PLU 2: U/Price PC 349, scale 299",
                                                    "The scale holds 1 record(s) differently"}));
    EXPECT_EQ(
        run({"--port", "/dev/ttyS1", "download", "plu", prices, "--changed"}, scales({&scale})), 0);
    EXPECT_EQ(sent(), (QStringList{"plu#2 is transfered", " THE END "}));

    // --verify: a byte of PLU 1's price comes back changed, as a noisy line may leave it.
    scale.faults.push_back({FakeScale::Step::Reply, FakeScale::Action::Wrong, 1, 1, {}, 67});
    EXPECT_EQ(
        run({"--port", "/dev/ttyS1", "download", "plu", prices, "--verify"}, scales({&scale})), 3);
    EXPECT_EQ(out.mid(out.size() - 2),
              (QStringList{"Verify: the scale holds 1 record(s) differently",
                           "PLU 1: U/Price PC 1500, scale 1315"}));

    EXPECT_EQ(run({"--port", "/dev/ttyS1", "compare", "plu", prices},
                  [] {
                      auto clock = std::make_unique<VirtualClock>();
                      auto silent = std::make_unique<FakeScale>(*clock);
                      silent->silent();
                      return PortParts{std::move(silent), std::move(clock)};
                  }),
              1);
}

// --format csv and json: the facts of the text form, as fields; nothing else on stdout.
TEST_F(Memory, csvAndJsonHoldWhatTheTextSays) {
    ScaleState scale;
    writePrices(349);
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "download", "plu", prices}, scales({&scale})), 0);
    // At the scale's keypad: PLU 2 at 299, PLU 3 deleted.
    PluRecord keyed = decodePluReply(QByteArray(4, '\0') + scale.plus[2] + '\x10').record;
    keyed.unitPrice = 299;
    scale.plus[2] = encodePluRecord(keyed).bytes;
    scale.plus.erase(3);
    // PLU 250, which the table does not have, goes to the slot left free.
    scale.plus[250] = encodePluRecord({250, 0, "FIGS", "", 120, 0, 0, 0, 0}).bytes;
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "compare", "plu", prices}, scales({&scale})), 3);
    EXPECT_EQ(out.mid(out.size() - 4),
              (QStringList{"PLU 2: U/Price PC 349, scale 299", "PLU 3: not on the scale",
                           "PLU 250: only on the scale: FIGS, U/Price 120",
                           "The scale holds 3 record(s) differently"}));

    ASSERT_EQ(run({"--port", "/dev/ttyS1", "compare", "plu", prices, "--format", "json"},
                  scales({&scale})),
              3);
    QJsonParseError error{};
    const QJsonArray differences = QJsonDocument::fromJson(rawOut.toUtf8(), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << rawOut.toStdString();
    ASSERT_EQ(differences.size(), 3) << rawOut.toStdString();
    EXPECT_EQ(differences[0].toObject(), (QJsonObject{{"port", "/dev/ttyS1"},
                                                      {"table", "PLU"},
                                                      {"number", 2},
                                                      {"what", "differs"},
                                                      {"field", "U/Price"},
                                                      {"pc", "349"},
                                                      {"scale", "299"},
                                                      {"name", QJsonValue::Null},
                                                      {"price", QJsonValue::Null}}));
    EXPECT_EQ(differences[1]["number"].toInt(), 3);
    EXPECT_EQ(differences[1]["what"].toString(), "pc-only");
    EXPECT_EQ(differences[2]["what"].toString(), "scale-only");
    EXPECT_EQ(differences[2]["name"].toString(), "FIGS");
    EXPECT_EQ(differences[2]["price"].toInt(), 120);
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "compare", "plu", prices, "--format", "csv"},
                  scales({&scale})),
              3);
    ASSERT_EQ(out.size(), 4);
    EXPECT_EQ(out[0], "port,table,number,what,field,pc,scale,name,price");
    EXPECT_EQ(out[1], "/dev/ttyS1,PLU,2,differs,U/Price,349,299,,");
    EXPECT_EQ(out[3], "/dev/ttyS1,PLU,250,scale-only,PLU No,,250,FIGS,120");

    // Each port's outcome; one that another program holds is worth a retry (status 4).
    ScaleState held;
    held.openFailure = "in use by another program (process 4711)";
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "--port", "/dev/ttyS2", "download", "plu", prices,
                   "--changed", "--format", "json"},
                  scales({&scale, &held})),
              4);
    const QJsonArray ports = QJsonDocument::fromJson(rawOut.toUtf8(), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << rawOut.toStdString();
    ASSERT_EQ(ports.size(), 2) << rawOut.toStdString();
    EXPECT_EQ(ports[0].toObject(), (QJsonObject{{"port", "/dev/ttyS1"},
                                                {"outcome", "ok"},
                                                {"records", 2},
                                                {"failure", QJsonValue::Null}}));
    EXPECT_EQ(ports[1]["outcome"].toString(), "busy");
    EXPECT_EQ(ports[1]["failure"].toString(),
              "ERROR! cannot open /dev/ttyS2: in use by another program (process 4711)");
    EXPECT_TRUE(err.contains("PORT /dev/ttyS2: ERROR! cannot open /dev/ttyS2: in use"))
        << err.toStdString();

    // The port that did not open is a job of its own, "failed".
    ASSERT_EQ(run({"history", "--limit", "2", "--format", "json"}), 0);
    const QJsonArray transfers = QJsonDocument::fromJson(rawOut.toUtf8(), &error).array();
    ASSERT_EQ(transfers.size(), 2) << rawOut.toStdString();
    const int sent = transfers[0]["port"].toString() == "/dev/ttyS1" ? 0 : 1;
    EXPECT_EQ(transfers[sent]["port"].toString(), "/dev/ttyS1");
    EXPECT_EQ(transfers[sent]["outcome"].toString(), "ok");
    EXPECT_EQ(transfers[sent]["extent"].toString(), "Changed");
    EXPECT_EQ(transfers[sent]["records"].toInt(), 2);
    EXPECT_EQ(transfers[sent]["end"].toString(), "THE END");
    EXPECT_EQ(transfers[1 - sent]["outcome"].toString(), "failed");
}

// On a terminal a job's texts are one progress line, written over in place; --quiet leaves
// only results and errors.
TEST_F(Memory, onATerminalTheJobIsAProgressLineAndQuietSaysNothing) {
    ScaleState scale;
    writePrices(349);
    terminal = true;
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "download", "plu", prices}, scales({&scale})), 0);
    EXPECT_TRUE(rawOut.startsWith("PLU Count is 3\n")) << rawOut.toStdString();
    EXPECT_TRUE(rawOut.contains("3 / 3  plu#3 is transfered\x1b[K")) << rawOut.toStdString();
    EXPECT_FALSE(rawOut.contains("plu#2 is transfered\n")) << rawOut.toStdString();
    // The last text stays as a line of its own.
    EXPECT_TRUE(rawOut.contains("\x1b[J THE END \n")) << rawOut.toStdString();

    ASSERT_EQ(run({"--quiet", "--port", "/dev/ttyS1", "download", "plu", prices, "--changed"},
                  scales({&scale})),
              0);
    EXPECT_EQ(rawOut.toStdString(), "");
}

// The records a scale sends count as held as the records it acknowledged do: with the store
// lost, a compare alone teaches it the scale's tables, and Changed then finds nothing to send.
TEST_F(Memory, aCompareAloneTeachesTheStoreWhatTheScaleHolds) {
    ScaleState scale;
    writePrices(349);
    const QString messages = dir.filePath("messages.INGRED");
    QFile file(messages);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "1,\"Ingredients: apples.\",\"Wash before eating.\",\" \",\" \",\" \",\" \",\" \",\" \"\r\n"
        "2,\"Ingredients: milk.\",\" \",\" \",\" \",\" \",\" \",\" \",\" \"\r\n");
    file.close();
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "download", "plu", prices}, scales({&scale})), 0);
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "download", "ingred", messages}, scales({&scale})), 0);
    for (const char* end : {"", "-wal", "-shm"})
        QFile::remove(store() + end);
    ASSERT_FALSE(QFile::exists(store()));

    for (const auto& [table, path] : {std::pair{"plu", prices}, {"ingred", messages}}) {
        EXPECT_EQ(run({"--port", "/dev/ttyS1", "compare", table, path}, scales({&scale})), 0);
        EXPECT_EQ(
            run({"--port", "/dev/ttyS1", "download", table, path, "--changed"}, scales({&scale})),
            0);
        EXPECT_EQ(sent(), (QStringList{kNothing})) << table;
    }
}

// history: newest first, by port, by record.
TEST_F(Memory, historyListsTransfersByPortAndRecord) {
    ScaleState a;
    ScaleState b;
    writePrices(349);
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "download", "plu", prices}, scales({&a})), 0);
    ASSERT_EQ(run({"--port", "/dev/ttyS2", "download", "plu", prices, "--one", "3"}, scales({&b})),
              0);
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "upload", "plu", dir.filePath("back.PLU"), "--one", "1"},
                  scales({&a})),
              0);

    ASSERT_EQ(run({"history"}), 0);
    ASSERT_EQ(out.size(), 3);
    EXPECT_TRUE(out[0].contains(" /dev/ttyS1 PLU upload One 1: 1 record(s), plu#1 is received"))
        << out[0].toStdString();
    EXPECT_TRUE(out[1].contains(" /dev/ttyS2 PLU download One 3: 1 record(s), THE END"));
    EXPECT_TRUE(out[2].contains(" /dev/ttyS1 PLU download ALL: 3 record(s), THE END"));

    ASSERT_EQ(run({"history", "--port", "/dev/ttyS2"}), 0);
    EXPECT_EQ(out.size(), 1);
    // PLU 2 went only to ttyS1; with a number, each transfer's moment of that record.
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "history", "--plu", "2"}), 0);
    ASSERT_EQ(out.size(), 2);
    EXPECT_TRUE(out[0].contains("download ALL"));
    EXPECT_TRUE(out[1].startsWith("  PLU 2 (slot 2) at ")) << out[1].toStdString();
    ASSERT_EQ(run({"history", "--ingred", "2"}), 0);
    EXPECT_TRUE(out.isEmpty());
    // A scale's table may hold any PLU number the field takes; messages go to 200.
    EXPECT_EQ(run({"history", "--plu", "500"}), 0);
    EXPECT_EQ(run({"history", "--plu", "32768"}), 2);
    EXPECT_EQ(run({"history", "--ingred", "201"}), 2);
}

// scales lists what the store knows; status says by the store's word which scale holds the
// file's table: 0 when every one does, 3 when one is behind, the count of records it lacks.
TEST_F(Memory, scalesAndStatusTellFromTheStoreAloneWhichScaleIsBehind) {
    ScaleState a;
    ScaleState b;
    writePrices(349);
    ASSERT_EQ(run({"--port", "/dev/ttyS1", "download", "plu", prices}, scales({&a})), 0);
    ASSERT_EQ(run({"--port", "/dev/ttyS2", "download", "plu", prices}, scales({&b})), 0);
    EXPECT_EQ(run({"status", "plu", prices, "--format", "csv"}), 0);
    EXPECT_EQ(out.mid(out.size() - 3, 1),
              QStringList{"scale,place,name,holds,differ,also_holds,confirmed,why"});
    writePrices(399);
    ASSERT_EQ(run({"--port", "/dev/ttyS2", "download", "plu", prices, "--changed"}, scales({&b})),
              0);
    EXPECT_EQ(run({"status", "plu", prices, "--format", "csv"}), 3);
    // Behind by one record; when it last confirmed the store's word (its acknowledgements).
    const QString iso = "\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ";
    EXPECT_EQ(
        out.filter(QRegularExpression("^/dev/ttyS1,[^,]+,/dev/ttyS1,no,1,0," + iso + ",$")).size(),
        1)
        << out.join('|').toStdString();
    // In json too every number is a number and every moment ISO 8601 with its offset; the text
    // form gives local time.
    EXPECT_EQ(run({"status", "plu", prices, "--format", "json"}), 3);
    QJsonObject behind;
    for (const QJsonValue& row : QJsonDocument::fromJson(out.join('\n').toUtf8()).array())
        if (row.toObject()["scale"] == QJsonValue("/dev/ttyS1"))
            behind = row.toObject();
    EXPECT_EQ(behind["differ"], QJsonValue(1));
    EXPECT_TRUE(
        QRegularExpression("^" + iso + "$").match(behind["confirmed"].toString()).hasMatch())
        << behind["confirmed"].toString().toStdString();
    EXPECT_EQ(run({"status", "plu", prices}), 3);
    EXPECT_EQ(out.filter(QRegularExpression(" 1 +0 +\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d *$"))
                  .size(),
              1)
        << out.join('|').toStdString();
    EXPECT_EQ(run({"status", "plu", prices, "--port", "/dev/ttyS2"}), 0);
    EXPECT_EQ(run({"status", "plu", prices, "--port", "/dev/ttyS9"}), 3); // never sent to

    ASSERT_EQ(run({"scales", "--format", "json"}), 0);
    const QJsonArray known = QJsonDocument::fromJson(out.join('\n').toUtf8()).array();
    ASSERT_EQ(known.size(), 2);
    EXPECT_EQ(known[1].toObject()["last_job"].toString(), "PLU download Changed");
    EXPECT_EQ(known[1].toObject()["how_ended"].toString(), "THE END");
    EXPECT_TRUE(QRegularExpression("^" + iso + "$")
                    .match(known[1].toObject()["ended"].toString())
                    .hasMatch());

    ASSERT_EQ(run({"scales"}), 0);
    EXPECT_TRUE(out.value(0).contains(QRegularExpression("^SCALE +PLACE +NAMES +PC")))
        << out.value(0).toStdString();
    EXPECT_EQ(run({"scales", "--format", "xml"}), 2);
}

// history shows the newest 50 jobs unless told; store backup copies every job to a new file.
TEST_F(Memory, historyShowsTheNewestFiftyAndTheBackupCopiesThemAll) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    {
        Store seed(store());
        for (int day = 60; day > 0; --day) {
            qint64 id = 0;
            ASSERT_TRUE(seed.transaction(
                [&] {
                    return seed.insertJob({"/dev/ttyS1", "ttyS1", TableKind::Plu,
                                           TransferDirection::Compare, "Compare",
                                           now.addDays(-day)},
                                          &id) &&
                           seed.finishJob(id, {JobEnd::Differs, "Compare", 200, 3, {}});
                },
                std::chrono::milliseconds(100)));
        }
    }
    ASSERT_EQ(run({"history"}), 0);
    ASSERT_EQ(out.size(), 50);
    EXPECT_TRUE(out[0].contains(" differs ttyS1 (/dev/ttyS1) PLU compare Compare: 200 record(s), "
                                "3 differ, Compare"))
        << out[0].toStdString();
    ASSERT_EQ(run({"history", "--limit", "0"}), 0);
    EXPECT_EQ(out.size(), 60);
    const QString since = now.addDays(-3).toLocalTime().toString("yyyy-MM-dd HH:mm");
    ASSERT_EQ(run({"history", "--since", since, "--limit", "2"}), 0);
    EXPECT_EQ(out.size(), 2);
    EXPECT_EQ(run({"history", "--since", "last week"}), 2);

    const QString copy = dir.filePath("copy.sqlite");
    ASSERT_EQ(run({"store", "backup", copy}), 0);
    EXPECT_EQ(out, QStringList{"The store is copied to " + copy});
    EXPECT_EQ(Store(copy).history().size(), 60u);
    EXPECT_EQ(run({"store", "backup", copy}), 1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(err.trimmed(),
              "ERROR! cannot copy the store to " + copy + ": " + copy + " exists; name a new file");
}

// A store that cannot be opened is said once with what to do, the download runs as it always
// did, and the job says it was sent but not recorded (exit 5).
TEST_F(Memory, aStoreThatCannotBeOpenedStopsNoTransfer) {
    QFile junk(store());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(4096, 'x')) == 4096);
    junk.close();
    ScaleState scale;
    writePrices(349);
    EXPECT_EQ(
        run({"--port", "/dev/ttyS1", "download", "plu", prices, "--changed"}, scales({&scale})),
        cli::kUnrecorded);
    EXPECT_EQ(numbersOf(scale), (std::vector<quint16>{1, 2, 3}));
    EXPECT_EQ(err.count("ERROR! cannot keep what the scales hold in "), 1) << err.toStdString();
    EXPECT_EQ(err.count("ERROR! sent, not recorded: "), 1) << err.toStdString();
    // An upload does what it was asked and says the same.
    EXPECT_EQ(
        run({"--port", "/dev/ttyS1", "upload", "plu", dir.filePath("read.PLU")}, scales({&scale})),
        cli::kUnrecorded);
    EXPECT_TRUE(QFile::exists(dir.filePath("read.PLU")));

    // The store works again: the next Changed download does not take its word, it reads.
    ASSERT_TRUE(QFile::remove(store()));
    EXPECT_EQ(
        run({"--port", "/dev/ttyS1", "download", "plu", prices, "--changed"}, scales({&scale})), 0);
    EXPECT_TRUE(out.contains(kReading)) << out.join('\n').toStdString() << err.toStdString();
}

// The store's word is checked before it is taken: records read back from a scale that lost its
// table (a reset) or had a price changed at its keypad, or a port lost since the last job, make
// the download read the whole table and send what differs.
TEST_F(Memory, changedChecksTheScaleBeforeTrustingTheStore) {
    ScaleState scale;
    writePrices(349);
    const auto changed = [&] {
        return run({"--port", "/dev/ttyS4", "download", "plu", prices, "--changed"},
                   scales({&scale}));
    };
    ASSERT_EQ(changed(), 0);
    ASSERT_EQ(changed(), 0);
    EXPECT_TRUE(out.contains("Checking what the scale holds: reading back 3 record(s)"));
    EXPECT_FALSE(out.contains(kReading));
    EXPECT_EQ(sent(), QStringList{kNothing});

    scale.plus.clear(); // reset: the scale holds nothing
    ASSERT_EQ(changed(), 0);
    EXPECT_TRUE(out.contains(kReading)) << out.join('\n').toStdString();
    EXPECT_EQ(out.filter(QRegularExpression("^Checking what the scale holds: its slot [123] is "
                                            "empty$"))
                  .size(),
              1);
    EXPECT_EQ(numbersOf(scale), (std::vector<quint16>{1, 2, 3}));

    PluRecord keyed = decodePluReply(QByteArray(4, '\0') + scale.plus[2] + '\x10').record;
    keyed.unitPrice = 299;
    scale.plus[2] = encodePluRecord(keyed).bytes;
    ASSERT_EQ(changed(), 0);
    EXPECT_TRUE(out.contains("Checking what the scale holds: its record 2 is not as Tarnlink "
                             "sent it"));
    EXPECT_TRUE(out.contains(kReading));
    EXPECT_EQ(numbersOf(scale), (std::vector<quint16>{2}));

    // The line fails during a full download; the scale is found as it was, but read first.
    scale.loseLine = true;
    EXPECT_EQ(run({"--port", "/dev/ttyS4", "download", "plu", prices}, scales({&scale})),
              cli::kFailed);
    ASSERT_EQ(changed(), 0);
    EXPECT_TRUE(out.contains(
        "The store cannot vouch for this scale: the port was lost since its last job"));
    EXPECT_TRUE(out.contains(kReading));
    EXPECT_EQ(sent(), QStringList{kNothing});
}

// Every job is one row of the history whatever its end, with a word for scripts.
TEST_F(Memory, everyJobIsOneHistoryRow) {
    ScaleState scale;
    writePrices(349);
    const auto download = [&](const QStringList& extent) {
        return run(QStringList{"--port", "/dev/ttyS2", "download", "plu", prices} + extent,
                   scales({&scale}));
    };
    EXPECT_EQ(download({"--changed"}), 0);
    EXPECT_EQ(download({"--changed"}), 0);
    EXPECT_EQ(download({"--one", "999"}), cli::kFailed);
    QStringList words;
    for (const TransferEntry& e : Store(store()).history())
        words.prepend(e.outcome);
    EXPECT_EQ(words, (QStringList{"ok", "nothing", "refused"}));
}

// Stop in the middle of a download: the store holds exactly the records the scale
// acknowledged; a record that went on the line unacknowledged is no longer held; one that never
// went keeps what the store knew of it.
TEST_F(Memory, aStoppedDownloadKeepsExactlyWhatWasAcknowledged) {
    const QByteArray old(kPluRecordBytes, 'o');
    {
        WriterJob seed(store(), "/dev/ttyS3", TableKind::Plu, TransferDirection::Download, "ALL");
        for (int n = 1; n <= 5; ++n)
            seed.hold(n, n, old);
        ASSERT_TRUE(seed.end(" THE END ").recorded);
    }
    const DownloadJob job = pluDownload(5);

    auto clock = std::make_unique<VirtualClock>();
    auto scale = std::make_unique<FakeScale>(*clock);
    FakeScale* fake = scale.get();
    VirtualClock* time = clock.get();
    Engine engine(PortParts{std::move(scale), std::move(clock)});
    // Stopped once the scale has taken the third record's bytes, before or after the PC has
    // its closing byte: either way the store must agree with the acknowledgements.
    time->onWait = [&] {
        if (fake->received.size() == 3)
            engine.stop();
    };
    std::map<int, QByteArray> acknowledged;
    QObject::connect(&engine, &Engine::acknowledged,
                     [&](const RecordAck& ack) { acknowledged[ack.number] = ack.wire; });
    QEventLoop loop;
    QObject::connect(&engine, &Engine::opened, [&] { engine.run(job); });
    std::optional<JobOutcome> outcome;
    QObject::connect(&engine, &Engine::finished, [&](const JobOutcome& o) {
        outcome = o;
        loop.quit();
    });
    engine.open(QStringLiteral("/dev/ttyS3"));
    loop.exec();

    ASSERT_TRUE(outcome && outcome->stopped);
    ASSERT_GE(acknowledged.size(), 2u);
    ASSERT_LE(acknowledged.size(), 3u);
    std::map<int, QByteArray> held = heldOn(Store(store()), "/dev/ttyS3", TableKind::Plu);
    // Record 4 may have begun (its sync byte) when the stop came: forgotten or as it was.
    if (held.count(4)) {
        EXPECT_EQ(held[4], old);
        held.erase(4);
    }
    std::map<int, QByteArray> expected = acknowledged;
    expected[5] = old;
    EXPECT_EQ(held, expected);
    // One row for the job, saying how far it came.
    const TransferEntry last = Store(store()).history().front();
    EXPECT_EQ(last.outcome, "stopped");
    EXPECT_EQ(last.howEnded,
              QStringLiteral("Stopped after plu#%1").arg(acknowledged.rbegin()->first));
}

int priceOf(const ScaleState& scale, quint16 number) {
    return decodePluReply(QByteArray(4, '\0') + scale.plus.at(number) + '\x10').record.unitPrice;
}

// Another program holds the store's write lock for two jobs: today's prices go out unrecorded,
// then yesterday's Changed download reads the scale and sends what differs from what it read,
// though the store keeps none of it. status doubts the scale as --changed does, and both jobs
// reach the history once the store can be written.
TEST_F(Memory, whatAJobReadsDecidesItWhenTheStoreCannotKeepIt) {
    ScaleState scale;
    writePrices(349);
    const auto changed = [&] {
        return run({"--port", "/dev/ttyS5", "download", "plu", prices, "--changed"},
                   scales({&scale}));
    };
    ASSERT_EQ(changed(), 0);
    {
        QSqlDatabase lock = QSqlDatabase::addDatabase("QSQLITE", "another program");
        lock.setDatabaseName(store());
        ASSERT_TRUE(lock.open());
        ASSERT_TRUE(QSqlQuery(lock).exec("BEGIN IMMEDIATE"));
        writePrices(399);
        EXPECT_EQ(changed(), cli::kUnrecorded);
        EXPECT_EQ(priceOf(scale, 2), 399);
        writePrices(349);
        EXPECT_EQ(changed(), cli::kUnrecorded);
        EXPECT_TRUE(out.contains(kReading)) << out.join('\n').toStdString();
        EXPECT_EQ(numbersOf(scale), std::vector<quint16>{2});
        EXPECT_EQ(priceOf(scale, 2), 349);
        EXPECT_EQ(run({"status", "plu", prices, "--port", "/dev/ttyS5"}), cli::kDiffer);
        QSqlQuery(lock).exec("ROLLBACK");
        lock.close();
    }
    QSqlDatabase::removeDatabase("another program");
    EXPECT_EQ(run({"status", "plu", prices, "--port", "/dev/ttyS5", "--format", "csv"}),
              cli::kDiffer);
    EXPECT_TRUE(out.last().contains(",unconfirmed,")) << out.last().toStdString();
    QStringList words;
    for (const TransferEntry& e : Store(store()).history())
        words.prepend(e.outcome);
    EXPECT_EQ(words, (QStringList{"ok", "unrecorded", "unrecorded"}));
    ASSERT_EQ(changed(), 0); // reads, and trusts the store again
    EXPECT_EQ(run({"status", "plu", prices, "--port", "/dev/ttyS5"}), 0);
}

// The disk fills during a download: the job is not recorded, and the next Changed download,
// the disk free again, reads the scale rather than take the store's word for what it missed.
TEST_F(Memory, aDiskThatFillsDuringAJobLeavesTheScaleToBeRead) {
    ScaleState scale;
    // 200 records, all at `price`: more than the disk has room for.
    const auto writeAll = [&](int price) {
        QFile file(prices);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int n = 1; n <= 200; ++n)
            file.write(QStringLiteral("%1,\"ITEM %1\",\"\",%2,0,0,%1,0,0\r\n")
                           .arg(n)
                           .arg(price)
                           .toLatin1());
    };
    const auto changed = [&] {
        return run({"--port", "/dev/ttyS7", "download", "plu", prices, "--changed"},
                   scales({&scale}));
    };
    writeAll(349);
    ASSERT_EQ(changed(), 0);
    writeAll(399);
    {
        const FullDisk disk(QFileInfo(store()).size() + QFileInfo(store() + "-wal").size());
        EXPECT_EQ(changed(), cli::kUnrecorded);
    }
    EXPECT_TRUE(err.contains("check its disk: full, or gone?")) << err.toStdString();
    writeAll(349);
    ASSERT_EQ(changed(), 0);
    EXPECT_TRUE(out.contains(kReading)) << out.join('\n').toStdString();
    EXPECT_EQ(priceOf(scale, 2), 349);
}

// One store shared by two PCs: /dev/ttyS0 of the deli's PC and of the office's are two scales;
// the network serial server both PCs of the shop name is one.
TEST_F(Memory, eachPcsDeviceIsItsOwnScaleAndTheShopsServerIsShared) {
    ScaleState deli;
    ScaleState office;
    ScaleState server;
    writePrices(349);
    const auto onPc = [&](const char* pc, const QStringList& args, ScaleState& scale) {
        QFile conf(dir.filePath(QStringLiteral("%1.conf").arg(pc)));
        conf.open(QIODevice::WriteOnly);
        conf.write(QByteArray("pc = ") + pc + "\nshop = north\n");
        conf.close();
        qputenv("TARNLINK_SETTINGS", conf.fileName().toLocal8Bit());
        qputenv("TARNLINK_NOTES_DIR", dir.filePath(pc).toLocal8Bit());
        const int status = run(QStringList{"--port"} + args, scales({&scale}));
        qunsetenv("TARNLINK_SETTINGS");
        return status;
    };
    const QStringList ttyS0{"/dev/ttyS0", "download", "plu", prices, "--changed"};
    const QStringList tcp{"tcp:10.0.0.20:4001", "download", "plu", prices, "--changed"};
    ASSERT_EQ(onPc("deli", ttyS0, deli), 0);
    ASSERT_EQ(onPc("office", ttyS0, office), 0);
    EXPECT_EQ(numbersOf(office), (std::vector<quint16>{1, 2, 3}));
    ASSERT_EQ(onPc("deli", tcp, server), 0);
    ASSERT_EQ(onPc("office", tcp, server), 0);
    EXPECT_EQ(sent(), QStringList{kNothing}) << out.join('\n').toStdString();
    std::set<QString> places;
    for (const KnownScale& k : Store(store()).scales())
        places.insert(k.scale + " " + k.place);
    EXPECT_EQ(places, (std::set<QString>{"/dev/ttyS0 deli", "/dev/ttyS0 office",
                                         "tcp:10.0.0.20:4001 north"}));
}

// A scale that answers an upload request by PLU number has nothing in "slot 1" of a shop whose
// PLUs are 12, 17 and 3: the check learns what kind it is, takes no doubt from that, and finds
// a price keyed in at the scale by asking for its number.
TEST_F(Memory, theCheckLearnsAScaleThatAnswersByNumber) {
    ScaleState scale;
    scale.byNumber = true;
    QFile file(prices);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("12,\"APPLE\",\"\",150,3,0,2001,1,5\r\n17,\"PEAR\",\"\",349,3,0,2002,1,5\r\n"
               "3,\"PLUM\",\"\",990,3,0,2003,1,5\r\n");
    file.close();
    const auto changed = [&] {
        return run({"--port", "/dev/ttyS6", "download", "plu", prices, "--changed"},
                   scales({&scale}));
    };
    ASSERT_EQ(changed(), 0);
    ASSERT_EQ(changed(), 0);
    EXPECT_FALSE(out.contains(kReading)) << out.join('\n').toStdString();
    EXPECT_TRUE(out.contains("Nothing to send: 3 records read back agree with what Tarnlink sent; "
                             "whole table last read never"))
        << out.join('\n').toStdString();

    PluRecord keyed = decodePluReply(QByteArray(4, '\0') + scale.plus[17] + '\x10').record;
    keyed.unitPrice = 299;
    scale.plus[17] = encodePluRecord(keyed).bytes;
    ASSERT_EQ(changed(), 0);
    EXPECT_TRUE(out.contains("Checking what the scale holds: its record 17 is not as Tarnlink "
                             "sent it"));
    EXPECT_EQ(numbersOf(scale), std::vector<quint16>{17});
    EXPECT_EQ(priceOf(scale, 17), 349);
}

} // namespace
} // namespace tarn::testing
