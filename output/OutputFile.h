// Where a picture or a film is written. The target is checked before anything is drawn; the data
// goes to a file of its own beside it, made exclusively (never an existing file, never through a
// link), which takes the target's name only when whole. A link at the target is replaced, its
// own target untouched. A file not committed is removed.
#pragma once

#include <QByteArray>
#include <QString>

// Empty when path can be written; else one line naming path and the reason: a folder,
// a device, a FIFO or socket, a write-protected file, or a folder that cannot be written.
QString targetProblem(const QString &path);

class OutputFile {
public:
    explicit OutputFile(const QString &target);
    ~OutputFile(); // the unfinished file is removed
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Makes the file beside the target; false, with *error one line, when it cannot.
    bool open(QString *error);
    int handle() const { return fd; }
    QString partialPath() const { return partial; } // the file being written, until commit
    // All of data at the end; false with *error ("No space left on device", ...) when not.
    bool write(const QByteArray &data, QString *error);
    // Flushes it to disk and renames it over the target.
    bool commit(QString *error);

private:
    QString target, partial;
    int fd = -1;
    bool committed = false;
};
