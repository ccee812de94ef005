// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backends.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <cerrno>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

int runProgram(const QString& program, const QStringList& args) {
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString& a : args)
        words.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    while (pid > 0 && waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return pid > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string backendName(Backend b) {
    return b == Backend::Sqlite ? "SQLite" : "PostgreSQL";
}

TestServer testServer(QString* skip, QString* failure, const QString& named) {
    TestServer out;
    QFile file(named.isEmpty() ? qEnvironmentVariable("TARNLINK_TEST_PG") : named);
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly)) {
        // The store on a server is part of what ./test proves: its absence is a failure.
        *failure = QStringLiteral("the tests' PostgreSQL server did not start (run through "
                                  "ctest: the fixture pg-start.sh; tools/install-deps installs "
                                  "the server programs)");
        Q_UNUSED(skip);
        return out;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.size() >= 3) {
        out.url = lines[0];
        out.data = lines[1];
        out.bin = lines[2];
    }
    return out;
}

QByteArray writeBrokenStore(const QString& path) {
    const QByteArray junk(4096, 'x');
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(junk) != junk.size())
        return {};
    return junk;
}

QString newDatabase(const QString& url, QString* why) {
    static int made = 0;
    const QString name = QStringLiteral("store_%1_%2").arg(getpid()).arg(++made);
    const QUrl at(url);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), "maker");
        db.setHostName(at.host());
        db.setPort(at.port());
        db.setUserName(at.userName());
        db.setDatabaseName(at.path().mid(1));
        QSqlQuery q(db);
        if (!db.open() || !q.exec(QStringLiteral("CREATE DATABASE ") + name))
            *why = db.lastError().text() + q.lastError().text();
    }
    QSqlDatabase::removeDatabase("maker");
    if (!why->isEmpty())
        return {};
    QUrl made_(at);
    made_.setPath(QLatin1Char('/') + name);
    return made_.toString();
}

StoreSite::StoreSite(Backend b) {
    if (b == Backend::Sqlite) {
        path_ = dir.filePath(QStringLiteral("scales.sqlite"));
        return;
    }
    const TestServer server = testServer(&skip, &failure);
    if (!server.url.isEmpty())
        path_ = newDatabase(server.url, &failure);
}
