// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarn;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(cannot read)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void fillRow(TextGrid& grid, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c)
        grid.setText(row, c + 1, cells[c]);
}

QStringList rowOf(const TextGrid& grid, int row) {
    QStringList out;
    for (int c = 0; c <= 9; ++c)
        out << grid.text(row, c);
    return out;
}

// A directory nobody may create files in, the owner and root included.
class ReadOnlyDir {
public:
    explicit ReadOnlyDir(const QString& path) : path_(path.toLocal8Bit()) {
        ::chmod(path_.constData(), 0555);
        if (::geteuid() == 0) {
            fd_ = ::open(path_.constData(), O_RDONLY | O_DIRECTORY);
            int flags = 0;
            if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
                flags |= FS_IMMUTABLE_FL;
                immutable_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
            }
        }
    }
    ~ReadOnlyDir() {
        if (immutable_) {
            int flags = 0;
            ::ioctl(fd_, FS_IOC_GETFLAGS, &flags);
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
        }
        if (fd_ >= 0)
            ::close(fd_);
        ::chmod(path_.constData(), 0755);
    }
    bool binds() const { return ::geteuid() != 0 || immutable_; }

private:
    QByteArray path_;
    int fd_ = -1;
    bool immutable_ = false;
};

class FileOps : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ws.startUp();
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    Workspace ws;
};

} // namespace

TEST_F(FileOps, pluSaveThenLoadGivesBackTheCells) {
    fillRow(ws.plu.grid, 1, {"12", "APPLE", "RED", "1500", "3", "0", "2001", "1", "5"});
    fillRow(ws.plu.grid, 2, {"007", "", "Caf\u00e9, dark", "2.0", "", "-4", "", "2", ""});
    const Report saved = save(ws, TableKind::Plu, path("t.PLU"));
    ASSERT_TRUE(saved.ok()) << saved.last().toStdString();
    EXPECT_EQ(saved.texts, QStringList{"PLU Count is 2"});
    EXPECT_EQ(ws.filePath(), path("t.PLU"));
    EXPECT_EQ(ws.plu.count, 2);
    EXPECT_EQ(ws.plu.grid.text(2, 9), QStringLiteral("0")); // the one cell a save fills in
    EXPECT_EQ(ws.plu.grid.text(2, 5), QString());
    EXPECT_EQ(readAll(path("t.PLU")), QByteArray("12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"
                                                 "7,\" \",\"Caf\xe9, dark\",2,0,-4,0,2,0\r\n"));

    Workspace other;
    other.startUp();
    const Report loaded = load(other, TableKind::Plu, path("t.PLU"));
    ASSERT_TRUE(loaded.ok()) << loaded.last().toStdString();
    EXPECT_EQ(loaded.texts, QStringList{"PLU Count is 2"});
    EXPECT_EQ(other.filePath(), path("t.PLU"));
    EXPECT_EQ(other.plu.count, 2);
    EXPECT_EQ(rowOf(other.plu.grid, 1),
              QStringList({"1", "12", "APPLE", "RED", "1500", "3", "0", "2001", "1", "5"}));
    EXPECT_EQ(rowOf(other.plu.grid, 2),
              QStringList({"2", "7", " ", "Caf\u00e9, dark", "2", "0", "-4", "0", "2", "0"}));
    EXPECT_EQ(rowOf(other.plu.grid, 3), QStringList({"3", "", "", "", "", "", "", "", "", ""}));
    for (int slot = 1; slot <= 2; ++slot)
        EXPECT_EQ(other.plu.records[size_t(slot)], ws.plu.records[size_t(slot)]);
}

