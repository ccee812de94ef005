// SPDX-License-Identifier: GPL-3.0-or-later
// A save killed at any moment leaves the old file or the new one, never a mix or a stump.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

int runChild(const char* kind, const char* mode, const QString& path, int* readEnd = nullptr) {
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const QByteArray target = QFile::encodeName(path);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(SAVE_CHILD, SAVE_CHILD, kind, mode, target.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (readEnd)
        *readEnd = fds[0];
    else
        close(fds[0]);
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

struct KillRun {
    int kills = 0;
    int sawOld = 0; // the target held content a when the child died
    int sawNew = 0; // content b
    QStringList strange;
};

// Saves content a once, then lets a child save b, a, b ... over it and kills it after a
// random number of completed saves and a random moment into the next one.
KillRun killWhileSaving(const char* kind, const QString& suffix, int kills) {
    QTemporaryDir dir;
    const QString refA = dir.filePath("a" + suffix);
    const QString refB = dir.filePath("b" + suffix);
    const QString target = dir.filePath("shop" + suffix);
    KillRun run;
    if (!WIFEXITED(waitFor(runChild(kind, "a", refA))) ||
        !WIFEXITED(waitFor(runChild(kind, "b", refB))) ||
        !WIFEXITED(waitFor(runChild(kind, "a", target)))) {
        run.strange.append("the reference saves failed");
        return run;
    }
    const QByteArray a = contents(refA);
    const QByteArray b = contents(refB);
    if (a == b || a.isEmpty() || b.isEmpty() || contents(target) != a) {
        run.strange.append("the reference files are not two distinct contents");
        return run;
    }

    std::mt19937 random(20261207u + uint(kills) + uint(suffix.size()));
    for (int i = 0; i < kills; ++i) {
        int readEnd = -1;
        const pid_t pid = runChild(kind, "loop", target, &readEnd);
        // Let 0 to 2 saves complete, then kill somewhere inside the one after.
        const int complete = int(random() % 3);
        char byte;
        for (int s = 0; s < complete; ++s)
            if (read(readEnd, &byte, 1) != 1)
                break;
        usleep(useconds_t(random() % 4000));
        kill(pid, SIGKILL);
        const int status = waitFor(pid);
        close(readEnd);
        if (!WIFSIGNALED(status)) {
            run.strange.append(QStringLiteral("kill %1: the child ended by itself").arg(i));
            continue;
        }
        ++run.kills;
        const QByteArray now = contents(target);
        if (now == a)
            ++run.sawOld;
        else if (now == b)
            ++run.sawNew;
        else
            run.strange.append(QStringLiteral("kill %1: the target holds %2 bytes of neither")
                                   .arg(i)
                                   .arg(now.size()));
    }
    return run;
}

void expectWholeFiles(const char* kind, const QString& suffix) {
    const KillRun run = killWhileSaving(kind, suffix, 60);
    EXPECT_TRUE(run.strange.isEmpty()) << run.strange.join("; ").toStdString();
    EXPECT_EQ(run.kills, 60);
    // Both contents turn up, so the kills did land between and inside saves.
    EXPECT_GT(run.sawOld, 0);
    EXPECT_GT(run.sawNew, 0);
}

TEST(KilledSave, pluFileIsAlwaysTheOldOrTheNewFile) {
    expectWholeFiles("plu", ".PLU");
}

TEST(KilledSave, ingredientFileIsAlwaysTheOldOrTheNewFile) {
    expectWholeFiles("ingred", ".INGRED");
}

TEST(KilledSave, workbookIsAlwaysTheOldOrTheNewFile) {
    expectWholeFiles("xls", ".xls");
}

} // namespace
