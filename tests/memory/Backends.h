// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two back ends the store's tests run on: a file in a temporary folder, and a new database
// on the tests' PostgreSQL server (started by the pg-start.sh fixture, its URL in the file
// named by TARNLINK_TEST_PG).

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <string>

enum class Backend { Sqlite, Postgres };

std::string backendName(Backend b);

// Where the tests' server runs, from the fixture's file.
struct TestServer {
    QString url;  // postgresql://USER@127.0.0.1:PORT/postgres
    QString data; // its folder
    QString bin;  // its programs
};
// The tests' server (or the one whose URL is in `file`); empty url with `failure` set when it
// did not start (the tests fail: the store on a server is part of what they prove). `skip` is
// left empty.
TestServer testServer(QString* skip, QString* failure, const QString& file = {});
// Runs `program` with `args` to its end; its exit status, or -1. A plain fork and exec, which
// ThreadSanitizer follows (a Qt process's own way of starting leaves it seeing races that
// are not there).
int runProgram(const QString& program, const QStringList& args);
// A new, empty database on the server at `url`; the URL naming it, or empty (and *why) when it
// could not be made.
QString newDatabase(const QString& url, QString* why);

// Writes a file at `path` that is no store (4 KiB of 'x'): its bytes, for a test to find them
// unchanged later; empty when it could not be written.
QByteArray writeBrokenStore(const QString& path);

// One store of a test's own on a back end: path() is what Store opens.
class StoreSite {
public:
    explicit StoreSite(Backend b);
    QString path() const { return path_; }
    QString skip;      // why the back end is not there to test
    QString failure;   // why it should be, and is not
    QTemporaryDir dir; // the test's own folder, on either back end

private:
    QString path_;
};