TEST_F(FileOps, ingredientSaveReportsItsOwnCountTextAndLoadTheMessageCount) {
    const QString line50 = QString(47, QLatin1Char('s')) + QStringLiteral("   ");
    fillRow(ws.ingred.grid, 1, {"3", "SUGAR", "SALT"});
    fillRow(ws.ingred.grid, 2,
            {"4", line50, line50, line50, line50, line50, line50, line50, line50});
    fillRow(ws.ingred.grid, 3, {"5", "a, b"});
    fillRow(ws.ingred.grid, 5, {"6", "after row 4, which has no number"});
    const Report saved = save(ws, TableKind::Ingred, path("t.INGRED"));
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.texts, QStringList{"INGRED Count is 3"});
    EXPECT_EQ(ws.ingred.grid.text(1, 4), QString()); // the ingredient save leaves the grid alone
    const QByteArray bytes = readAll(path("t.INGRED"));
    EXPECT_TRUE(
        bytes.startsWith("3,\"SUGAR\",\"SALT\",\" \",\" \",\" \",\" \",\" \",\" \"\r\n4,\""))
        << bytes.toStdString();
    EXPECT_EQ(bytes.count("\r\n"), 3);

    ws.clear(TableKind::Ingred);
    const Report loaded = load(ws, TableKind::Ingred, path("t.INGRED"));
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.texts, QStringList{"Message Count is 3"});
    EXPECT_EQ(ws.ingred.count, 3);
    EXPECT_EQ(ws.ingred.grid.text(2, 9), line50);
    EXPECT_EQ(ws.ingred.grid.text(3, 2), QStringLiteral("a, b"));
    EXPECT_EQ(ws.ingred.grid.text(3, 3), QStringLiteral(" "));
    EXPECT_EQ(ws.ingred.grid.text(5, 1), QString());
}

TEST_F(FileOps, emptyGridSavesAnEmptyFileAndCountZero) {
    fillRow(ws.plu.grid, 1, {"1", "A"});
    ASSERT_TRUE(save(ws, TableKind::Plu, path("a.PLU")).ok());
    ws.plu.grid.setText(1, 1, QString());
    const Report saved = save(ws, TableKind::Plu, path("b.PLU"));
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(readAll(path("b.PLU")), QByteArray());
    EXPECT_EQ(ws.plu.count, 0);
    EXPECT_EQ(saved.texts, QStringList{"PLU Count is 0"});

    const Report loaded = load(ws, TableKind::Plu, path("b.PLU"));
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.texts, QStringList{"PLU Count is 0"});
    EXPECT_EQ(rowOf(ws.plu.grid, 200), QStringList({"200", "", "", "", "", "", "", "", "", ""}));
}

