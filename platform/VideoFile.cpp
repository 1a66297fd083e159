// libavformat muxes, libavcodec encodes, libswscale turns RGBA into the encoder's planes; GIF
// frames are mapped onto a fixed palette here. Encoders and muxer run bit-exact, so the same
// frames give the same file.
#include "VideoFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <array>
#include <cstdio>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

struct Choice {
    const char *extension, *encoder, *name;
    AVPixelFormat pixels;
};
const Choice choices[] = {{"mp4", "libx264", "H.264", AV_PIX_FMT_YUV420P},
                          {"mkv", "libx264", "H.264", AV_PIX_FMT_YUV420P},
                          {"mov", "libx264", "H.264", AV_PIX_FMT_YUV420P},
                          {"webm", "libvpx-vp9", "VP9", AV_PIX_FMT_YUV420P},
                          {"gif", "gif", "GIF", AV_PIX_FMT_PAL8}};

QString ffmpegError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// 216 colours of a 6-level cube and 40 greys between its black and white: the figure is mostly
// grey, black and white. No colour may appear twice: FFmpeg's GIF encoder drops repeated entries
// from a frame's palette and sends their pixels to entry 0, black.
constexpr int cubeColours = 216, greys = 40;

std::array<std::uint32_t, 256> gifPalette() {
    std::array<std::uint32_t, 256> palette{};
    for (int i = 0; i < cubeColours; ++i)
        palette[i] = 0xff000000u | (i / 36 * 51) << 16 | (i / 6 % 6 * 51) << 8 | (i % 6 * 51);
    for (int i = 0; i < greys; ++i) {
        const std::uint32_t level = (i + 1) * 255 / (greys + 1); // 6..248, none of the cube's
        palette[cubeColours + i] = 0xff000000u | level << 16 | level << 8 | level;
    }
    return palette;
}

std::uint8_t gifIndex(int r, int g, int b) {
    if (std::max({r, g, b}) - std::min({r, g, b}) < 12) {         // grey enough
        const int step = ((r + g + b) * (greys + 1) + 382) / 765; // 0 black .. greys + 1 white
        return std::uint8_t(step == 0      ? 0
                            : step > greys ? cubeColours - 1
                                           : cubeColours + step - 1);
    }
    const auto level = [](int c) { return (c * 5 + 127) / 255; };
    return std::uint8_t(level(r) * 36 + level(g) * 6 + level(b));
}

} // namespace

struct VideoFile::Codec {
    QString path, partial; // the film's, and where it is written until it is finished
    AVFormatContext *format = nullptr;
    AVCodecContext *encoder = nullptr;
    AVStream *stream = nullptr;
    SwsContext *scale = nullptr;
    AVFrame *frame = nullptr;
    AVPacket *packet = nullptr;
    std::int64_t next = 0;
    bool finished = false;

    ~Codec() {
        if (format && format->pb)
            avio_closep(&format->pb);
        avformat_free_context(format);
        avcodec_free_context(&encoder);
        sws_freeContext(scale);
        av_frame_free(&frame);
        av_packet_free(&packet);
        if (!finished && !partial.isEmpty())
            QFile::remove(partial);
    }

    // Sends a frame (or, with none, the end) and writes every packet the encoder has ready.
    bool encode(const AVFrame *input, QString *error) {
        int code = avcodec_send_frame(encoder, input);
        while (code >= 0) {
            code = avcodec_receive_packet(encoder, packet);
            if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
                return true;
            if (code < 0)
                break;
            // Every frame lasts one tick; without it MP4's edit list drops the last one.
            packet->duration = 1;
            av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            code = av_interleaved_write_frame(format, packet);
        }
        *error = QString("could not write %1: %2").arg(path, ffmpegError(code));
        return false;
    }
};

VideoFile::VideoFile(std::unique_ptr<Codec> codec) : codec(std::move(codec)) {}
VideoFile::~VideoFile() = default;

