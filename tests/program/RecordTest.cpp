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

// The codec's name and every frame, in grey.
std::pair<QString, std::vector<QImage>> decode(const QString &path) {
    std::vector<QImage> frames;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, QFile::encodeName(path), nullptr, nullptr) < 0)
        return {};
    avformat_find_stream_info(format, nullptr);
    const AVCodecParameters *parameters = format->streams[0]->codecpar;
    const AVCodec *codec = avcodec_find_decoder(parameters->codec_id);
    AVCodecContext *decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder, parameters);
    avcodec_open2(decoder, codec, nullptr);
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    for (bool more = true; more;) {
        more = av_read_frame(format, packet) >= 0;
        avcodec_send_packet(decoder, more ? packet : nullptr); // then drained
        av_packet_unref(packet);
        while (avcodec_receive_frame(decoder, frame) == 0)
            frames.push_back(grey(frame->data, frame->linesize, AVPixelFormat(frame->format),
                                  {frame->width, frame->height}));
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
    return {codec->name, frames};
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
    std::pair<int, QStringList> run(const QString &arguments) {
        QProcess program;
        program.setProcessEnvironment(programEnvironment(settings.path()));
        program.start(TETRAVOLUTE,
                      QString(arguments).replace("OUT/", folder.path() + "/").split(' '));
        EXPECT_TRUE(program.waitForFinished(30000));
        return {program.exitCode(), logLines(program.readAllStandardError())};
    }
    QTemporaryDir settings, folder;
};

// Each format decodes to its frames at its size, and nothing is left beside the films. The clock
// is the film's own: the same settings give the same frames, and the first frame is the picture
// of moment 0; 4.5 s later the figure has breathed.
TEST_F(Record, EachFormatDecodesToItsFramesAndTheClockIsTheFilms) {
    for (const auto &[arguments, codec, frames] :
         {std::tuple("a.mp4 --duration 1s", "h264", 30),
          std::tuple("a.webm --duration 0:01", "vp9", 30),
          std::tuple("a.gif --duration 10 --fps 20", "gif", 10),
          std::tuple("b.mp4 --duration 10 --fps 2", "h264", 10)}) {
        const auto [status, lines] = run(QString("--size 160x120 --record OUT/") + arguments);
        const auto [name, decoded] = decode(folder.filePath(QString(arguments).section(' ', 0, 0)));
        EXPECT_EQ(std::make_tuple(status, name, int(decoded.size()),
                                  decoded.empty() ? QSize() : decoded[0].size()),
                  std::make_tuple(0, QString(codec), frames, QSize(160, 120)))
            << arguments << qPrintable(lines.join('\n'));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({"a.gif", "a.mp4", "a.webm", "b.mp4"}));
    ASSERT_EQ(run("--record OUT/c.mp4 --size 160x120 --duration 10 --fps 2").first, 0);
    ASSERT_EQ(run("--picture OUT/0.png --size 160x120 --at 0").first, 0);
    const auto first = decode(folder.filePath("b.mp4")).second,
               second = decode(folder.filePath("c.mp4")).second;
    ASSERT_TRUE(first.size() == 10 && first == second);
    const QImage picture =
        QImage(folder.filePath("0.png")).convertToFormat(QImage::Format_RGBA8888);
    const std::uint8_t *planes[] = {picture.constBits()};
    const int strides[] = {int(picture.bytesPerLine())};
    const QImage still = grey(planes, strides, AV_PIX_FMT_RGBA, picture.size());
    EXPECT_LT(changedPixels(first[0], still), 20) << "of 19200: the codec's loss only";
    EXPECT_GT(changedPixels(first[9], still), 60);
}

TEST_F(Record, WhatCannotBeWrittenEndsWithOneLineAndNoFile) {
    for (const auto &[arguments, line] :
         {std::pair("--record OUT/none/f.mp4", "cannot write"),
          std::pair("--picture OUT/none/p.png", "cannot write"),
          std::pair("--record OUT/f.avi", "unknown film format '.avi'"),
          std::pair("--picture OUT/p.xyz", "no picture format is called 'xyz'"),
          std::pair("--record OUT/f.mp4 --size 161x120", "even width and height")}) {
        const auto [status, lines] = run(arguments);
        EXPECT_EQ(std::make_pair(status, lines.size()), std::make_pair(1, qsizetype(1)))
            << arguments;
        EXPECT_TRUE(lines.value(0).contains(line)) << qPrintable(lines.value(0));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());
}

} // namespace