TEST_F(FileOps, failedLoadChangesNothingAndSaysWhy) {
    fillRow(ws.plu.grid, 1, {"1", "KEEP"});
    ASSERT_TRUE(save(ws, TableKind::Plu, path("keep.PLU")).ok());
    const PluTable before = ws.plu.records;
    const QStringList row1 = rowOf(ws.plu.grid, 1);

    QByteArray lines;
    for (int i = 1; i <= 201; ++i)
        lines += QByteArray::number(i) + ",\"N\",\"X\",1,2,3,4,5,6\r\n";
    writeFile(path("long.PLU"), lines);
    writeFile(path("bad.PLU"), "1,\"A\",\"B\",1,2,3,4,5,6\r\n2,\"A\",\"B\",cheap,2,3,4,5,6\r\n");

    const Report tooLong = load(ws, TableKind::Plu, path("long.PLU"));
    EXPECT_EQ(tooLong.result, Report::Result::Failed);
    EXPECT_EQ(tooLong.texts, QStringList{"ERROR! line 201: more than 200 records"});
    const Report bad = load(ws, TableKind::Plu, path("bad.PLU"));
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(bad.texts, QStringList{"ERROR! line 2: U/Price is not a number"});
    const Report missing = load(ws, TableKind::Plu, path("missing.PLU"));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.last().startsWith(QStringLiteral("ERROR! cannot open ")));

    EXPECT_EQ(ws.plu.records, before);
    EXPECT_EQ(ws.plu.count, 1);
    EXPECT_EQ(rowOf(ws.plu.grid, 1), row1);
    EXPECT_EQ(rowOf(ws.plu.grid, 2), QStringList({"2", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(ws.filePath(), path("keep.PLU"));
}

TEST_F(FileOps, loadOf200LinesFillsEveryRowAndKeepsRowsBeyond200) {
    QByteArray lines;
    for (int i = 1; i <= 200; ++i)
        lines += QByteArray::number(i) + ",\"M\"\r\n\" \",\" \",\" \",\" \",\" \",\" \",\"L\"\r\n";
    writeFile(path("full.INGRED"), lines);
    ws.ingred.grid.setRows(203);
    ws.ingred.grid.setText(202, 1, QStringLiteral("extra"));
    const Report loaded = load(ws, TableKind::Ingred, path("full.INGRED"));
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.texts, QStringList{"Message Count is 200"});
    EXPECT_EQ(ws.ingred.count, 200);
    EXPECT_EQ(rowOf(ws.ingred.grid, 200),
              QStringList({"200", "200", "M", " ", " ", " ", " ", " ", " ", "L"}));
    EXPECT_EQ(ws.ingred.grid.rows(), 203);
    EXPECT_EQ(ws.ingred.grid.text(202, 1), QStringLiteral("extra"));
}

TEST_F(FileOps, gridThatCannotBeSavedChangesNothingAndAsksForNoPath) {
    fillRow(ws.plu.grid, 1, {"1", "A", "B", "10", "", "", "", "", ""});
    ASSERT_TRUE(save(ws, TableKind::Plu, path("old.PLU")).ok());
    const QByteArray oldBytes = readAll(path("old.PLU"));
    const PluTable before = ws.plu.records;

    fillRow(ws.plu.grid, 1, {"5", "A", "B", "10", "", "", "", "", ""});
    fillRow(ws.plu.grid, 2, {"2", "A", "B", "ten"});
    bool asked = false;
    const auto chooser = [&]() -> std::optional<QString> {
        asked = true;
        return path("old.PLU");
    };
    const Report notANumber = save(ws, TableKind::Plu, chooser);
    EXPECT_FALSE(notANumber.ok());
    EXPECT_EQ(notANumber.texts, QStringList{"ERROR! row 2: U/Price is not a number"});

    fillRow(ws.plu.grid, 2, {"2", "say \"hi\"", "B", "10"});
    const Report quote = save(ws, TableKind::Plu, chooser);
    EXPECT_FALSE(quote.ok());
    EXPECT_EQ(quote.texts, QStringList{"ERROR! row 2: Item name1 contains a double quote"});

    EXPECT_FALSE(asked);
    EXPECT_EQ(ws.plu.records, before);
    EXPECT_EQ(ws.plu.count, 1);
    EXPECT_EQ(ws.plu.grid.text(2, 9), QString()); // no "0" filled in on a refused save
    EXPECT_EQ(readAll(path("old.PLU")), oldBytes);
}

TEST_F(FileOps, cancelledSaveIsSilentAndChangesNothing) {
    fillRow(ws.plu.grid, 1, {"1", "A"});
    const Report o = save(ws, TableKind::Plu, [] { return std::optional<QString>(); });
    EXPECT_EQ(o.result, Report::Result::Cancelled);
    EXPECT_TRUE(o.texts.isEmpty());
    EXPECT_EQ(ws.plu.count, 0);
    EXPECT_EQ(ws.plu.grid.text(1, 9), QString());
    EXPECT_EQ(ws.filePath(), QStringLiteral("?"));
}

TEST_F(FileOps, saveIntoAReadOnlyFolderLeavesTheOldFileIntact) {
    QDir(dir.path()).mkdir(QStringLiteral("shop"));
    const QString target = path("shop/prices.PLU");
    writeFile(target, "1,\"OLD\",\" \",1,0,0,0,0,0\r\n");
    fillRow(ws.plu.grid, 1, {"2", "NEW"});
    {
        ReadOnlyDir guard(path("shop"));
        if (!guard.binds())
            GTEST_SKIP() << "cannot make a folder read-only here";
        const Report o = save(ws, TableKind::Plu, target);
        EXPECT_EQ(o.result, Report::Result::Failed);
        EXPECT_TRUE(o.last().startsWith(QStringLiteral("ERROR! cannot save ")))
            << o.last().toStdString();
    }
    EXPECT_EQ(readAll(target), QByteArray("1,\"OLD\",\" \",1,0,0,0,0,0\r\n"));
    EXPECT_EQ(QDir(path("shop")).entryList(QDir::Files), QStringList({"prices.PLU"}));
    EXPECT_EQ(ws.plu.count, 0);
    EXPECT_EQ(ws.filePath(), QStringLiteral("?"));
}

TEST_F(FileOps, writeThatFailsHalfwayLeavesTheOldFileIntact) {
    const QString target = path("prices.PLU");
    writeFile(target, "1,\"OLD\",\" \",1,0,0,0,0,0\r\n");
    for (int r = 1; r <= 200; ++r)
        fillRow(ws.plu.grid, r, {QString::number(r), QStringLiteral("a fairly long item name")});

    // The file system takes only the first 512 bytes of any file written now.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 512;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Report o = save(ws, TableKind::Plu, target);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(o.result, Report::Result::Failed);
    EXPECT_TRUE(o.last().startsWith(QStringLiteral("ERROR! cannot save ")));
    EXPECT_EQ(readAll(target), QByteArray("1,\"OLD\",\" \",1,0,0,0,0,0\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"prices.PLU"}));
    EXPECT_EQ(ws.plu.count, 0);
}
