// The film module: libavformat muxes, libavcodec encodes, libswscale turns RGBA into the
// encoder's planes (BT.709, as HD players assume); GIF frames are mapped onto a fixed palette
// here. Encoders and muxer run bit-exact, so the same frames give the same file. The muxer writes
// through the caller's file descriptor.
#include "VideoFile.h"

#include <QFile>
#include <array>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

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

// The muxer's output: the caller's descriptor, written whole and seekable.
int writeOut(void *fd, std::uint8_t *data, int size) {
    for (int done = 0; done < size;) {
        const ssize_t written = write(*static_cast<int *>(fd), data + done, size_t(size - done));
        if (written < 0 && errno != EINTR)
            return AVERROR(errno);
        done += written > 0 ? int(written) : 0;
    }
    return size;
}

std::int64_t seekOut(void *fd, std::int64_t offset, int whence) {
    const int file = *static_cast<int *>(fd);
    if (whence & AVSEEK_SIZE) {
        struct stat status = {};
        return fstat(file, &status) == 0 ? status.st_size : AVERROR(errno);
    }
    const off_t at = lseek(file, offset, whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(errno) : at;
}

class FFmpegFilm : public VideoFile {
public:
    QString target; // the film's name, for what is said
    int fd = -1;
    AVFormatContext *format = nullptr;
    AVCodecContext *encoder = nullptr;
    AVStream *stream = nullptr;
    SwsContext *scale = nullptr;
    AVFrame *frame = nullptr;
    AVPacket *packet = nullptr;
    std::int64_t next = 0;

    ~FFmpegFilm() override {
        if (format && format->pb) {
            av_freep(&format->pb->buffer);
            avio_context_free(&format->pb);
        }
        avformat_free_context(format);
        avcodec_free_context(&encoder);
        sws_freeContext(scale);
        av_frame_free(&frame);
        av_packet_free(&packet);
    }

    QString failed(int code) const {
        return QString("could not write %1: %2").arg(target, ffmpegError(code));
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
        *error = failed(code);
        return false;
    }

    bool add(const QImage &image, QString *error) override;
    bool finish(QString *error) override;
};

bool FFmpegFilm::add(const QImage &image, QString *error) {
    if (image.size() != QSize(frame->width, frame->height) ||
        image.format() != QImage::Format_RGBA8888) {
        *error = QString("%1: a frame of another size or kind").arg(target);
        return false;
    }
    if (av_frame_make_writable(frame) < 0) {
        *error = QString("%1: no memory for a frame").arg(target);
        return false;
    }
    if (scale) {
        const std::uint8_t *source[] = {image.constBits()};
        const int stride[] = {int(image.bytesPerLine())};
        sws_scale(scale, source, stride, 0, image.height(), frame->data, frame->linesize);
    } else {
        static const std::array<std::uint32_t, 256> palette = gifPalette();
        std::copy(palette.begin(), palette.end(),
                  reinterpret_cast<std::uint32_t *>(frame->data[1]));
        for (int y = 0; y < image.height(); ++y) {
            const std::uint8_t *rgba = image.constScanLine(y);
            std::uint8_t *index = frame->data[0] + y * frame->linesize[0];
            for (int x = 0; x < image.width(); ++x, rgba += 4)
                index[x] = gifIndex(rgba[0], rgba[1], rgba[2]);
        }
    }
    frame->pts = next++;
    return encode(frame, error);
}

bool FFmpegFilm::finish(QString *error) {
    if (!encode(nullptr, error))
        return false;
    const int code = av_write_trailer(format);
    avio_flush(format->pb);
    if (code < 0 || format->pb->error < 0) {
        *error = failed(code < 0 ? code : format->pb->error);
        return false;
    }
    return true;
}

// The encoder's options: H.264 fast at a good quality, VP9 in real time; YUV tagged BT.709.
void tune(AVCodecContext *encoder) {
    if (encoder->codec_id == AV_CODEC_ID_H264) {
        av_opt_set(encoder->priv_data, "preset", "veryfast", 0);
        av_opt_set(encoder->priv_data, "crf", "20", 0);
    } else if (encoder->codec_id == AV_CODEC_ID_VP9) {
        av_opt_set(encoder->priv_data, "deadline", "realtime", 0);
        av_opt_set(encoder->priv_data, "cpu-used", "8", 0);
        av_opt_set(encoder->priv_data, "row-mt", "1", 0);
        av_opt_set(encoder->priv_data, "crf", "32", 0);
        encoder->bit_rate = 0;
    }
    if (encoder->pix_fmt == AV_PIX_FMT_YUV420P) {
        encoder->color_primaries = AVCOL_PRI_BT709;
        encoder->color_trc = AVCOL_TRC_BT709;
        encoder->colorspace = AVCOL_SPC_BT709;
        encoder->color_range = AVCOL_RANGE_MPEG;
    }
}

} // namespace

