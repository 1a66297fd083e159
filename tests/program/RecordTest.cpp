// Pictures and films from the command line: decoded here through libavformat, frame by frame, as
// grey levels at the film's size; the same settings give the same film; its first frame is the
// picture of moment 0; and what cannot be written ends with one line, status 1 and no file.
#include "Program.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

struct Film {
    QString codec;
    QSize size;
    std::vector<QImage> frames; // grey levels
};

QImage grey(const std::uint8_t *const planes[], const int strides[], AVPixelFormat format,
            QSize size) {
    QImage image(size, QImage::Format_Grayscale8);
    SwsContext *scale =
        sws_getContext(size.width(), size.height(), format, size.width(), size.height(),
                       AV_PIX_FMT_GRAY8, SWS_POINT, nullptr, nullptr, nullptr);
    std::uint8_t *out[] = {image.bits()};
    const int outStride[] = {int(image.bytesPerLine())};
    sws_scale(scale, planes, strides, 0, size.height(), out, outStride);
    sws_freeContext(scale);
    return image;
}

Film decode(const QString &path) {
    Film film;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path), nullptr, nullptr) < 0)
        return film;
    avformat_find_stream_info(format, nullptr);
    const AVCodecParameters *parameters = format->streams[0]->codecpar;
    const AVCodec *codec = avcodec_find_decoder(parameters->codec_id);
    AVCodecContext *decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder, parameters);
    avcodec_open2(decoder, codec, nullptr);
    film.codec = codec->name;
    film.size = QSize(parameters->width, parameters->height);
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    const auto drain = [&] {
        while (avcodec_receive_frame(decoder, frame) == 0)
            film.frames.push_back(
                grey(frame->data, frame->linesize, AVPixelFormat(frame->format), film.size));
    };
    while (av_read_frame(format, packet) >= 0) {
        avcodec_send_packet(decoder, packet);
        av_packet_unref(packet);
        drain();
    }
    avcodec_send_packet(decoder, nullptr);
    drain();
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
    return film;
}

// Pixels whose grey levels differ by more than a codec's loss on an edge.
int changedPixels(const QImage &a, const QImage &b) {
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += std::abs(a.constScanLine(y)[x] - b.constScanLine(y)[x]) > 64;
    return changed;
}

class Record : public ::testing::Test {
protected:
    // Status and the program's own log lines.
    std::pair<int, QStringList> run(const QStringList &arguments) {
        QProcess program;
        program.setProcessEnvironment(programEnvironment(settings.path()));
        program.start(TETRAVOLUTE, arguments);
        EXPECT_TRUE(program.waitForFinished(30000));
        return {program.exitCode(), logLines(program.readAllStandardError())};
    }
    QString out(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir settings, folder;
};

TEST_F(Record, EachFormatDecodesToItsFramesAtItsSize) {
    const struct {
        const char *file, *codec;
        QStringList length;
        int frames;
    } films[] = {{"a.mp4", "h264", {}, 30},
                 {"a.webm", "vp9", {"--duration", "0:01"}, 30},
                 {"a.gif", "gif", {"--duration", "10", "--fps", "20"}, 10}};
    for (const auto &film : films) {
        const auto [status, lines] =
            run(QStringList{"--record", out(film.file), "--size", "160x120"} + film.length +
                (film.length.isEmpty() ? QStringList{"--duration", "1s"} : QStringList()));
        EXPECT_EQ(status, 0) << film.file << qPrintable(lines.join('\n'));
        const Film decoded = decode(out(film.file));
        EXPECT_EQ(decoded.codec, film.codec) << film.file;
        EXPECT_EQ(decoded.size, QSize(160, 120)) << film.file;
        EXPECT_EQ(int(decoded.frames.size()), film.frames) << film.file;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({"a.gif", "a.mp4", "a.webm"})); // nothing left beside them
}

// The clock is the film's own: the same settings give the same frames, and its first frame is
// the picture of moment 0. Later frames show the figure moving.
TEST_F(Record, TheSameSettingsGiveTheSameFilmAndItStartsWithThePictureOfMoment0) {
    for (const char *film : {"1.mp4", "2.mp4"})
        ASSERT_EQ(
            run({"--record", out(film), "--size", "160x120", "--duration", "10", "--fps", "2"})
                .first,
            0);
    ASSERT_EQ(run({"--picture", out("0.png"), "--size", "160x120", "--at", "0"}).first, 0);
    const Film first = decode(out("1.mp4")), second = decode(out("2.mp4"));
    ASSERT_EQ(first.frames.size(), 10u);
    ASSERT_EQ(second.frames.size(), 10u);
    for (std::size_t i = 0; i < first.frames.size(); ++i)
        EXPECT_EQ(first.frames[i], second.frames[i]) << i;
    const QImage picture = QImage(out("0.png")).convertToFormat(QImage::Format_RGBA8888);
    ASSERT_EQ(picture.size(), QSize(160, 120));
    const std::uint8_t *planes[] = {picture.constBits()};
    const int strides[] = {int(picture.bytesPerLine())};
    const QImage still = grey(planes, strides, AV_PIX_FMT_RGBA, picture.size());
    EXPECT_LT(changedPixels(first.frames[0], still), 20) << "of 19200: the codec's loss only";
    EXPECT_GT(changedPixels(first.frames[9], still), 60) << "4.5 s later, it has breathed";
}

TEST_F(Record, WhatCannotBeWrittenEndsWithOneLineAndNoFile) {
    const QString missing = out("no such folder/f.mp4");
    const struct {
        QStringList arguments;
        const char *line;
    } faults[] = {
        {{"--record", missing}, "cannot write"},
        {{"--picture", out("no such folder/p.png")}, "cannot write"},
        {{"--record", out("f.avi")}, "unknown film format '.avi'"},
        {{"--picture", out("p.xyz")}, "no picture format is called 'xyz'"},
        {{"--record", out("f.mp4"), "--size", "161x120"}, "even width and height"},
    };
    for (const auto &fault : faults) {
        const auto [status, lines] = run(fault.arguments);
        const QString shown = fault.arguments.join(' ');
        EXPECT_EQ(status, 1) << qPrintable(shown);
        ASSERT_EQ(lines.size(), 1) << qPrintable(shown) << qPrintable(lines.join('\n'));
        EXPECT_TRUE(lines[0].contains(fault.line)) << qPrintable(lines[0]);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());
}

} // namespace
