// The film formats, and the module loaded from beside the program: FILM_MODULE is its path
// relative to the program's folder, the same in the build tree and under an install prefix.
#include "VideoFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

static const FilmFormat formats[] = {{"mp4", "H.264", "libx264", true, 240},
                                     {"mkv", "H.264", "libx264", true, 240},
                                     {"mov", "H.264", "libx264", true, 240},
                                     {"webm", "VP9", "libvpx-vp9", true, 240},
                                     {"gif", "GIF", "gif", false, 50}};

const FilmFormat *filmFormat(const QString &path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const FilmFormat &format : formats)
        if (extension == format.extension)
            return &format;
    return nullptr;
}

std::unique_ptr<VideoFile> VideoFile::open(int fd, const QString &path, const QString &target,
                                           QSize size, FrameRate rate, QString *error) {
    const FilmFormat *format = filmFormat(target);
    if (!format) {
        *error = QString("%1: unknown film format").arg(target);
        return nullptr;
    }
    // Kept loaded for the process: the film's code runs from it until the end.
    static QLibrary module(QCoreApplication::applicationDirPath() + "/" FILM_MODULE);
    const auto openFilm = reinterpret_cast<OpenFilm>(module.resolve("openFilm"));
    if (!openFilm) {
        *error =
            QString("cannot record films without the film module: %1").arg(module.errorString());
        return nullptr;
    }
    return std::unique_ptr<VideoFile>(openFilm(fd, path, target, *format, size, rate, error));
}