extern "C" Q_DECL_EXPORT VideoFile *openFilm(int fd, const QString &path, const QString &target,
                                             const FilmFormat &chosen, QSize size, FrameRate rate,
                                             QString *error) {
    av_log_set_level(AV_LOG_QUIET); // the one line said here is enough
    const AVCodec *found = avcodec_find_encoder_by_name(chosen.encoder);
    if (!found) {
        *error = QString("%1: this FFmpeg has no %2 encoder (%3)")
                     .arg(target, chosen.name, chosen.encoder);
        return nullptr;
    }
    auto film = std::make_unique<FFmpegFilm>();
    film->target = target;
    film->fd = fd;
    const QByteArray name = QFile::encodeName(path);
    const AVOutputFormat *container =
        av_guess_format(nullptr, QFile::encodeName(target).constData(), nullptr);
    if (avformat_alloc_output_context2(&film->format, container, nullptr, name.constData()) < 0) {
        *error = QString("%1: no FFmpeg muxer for '.%2'").arg(target, chosen.extension);
        return nullptr;
    }
    film->format->flags |= AVFMT_FLAG_BITEXACT;
    AVCodecContext *encoder = film->encoder = avcodec_alloc_context3(found);
    encoder->width = size.width();
    encoder->height = size.height();
    encoder->time_base = AVRational{rate.seconds, rate.frames};
    encoder->framerate = AVRational{rate.frames, rate.seconds};
    encoder->pix_fmt = chosen.evenSides ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_PAL8;
    encoder->gop_size = 2 * int(rate.perSecond() + 0.5);
    encoder->flags |= AV_CODEC_FLAG_BITEXACT;
    if (film->format->oformat->flags & AVFMT_GLOBALHEADER)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    tune(encoder);
    int code = avcodec_open2(encoder, found, nullptr);
    film->stream = avformat_new_stream(film->format, nullptr);
    if (code < 0 || !film->stream ||
        avcodec_parameters_from_context(film->stream->codecpar, encoder) < 0) {
        *error = QString("%1: the %2 encoder would not start: %3")
                     .arg(target, chosen.name, ffmpegError(code));
        return nullptr;
    }
    film->stream->time_base = encoder->time_base;
    constexpr int bufferBytes = 1 << 16;
    auto *buffer = static_cast<std::uint8_t *>(av_malloc(bufferBytes));
    film->format->pb =
        avio_alloc_context(buffer, bufferBytes, 1, &film->fd, nullptr, writeOut, seekOut);
    film->format->flags |= AVFMT_FLAG_CUSTOM_IO;
    // The index first, so that a browser plays at once; it reads path back to move the frames.
    AVDictionary *options = nullptr;
    if (QByteArray("mp4 mov").contains(chosen.extension))
        av_dict_set(&options, "movflags", "+faststart", 0);
    code = film->format->pb ? avformat_write_header(film->format, &options) : AVERROR(ENOMEM);
    av_dict_free(&options);
    film->frame = av_frame_alloc();
    film->packet = av_packet_alloc();
    if (code < 0 || !film->frame || !film->packet) {
        *error = film->failed(code);
        return nullptr;
    }
    AVFrame *frame = film->frame;
    frame->format = encoder->pix_fmt;
    frame->width = size.width();
    frame->height = size.height();
    if (av_frame_get_buffer(frame, 0) < 0) {
        *error = QString("%1: no memory for a %2 x %3 frame")
                     .arg(target)
                     .arg(size.width())
                     .arg(size.height());
        return nullptr;
    }
    if (chosen.evenSides) {
        film->scale = sws_getContext(size.width(), size.height(), AV_PIX_FMT_RGBA, size.width(),
                                     size.height(), encoder->pix_fmt,
                                     SWS_BILINEAR | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr,
                                     nullptr, nullptr);
        // Full-range RGB in, limited-range BT.709 out, as the stream is tagged.
        const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(film->scale, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    }
    return film.release();
}
