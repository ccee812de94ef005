// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's .PLU and .INGRED reader and writer.

#include "Cp1252.h"
#include "TableFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::sim;

namespace {

class Files : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("t%1").arg(++n));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QByteArray read(const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    QTemporaryDir dir;
    int n = 0;
};

} // namespace

TEST_F(Files, pluFileLoadsFieldsInGridOrder) {
    PluTable t{};
    QString error;
    ASSERT_TRUE(loadPluFile(write("12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"
                                  "13,\"A, B\",\" \",,0,0,0,0,0\r\n"),
                            t, error))
        << error.toStdString();
    EXPECT_EQ(t[1], (PluRecord{12, 2001, "APPLE", "RED", 1500, 3, 0, 1, 5}));
    EXPECT_EQ(t[2].name1, "A, B");
    EXPECT_EQ(t[2].name2, " ");
    EXPECT_EQ(t[2].unitPrice, 0);
    EXPECT_EQ(t[3], PluRecord{});
}

TEST_F(Files, recordsMayRunAcrossLinesAndBlanksAreSkipped) {
    IngredTable t{};
    QString error;
    ASSERT_TRUE(loadIngredFile(
        write("  3,\"SUGAR\",\"SALT\"\r\n\" \",\" \",\" \",\" \",\" \",\"END\"\n\r\n"), t, error))
        << error.toStdString();
    EXPECT_EQ(t[1].messageNo, 3);
    EXPECT_EQ(t[1].lines[1], "SALT");
    EXPECT_EQ(t[1].lines[7], "END");
    EXPECT_EQ(t[2].messageNo, 0);
}

TEST_F(Files, badFilesAreRefusedWithTheLineAndLeaveTheTable) {
    const std::pair<QByteArray, const char*> cases[] = {
        {"1,\"A\",\"B\",x,0,0,0,0,0\r\n", "line 1: U/Price is not a number"},
        {"1,\"A\",\"B\",0,0,0,0,0,0\r\n40000,\"A\",\"B\",0,0,0,0,0,0\r\n",
         "line 2: PLU No is out of range"},
        {"1,\"A\",\"B\",0,0,-5,0,0,0\r\n", "record 1: field 6 is negative"},
        {"1,\"A\",\"B\",0,0\r\n", "line 1: the file ends before Tare"},
    };
    for (const auto& [bytes, message] : cases) {
        PluTable t{};
        t[1].pluNo = 99;
        QString error;
        EXPECT_FALSE(loadPluFile(write(bytes), t, error)) << message;
        EXPECT_EQ(error.toStdString(), message);
        EXPECT_EQ(t[1].pluNo, 99);
    }
    QByteArray many;
    for (int i = 1; i <= 201; ++i)
        many += QByteArray::number(i) + ",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    IngredTable t{};
    QString error;
    EXPECT_FALSE(loadIngredFile(write(many), t, error));
    EXPECT_EQ(error.toStdString(), "line 201: more than 200 records");
    EXPECT_FALSE(loadIngredFile(dir.filePath("missing"), t, error));
}

TEST_F(Files, saveWritesUpToTheLastRecordWithEmptyTextsAsOneSpace) {
    PluTable t{};
    t[1] = {12, 2001, "APPLE", "RED", 1500, 3, 0, 1, 5};
    t[3] = {14, 7, "", QString::fromUtf8("\u20ac1"), 1, 2, 3, 4, 5};
    const QString path = dir.filePath("out.PLU");
    QString error;
    ASSERT_TRUE(savePluFile(path, t, error)) << error.toStdString();
    EXPECT_EQ(read(path), QByteArray("12,\"APPLE\",\"RED\",1500,3,0,2001,1,5\r\n"
                                     "0,\" \",\" \",0,0,0,0,0,0\r\n"
                                     "14,\" \",\"\x80"
                                     "1\",1,2,3,7,4,5\r\n"));

    IngredTable in{};
    in[1].messageNo = 3;
    in[1].lines = {"SUGAR", "SALT", "", "", "", "", "", ""};
    const QString ipath = dir.filePath("out.INGRED");
    ASSERT_TRUE(saveIngredFile(ipath, in, error));
    EXPECT_EQ(read(ipath),
              QByteArray("3,\"SUGAR\",\"SALT\",\" \",\" \",\" \",\" \",\" \",\" \"\r\n"));
}

TEST_F(Files, saveAndLoadGiveBackTheTable) {
    IngredTable t{};
    for (int i = 1; i <= 200; ++i) {
        t[size_t(i)].messageNo = qint16(i);
        for (int k = 0; k < 8; ++k)
            t[size_t(i)].lines[size_t(k)] =
                QStringLiteral("line %1, %2 \u00e9").arg(i).arg(k).leftJustified(50);
    }
    const QString path = dir.filePath("all.INGRED");
    QString error;
    ASSERT_TRUE(saveIngredFile(path, t, error));
    IngredTable back{};
    ASSERT_TRUE(loadIngredFile(path, back, error)) << error.toStdString();
    EXPECT_TRUE(back == t);
}

TEST_F(Files, textWithoutACodePageByteIsNotWritten) {
    PluTable t{};
    t[1].pluNo = 1;
    t[1].name1 = QString::fromUtf8("\u4e2d");
    const QString path = dir.filePath("bad.PLU");
    QString error;
    EXPECT_FALSE(savePluFile(path, t, error));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(CodePage, everyByteRoundTripsAndEuroIs80) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toCp1252(fromCp1252(all)).value_or(QByteArray()), all);
    EXPECT_EQ(fromCp1252("\x80\x9f\xe9"), QString::fromUtf8("\u20ac\u0178\u00e9"));
    EXPECT_FALSE(toCp1252(QString::fromUtf8("\u0100")).has_value());
}
