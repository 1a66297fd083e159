// POSIX calls throughout: mkstemp's O_EXCL for the exclusive file, lstat so that a link at the
// target is judged as a link, fsync and rename for whole-or-nothing.
#include "OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static QString cannot(const QString &path, const QString &reason) {
    return QString("cannot write %1: %2").arg(path, reason);
}

QString targetProblem(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (lstat(name.constData(), &status) == 0 && !S_ISLNK(status.st_mode)) {
        if (S_ISDIR(status.st_mode))
            return cannot(path, "it is a folder");
        if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
            return cannot(path, "it is a device");
        if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode))
            return cannot(path, "it is a FIFO or socket, not a file");
        // Bits alone too: access() grants root everything.
        if ((status.st_mode & 0222) == 0 || access(name.constData(), W_OK) != 0)
            return cannot(path, "it is write-protected");
    }
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray where = QFile::encodeName(folder);
    if (stat(where.constData(), &status) != 0)
        return cannot(path, QString("its folder %1: %2").arg(folder, qt_error_string(errno)));
    if (!S_ISDIR(status.st_mode))
        return cannot(path, QString("%1 is not a folder").arg(folder));
    if (access(where.constData(), W_OK | X_OK) != 0)
        return cannot(path, QString("its folder %1: %2").arg(folder, qt_error_string(errno)));
    return {};
}

OutputFile::OutputFile(const QString &target) : target(target) {}

OutputFile::~OutputFile() {
    if (fd >= 0)
        close(fd);
    if (!committed && !partial.isEmpty())
        unlink(QFile::encodeName(partial).constData());
}

bool OutputFile::open(QString *error) {
    const QFileInfo info(target);
    // Hidden beside the target, with the extension last so that tools still know the format.
    QByteArray pattern =
        QFile::encodeName(info.dir().filePath(QString(".%1.XXXXXX").arg(info.completeBaseName())));
    const int suffixLength = info.suffix().isEmpty() ? 0 : int(info.suffix().size()) + 1;
    pattern += QFile::encodeName(target.right(suffixLength));
    fd = mkstemps(pattern.data(), suffixLength);
    if (fd < 0) {
        *error = cannot(target, qt_error_string(errno));
        return false;
    }
    partial = QFile::decodeName(pattern);
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask); // as a file the user makes, not mkstemp's 0600
    return true;
}

bool OutputFile::write(const QByteArray &data, QString *error) {
    for (qsizetype done = 0; done < data.size();) {
        const ssize_t written = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *error = cannot(target, qt_error_string(written < 0 ? errno : ENOSPC));
            return false;
        }
        done += written;
    }
    return true;
}

bool OutputFile::commit(QString *error) {
    // A full disk or a failing device may only tell at fsync or close.
    const int synced = fsync(fd) == 0 ? 0 : errno;
    const int closed = close(fd) == 0 ? 0 : errno;
    fd = -1;
    const int failed = synced ? synced : closed;
    if (failed == 0 && std::rename(QFile::encodeName(partial).constData(),
                                   QFile::encodeName(target).constData()) == 0) {
        committed = true;
        return true;
    }
    *error = cannot(target, qt_error_string(failed ? failed : errno));
    return false;
}
