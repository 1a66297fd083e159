// A film written through FFmpeg's libraries, no external program. The file's extension picks the
// format: .mp4, .mkv and .mov hold H.264 (yuv420p, which wants an even width and height), .webm
// VP9, .gif a GIF of a fixed 256-colour palette. Frames are upright RGBA pictures of one size at
// a fixed rate. The film is written beside its path under a temporary name and takes the path
// only when finished: a failure or an abandoned film leaves no file behind.
#pragma once

#include <QSize>
#include <QString>
#include <memory>

class QImage;

class VideoFile {
public:
    // nullptr, with *error set to one line, when the extension is unknown, its encoder missing,
    // the size unfit for it, or the file cannot be written there.
    static std::unique_ptr<VideoFile> create(const QString &path, QSize size, int fps,
                                             QString *error);
    ~VideoFile(); // an unfinished film is removed

    // The next frame, 1/fps seconds after the last; false (and *error) when writing failed.
    bool add(const QImage &frame, QString *error);
    // Flushes the encoder and writes the file's end; false (and *error) when that failed.
    bool finish(QString *error);

    struct Codec; // what FFmpeg needs, kept out of this header
private:
    explicit VideoFile(std::unique_ptr<Codec> codec);
    std::unique_ptr<Codec> codec;
};
