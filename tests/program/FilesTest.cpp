// What pictures and films do to files: a target that cannot be written, or no OpenGL, is refused
// before anything is written, with one line naming it and why; a full disk or a signal leaves no
// file; a film never has its final name before it is whole, and two runs into one name keep to
// their own files. (A link at the target: with the formats.)
#include "FilmJob.h"
#include "Testing.h"

#include <csignal>
#include <sys/stat.h>

namespace {

// Targets and settings that are refused, and what the line says, "; " between the rows.
const char *const refusals =
    "--record OUT/none/f.mp4 => f.mp4: its folder; --picture OUT/none/p.png => p.png: its folder; "
    "--picture OUT/folder.png => folder.png: it is a folder; --record /dev/null => /dev/null: it "
    "is a device; --picture OUT/fifo.png => fifo.png: it is a FIFO; --picture OUT/locked.png => "
    "locked.png: it is write-protected; --record OUT/f.avi => unknown film format '.avi'; "
    "--picture OUT/p.xyz => no picture format is called 'xyz'; --record OUT/f.mp4 --size 161x120 "
    "=> even width and height; --picture OUT/p.png --settings OUT/none.ini => cannot read "
    "settings from; --picture OUT/p.png --settings OUT/folder.png => it is not a regular file; "
    "--record OUT/f.mp4 => (EGL_PLATFORM_SURFACELESS_MESA) stopped at";

TEST(Files, WhatCannotBeWrittenIsRefusedWithOneLine) {
    Job job;
    QDir(job.folder.path()).mkdir("folder.png");
    mkfifo(QFile::encodeName(job.path("fifo.png")).constData(), 0644);
    job.write("locked.png", "kept");
    QFile::setPermissions(job.path("locked.png"), QFile::ReadOwner);
    const QStringList before = job.written();
    // Without a driver for EGL: every refusal comes before the OpenGL, then the OpenGL's.
    for (const QString &row : QString(refusals).split("; ")) {
        const Ended ended =
            runProgram(job.arguments(row.section(" => ", 0, 0)),
                       {{"__EGL_VENDOR_LIBRARY_FILENAMES", "/none.json"}}, {"DISPLAY"});
        EXPECT_TRUE(ended.status == 1 && ended.lines.size() == 1 &&
                    ended.lines[0].contains(row.section(" => ", 1)))
            << qPrintable(row) << qPrintable(ended.lines.join('\n'));
    }
    const Ended wide = job.run("--picture OUT/p.png --size 16385x2");
    EXPECT_EQ(seen(wide.status, wide.lines.size()), "2 0");
    EXPECT_EQ(seen(job.written(), job.read("locked.png")), seen(before, "kept"));
}

// On a full disk (a 4 KiB tmpfs) pictures and films say so and leave nothing; a read-only
// folder is refused before drawing. Mounted in a user and mount namespace of the test's own.
TEST(Files, AFullDiskOrAReadOnlyFolderLeavesNothing) {
    Job job;
    QProcess shell;
    shell.setProcessEnvironment(programEnvironment(job.path("config"), {}, {"DISPLAY"}));
    shell.start("unshare",
                {"-r", "-m", "sh", "-c",
                 "cd \"$0\" && mkdir full ro && mount -t tmpfs -o size=4k none full && "
                 "mount -t tmpfs -o ro none ro || exit 9; "
                 "for job in '--picture full/p.png' '--record full/f.mp4 --duration 2' "
                 "'--picture ro/p.png'; do \"$1\" $job --settings s.ini; echo \"status $?\"; done; "
                 "ls -A full ro",
                 job.folder.path(), TETRAVOLUTE});
    ASSERT_TRUE(shell.waitForFinished(30000));
    const QString said = QString::fromLocal8Bit(shell.readAllStandardError()); // one line each
    EXPECT_EQ(seen(shell.readAllStandardOutput(), said.count('\n'),
                   said.count("No space left on device"), said.count("ro/p.png: its folder")),
              seen("status 1\nstatus 1\nstatus 1\nfull:\n\nro:\n", 3, 2, 1))
        << qPrintable(said);
}

// A film recording into f.mp4, once its own file has appeared beside it.
struct Recording {
    QProcess program;
    QString partial;
    explicit Recording(const Job &job) {
        program.setProcessEnvironment(programEnvironment(job.path("config"), {}, {"DISPLAY"}));
        program.start(TETRAVOLUTE, job.arguments("--record OUT/f.mp4 --size 320x180 --duration "
                                                 "100000f --settings OUT/s.ini"));
        for (int wait = 0; wait < 200 && partial.isEmpty(); ++wait) {
            QThread::msleep(50);
            partial = job.written().filter(QRegularExpression(R"(^\.f\..{6}\.mp4$)")).value(0);
        }
    }
    // The status and the lines said after sig.
    QString stop(int sig) {
        ::kill(pid_t(program.processId()), sig);
        program.waitForFinished(20000);
        return seen(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                    logLines(program.readAllStandardError()).join('|'));
    }
};

// Each termination signal ends a film with one line and status 1, and takes its file back; until
// then the film has only its own hidden name. A second run into the same name finishes with its
// own file and leaves the first run's alone.
TEST(Files, SignalsLeaveNoFileAndTwoRunsKeepToTheirOwn) {
    Job job;
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) {
        Recording film(job);
        EXPECT_EQ(seen(film.partial.isEmpty(), job.written().contains("f.mp4")), "false false");
        const QString ended = film.stop(sig);
        EXPECT_TRUE(ended.startsWith("1 ") && ended.contains("stopped by a signal") &&
                    !ended.contains('|'))
            << qPrintable(ended) << " " << strsignal(sig);
        EXPECT_EQ(job.written(), QStringList()) << strsignal(sig);
    }
    Recording first(job);
    const Ended second = job.run("--record OUT/f.mp4 --size 32x32 --duration 3f --settings "
                                 "OUT/s.ini");
    EXPECT_EQ(seen(second.status, job.written()), seen(0, QStringList{first.partial, "f.mp4"}));
    EXPECT_TRUE(first.stop(SIGTERM).startsWith("1 "));
    EXPECT_EQ(seen(job.written(), QFileInfo(job.path("f.mp4")).size() < 10000), // its 3 frames
              "QList(f.mp4) true");
}

} // namespace
