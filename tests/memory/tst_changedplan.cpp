// SPDX-License-Identifier: GPL-3.0-or-later
// What a Changed download sends and whether it takes the store's word, as a table of cases:
// the store's word and what the job has read so far in, the next step out.
#include "ChangedPlan.h"

#include <gtest/gtest.h>

#include <set>

using namespace tarn;
using Do = ChangedStep::Do;

namespace {

QByteArray bytes(int number, int price) {
    return QStringLiteral("%1:%2").arg(number).arg(price).toLatin1().leftJustified(72, ' ');
}

// A table of `count` PLUs numbered 10, 20, 30, ..., each at price 100; the store holds it as
// sent, record i confirmed i minutes ago (the highest number the least recently seen).
struct Plan : ::testing::Test {
    ChangedFacts facts;
    const QDateTime now = QDateTime::currentDateTimeUtc();

    void table(int count) {
        facts.table.clear();
        facts.word.held.clear();
        for (int i = 1; i <= count; ++i) {
            facts.table.push_back({i, 10 * i, bytes(10 * i, 100)});
            facts.word.held[10 * i] = {bytes(10 * i, 100), now.addSecs(-60 * i), 0};
        }
    }
    ChangedStep plan() { return planChanged(facts, now.toLocalTime()); }
    void answer(int asked, std::optional<int> number, int price = 100, bool byNumber = false) {
        facts.readBack.push_back(
            {asked, byNumber, number, number ? bytes(*number, price) : QByteArray()});
    }
};

TEST_F(Plan, whatTheJobReadDecidesWhateverTheStoreSays) {
    table(3);
    facts.word.doubt = QStringLiteral("the store could not keep its last job");
    ChangedStep step = plan();
    EXPECT_EQ(step.what, Do::ReadWhole);
    EXPECT_EQ(step.said, (QStringList{"The store cannot vouch for this scale: the store could not "
                                      "keep its last job",
                                      "The scale does not hold what Tarnlink last sent it: "
                                      "reading its table"}));
    EXPECT_TRUE(step.ask.empty()); // an "All" upload

    // The scale holds 20 at another price and 99 besides; the store's word is not asked.
    facts.whole = std::map<int, QByteArray>{
        {10, bytes(10, 100)}, {20, bytes(20, 90)}, {30, bytes(30, 100)}, {99, bytes(99, 1)}};
    step = plan();
    EXPECT_EQ(step.what, Do::Send);
    EXPECT_EQ(step.toSend, std::vector<int>{2});
    EXPECT_EQ(step.extra, 1);
    EXPECT_EQ(extraRecordsText(193, true), "Nothing to send; the scale also holds 193 records "
                                           "this table does not have (Compare lists them)");

    // A scale that answers by number is read one number at a time, its own and the store's.
    facts.whole.reset();
    facts.word.answers = ScaleAnswers::ByNumber;
    facts.word.held[77] = {bytes(77, 1), now, 0};
    step = plan();
    EXPECT_EQ(step.ask, (std::vector<int>{10, 20, 30, 77}));
    EXPECT_TRUE(step.byNumber);
}

TEST_F(Plan, theStoresWordIsTakenOnlyOnceTheLeastRecentlySeenReadBackAsItSays) {
    table(5);
    facts.word.held[20].slot = 4;          // read back from slot 4 once; the others only ever sent
    facts.table[0].bytes = bytes(10, 120); // PLU 10 is sent anyway
    ChangedStep step = plan();
    EXPECT_EQ(step.what, Do::ReadBack);
    // 50, 40, 30 least recently seen; 20 is in slot 4, so the others are in slots 1, 2, 3, 5.
    EXPECT_EQ(step.ask, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(step.byNumber);

    answer(1, 50);
    answer(2, 40);
    answer(3, 30);
    step = plan();
    EXPECT_EQ(step.what, Do::Send);
    EXPECT_EQ(step.toSend, std::vector<int>{1});
    EXPECT_EQ(step.answers, ScaleAnswers::BySlot); // slot 1 held PLU 50
    facts.readBack.clear();
    table(3);
    answer(1, 30);
    answer(2, 20);
    answer(3, 10);
    facts.word.readWhole = now.addDays(-1);
    step = plan();
    EXPECT_TRUE(step.toSend.empty());
    EXPECT_EQ(step.nothing, QStringLiteral("Nothing to send: 3 records read back agree with what "
                                           "Tarnlink sent; whole table last read yesterday ") +
                                now.addDays(-1).toLocalTime().toString("HH:mm"));
}

TEST_F(Plan, aRecordNotAsSentOrAnEmptySlotReadsTheTable) {
    table(3);
    answer(1, 30, 250); // a price keyed in at the scale
    EXPECT_EQ(plan().said.first(),
              "Checking what the scale holds: its record 30 is not as Tarnlink sent it");
    facts.readBack.clear();
    facts.word.answers = ScaleAnswers::BySlot;
    answer(1, std::nullopt);
    const ChangedStep step = plan();
    EXPECT_EQ(step.what, Do::ReadWhole);
    EXPECT_EQ(step.said.first(), "Checking what the scale holds: its slot 1 is empty");
}

// Asked by slot, a scale that answers by number has nothing in "slot 1": a number it should
// hold is asked for before that counts as a doubt, and what it answers teaches which it is.
TEST_F(Plan, aScaleThatAnswersByNumberIsLearnedNotDoubted) {
    table(3);
    answer(1, std::nullopt);
    ChangedStep step = plan();
    EXPECT_EQ(step.what, Do::ReadBack);
    EXPECT_EQ(step.ask, std::vector<int>{10});
    EXPECT_TRUE(step.byNumber);
    answer(10, 10, 100, true);
    step = plan();
    EXPECT_EQ(step.answers, ScaleAnswers::ByNumber);
    EXPECT_EQ(step.ask, (std::vector<int>{30, 20}));
    answer(30, std::nullopt, 100, true);
    step = plan();
    EXPECT_EQ(step.what, Do::ReadWhole);
    EXPECT_EQ(step.said.first(), "Checking what the scale holds: its record 30 is missing");
}

// Every record of a 200-record table is read back within 67 Changed jobs of three reads each,
// on a scale that keeps its records in an order of its own.
TEST_F(Plan, theCheckReachesEveryRecordInTurn) {
    table(200);
    std::map<int, int> slotOf; // the scale's slot of each number: reversed
    for (int i = 1; i <= 200; ++i)
        slotOf[10 * i] = 201 - i;
    std::set<int> seen;
    for (int job = 1; job <= 67; ++job) {
        facts.readBack.clear();
        ChangedStep step = plan();
        while (step.what == Do::ReadBack) {
            for (const int slot : step.ask) {
                const int number = 10 * (201 - slot);
                answer(slot, number);
                seen.insert(number);
                facts.word.held[number].slot = slotOf[number];
                facts.word.held[number].confirmed = now.addSecs(job);
            }
            step = plan();
        }
        ASSERT_EQ(step.what, Do::Send) << step.said.join('\n').toStdString();
    }
    EXPECT_EQ(seen.size(), 200u);
}

} // namespace