std::unique_ptr<VideoFile> VideoFile::create(const QString &path, QSize size, int fps,
                                             QString *error) {
    av_log_set_level(AV_LOG_QUIET); // the one line said here is enough
    const QString extension = QFileInfo(path).suffix().toLower();
    const Choice *choice = nullptr;
    for (const Choice &known : choices)
        if (extension == known.extension)
            choice = &known;
    if (!choice) {
        *error = QString("%1: unknown film format '.%2'; use .mp4, .mkv, .mov, .webm or .gif")
                     .arg(path, extension);
        return nullptr;
    }
    const AVCodec *found = avcodec_find_encoder_by_name(choice->encoder);
    if (!found) {
        *error = QString("%1: this FFmpeg has no %2 encoder (%3)")
                     .arg(path, choice->name, choice->encoder);
        return nullptr;
    }
    if (choice->pixels == AV_PIX_FMT_YUV420P && (size.width() % 2 || size.height() % 2)) {
        *error = QString("%1: %2 wants an even width and height, not %3 x %4")
                     .arg(path, choice->name)
                     .arg(size.width())
                     .arg(size.height());
        return nullptr;
    }
    auto codec = std::make_unique<Codec>();
    codec->path = path;
    const QByteArray name = QFile::encodeName(path);
    const AVOutputFormat *container = av_guess_format(nullptr, name.constData(), nullptr);
    const QByteArray partial = name + ".part";
    if (avformat_alloc_output_context2(&codec->format, container, nullptr, partial) < 0) {
        *error = QString("%1: no FFmpeg muxer for '.%2'").arg(path, extension);
        return nullptr;
    }
    codec->format->flags |= AVFMT_FLAG_BITEXACT;
    AVCodecContext *encoder = codec->encoder = avcodec_alloc_context3(found);
    encoder->width = size.width();
    encoder->height = size.height();
    encoder->time_base = AVRational{1, fps};
    encoder->framerate = AVRational{fps, 1};
    encoder->pix_fmt = choice->pixels;
    encoder->gop_size = 2 * fps;
    encoder->flags |= AV_CODEC_FLAG_BITEXACT;
    if (codec->format->oformat->flags & AVFMT_GLOBALHEADER)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (found->id == AV_CODEC_ID_H264) {
        av_opt_set(encoder->priv_data, "preset", "veryfast", 0);
        av_opt_set(encoder->priv_data, "crf", "20", 0);
    } else if (found->id == AV_CODEC_ID_VP9) {
        av_opt_set(encoder->priv_data, "deadline", "realtime", 0);
        av_opt_set(encoder->priv_data, "cpu-used", "8", 0);
        av_opt_set(encoder->priv_data, "row-mt", "1", 0);
        av_opt_set(encoder->priv_data, "crf", "32", 0);
        encoder->bit_rate = 0;
    }
    int code = avcodec_open2(encoder, found, nullptr);
    codec->stream = avformat_new_stream(codec->format, nullptr);
    if (code < 0 || !codec->stream ||
        avcodec_parameters_from_context(codec->stream->codecpar, encoder) < 0) {
        *error = QString("%1: the %2 encoder would not start: %3")
                     .arg(path, choice->name, ffmpegError(code));
        return nullptr;
    }
    codec->stream->time_base = encoder->time_base;
    code = avio_open(&codec->format->pb, partial.constData(), AVIO_FLAG_WRITE);
    if (code < 0) {
        *error = QString("cannot write %1: %2").arg(path, ffmpegError(code));
        return nullptr;
    }
    codec->partial = QFile::decodeName(partial);
    code = avformat_write_header(codec->format, nullptr);
    codec->frame = av_frame_alloc();
    codec->packet = av_packet_alloc();
    if (code < 0 || !codec->frame || !codec->packet) {
        *error = QString("could not write %1: %2").arg(path, ffmpegError(code));
        return nullptr;
    }
    codec->frame->format = choice->pixels;
    codec->frame->width = size.width();
    codec->frame->height = size.height();
    if (av_frame_get_buffer(codec->frame, 0) < 0) {
        *error = QString("%1: no memory for a %2 x %3 frame")
                     .arg(path)
                     .arg(size.width())
                     .arg(size.height());
        return nullptr;
    }
    if (choice->pixels != AV_PIX_FMT_PAL8)
        codec->scale = sws_getContext(size.width(), size.height(), AV_PIX_FMT_RGBA, size.width(),
                                      size.height(), choice->pixels,
                                      SWS_BILINEAR | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr,
                                      nullptr, nullptr);
    return std::unique_ptr<VideoFile>(new VideoFile(std::move(codec)));
}

bool VideoFile::add(const QImage &frame, QString *error) {
    AVFrame *planes = codec->frame;
    if (frame.size() != QSize(planes->width, planes->height) ||
        frame.format() != QImage::Format_RGBA8888) {
        *error = QString("%1: a frame of another size or kind").arg(codec->path);
        return false;
    }
    if (av_frame_make_writable(planes) < 0) {
        *error = QString("%1: no memory for a frame").arg(codec->path);
        return false;
    }
    if (codec->scale) {
        const std::uint8_t *source[] = {frame.constBits()};
        const int stride[] = {int(frame.bytesPerLine())};
        sws_scale(codec->scale, source, stride, 0, frame.height(), planes->data, planes->linesize);
    } else {
        static const std::array<std::uint32_t, 256> palette = gifPalette();
        std::copy(palette.begin(), palette.end(),
                  reinterpret_cast<std::uint32_t *>(planes->data[1]));
        for (int y = 0; y < frame.height(); ++y) {
            const std::uint8_t *rgba = frame.constScanLine(y);
            std::uint8_t *index = planes->data[0] + y * planes->linesize[0];
            for (int x = 0; x < frame.width(); ++x, rgba += 4)
                index[x] = gifIndex(rgba[0], rgba[1], rgba[2]);
        }
    }
    planes->pts = codec->next++;
    return codec->encode(planes, error);
}

bool VideoFile::finish(QString *error) {
    if (!codec->encode(nullptr, error))
        return false;
    int code = av_write_trailer(codec->format);
    if (code >= 0)
        code = avio_closep(&codec->format->pb);
    if (code < 0) {
        *error = QString("could not write %1: %2").arg(codec->path, ffmpegError(code));
        return false;
    }
    if (std::rename(QFile::encodeName(codec->partial), QFile::encodeName(codec->path)) != 0) {
        *error = QString("could not write %1: %2").arg(codec->path, qt_error_string(errno));
        return false;
    }
    codec->finished = true;
    return true;
}
