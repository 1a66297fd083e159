// Pictures and films from the command line: each film's stream read back through libavformat
// (codec, size, frames); the same settings give the same bytes; a GIF's first frame is the
// picture of moment 0; and what cannot be written ends with one line, status 1 and no file.
#include "Program.h"
#include "Testing.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

// The film's codec, frame size and number of frames (packets: each holds one frame).
QString stream(const QString &path) {
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path), nullptr, nullptr) < 0)
        return "unreadable";
    avformat_find_stream_info(format, nullptr);
    const AVCodecParameters *codec = format->streams[0]->codecpar;
    AVPacket *packet = av_packet_alloc();
    int frames = 0;
    for (; av_read_frame(format, packet) >= 0; av_packet_unref(packet))
        frames += packet->stream_index == 0;
    av_packet_free(&packet);
    const QString shown =
        seen(avcodec_get_name(codec->codec_id), QSize(codec->width, codec->height), frames);
    avformat_close_input(&format);
    return shown;
}

// Pixels whose grey levels differ by more than a codec's loss on an edge.
int changedPixels(const QImage &a, const QImage &b) {
    const QImage x = a.convertToFormat(QImage::Format_Grayscale8),
                 y = b.convertToFormat(QImage::Format_Grayscale8);
    int changed = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column)
            changed += std::abs(x.constScanLine(row)[column] - y.constScanLine(row)[column]) > 64;
    return changed;
}

// Each format holds its frames at its size, and nothing is left beside the films. The clock is
// the film's own: the same settings give the same bytes, and the first frame is the picture of
// moment 0 (but for the GIF palette's loss); 4.5 s later the figure has breathed.
TEST(Record, EachFormatHoldsItsFramesAndTheClockIsTheFilms) {
    QTemporaryDir folder;
    const auto run = [&](const QString &arguments) {
        return runProgram(QString(arguments).replace("OUT/", folder.path() + "/").split(' '));
    };
    for (const auto &[arguments, held] :
         {std::pair("a.mp4 --duration 1s", "h264 QSize(160, 120) 30"),
          std::pair("a.webm --duration 0:01", "vp9 QSize(160, 120) 30"),
          std::pair("a.gif --duration 10 --fps 2", "gif QSize(160, 120) 10"),
          std::pair("b.gif --duration 10 --fps 2", "gif QSize(160, 120) 10")}) {
        const Ended ended = run(QString("--size 160x120 --record OUT/") + arguments);
        EXPECT_EQ(
            seen(ended.status, stream(folder.filePath(QString(arguments).section(' ', 0, 0)))),
            seen(0, held))
            << qPrintable(ended.lines.join('\n'));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({"a.gif", "a.mp4", "a.webm", "b.gif"}));
    QFile a(folder.filePath("a.gif")), b(folder.filePath("b.gif"));
    EXPECT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) &&
                a.readAll() == b.readAll());
    ASSERT_EQ(run("--picture OUT/0.png --size 160x120 --at 0").status, 0);
    QImageReader film(folder.filePath("a.gif"));
    const QImage still(folder.filePath("0.png")), first = film.read();
    for (int i = 1; i < 9; ++i)
        film.read();
    EXPECT_LT(changedPixels(first, still), 20) << "of 19200";
    EXPECT_GT(changedPixels(film.read(), still), 60);
}

TEST(Record, WhatCannotBeWrittenEndsWithOneLineAndNoFile) {
    QTemporaryDir folder;
    for (const auto &[arguments, line] :
         {std::pair("--record OUT/none/f.mp4", "cannot write"),
          std::pair("--picture OUT/none/p.png", "cannot write"),
          std::pair("--record OUT/f.avi", "unknown film format '.avi'"),
          std::pair("--picture OUT/p.xyz", "no picture format is called 'xyz'"),
          std::pair("--record OUT/f.mp4 --size 161x120", "even width and height")}) {
        const Ended ended =
            runProgram(QString(arguments).replace("OUT/", folder.path() + "/").split(' '));
        EXPECT_EQ(seen(ended.status, ended.lines.size()), "1 1") << arguments;
        EXPECT_TRUE(ended.lines.value(0).contains(line)) << qPrintable(ended.lines.value(0));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());
}

} // namespace
