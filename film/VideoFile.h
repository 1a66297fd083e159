// A film being encoded: upright RGBA frames of one size at a fixed rate, into a file the caller
// has opened. FFmpeg and its libraries live in a module of their own, loaded only when a film is
// recorded, so that the window and the screen saver never map them.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

// What a film's extension picks: .mp4, .mkv and .mov hold H.264 (yuv420p, which wants an even
// width and height), .webm VP9, .gif a GIF of a fixed 256-colour palette.
struct FilmFormat {
    const char *extension, *name, *encoder;
    bool evenSides; // planes at half the size: an odd side cannot be encoded
    int mostFps;    // a GIF's delays are hundredths, and viewers slow those under 2
};
// The format path's extension names, or nullptr.
const FilmFormat *filmFormat(const QString &path);

// Frames a second as a fraction: 30/1, or 30000/1001 for NTSC's 29.97.
struct FrameRate {
    int frames = 30, seconds = 1;
    double perSecond() const { return double(frames) / seconds; }
};

class VideoFile {
public:
    virtual ~VideoFile() = default;
    // The next frame, one frame's time after the last; false (and *error) when writing failed.
    virtual bool add(const QImage &frame, QString *error) = 0;
    // Flushes the encoder and writes the file's end; false (and *error) when that failed.
    virtual bool finish(QString *error) = 0;

    // Loads the module and starts an encoder writing into the open file fd, which path names
    // (an MP4 reads it back to put its index first); errors name target. nullptr, with *error
    // set to one line, when the module or its encoder cannot be had.
    static std::unique_ptr<VideoFile> open(int fd, const QString &path, const QString &target,
                                           QSize size, FrameRate rate, QString *error);
};

// The module's one entry, resolved by name.
using OpenFilm = VideoFile *(*)(int fd, const QString &path, const QString &target,
                                const FilmFormat &format, QSize size, FrameRate rate,
                                QString *error);
