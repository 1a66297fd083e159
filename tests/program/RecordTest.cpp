// Pictures and films from the command line, all drawn with no display (DISPLAY unset): each
// film's stream read back by ffprobe and its frames by ffmpeg; the motion worked out from the step
// rule at several rates; the GIF's palette; the picture's scale; and a link at the target,
// replaced and not written through (pictures write files as films do).
#include "../view/SceneGeometry.h"
#include "FilmJob.h"
#include "Testing.h"

namespace {

// As ffprobe reads the job's film: codec, size, colour primaries, rate, frames; and whether an
// MP4's index comes before its frames (false for other formats).
QString stream(const Job &job, const QString &name) {
    const QByteArray bytes = job.read(name);
    return outputOf("ffprobe", {"-v", "error", "-count_frames", "-show_entries",
                                "stream=codec_name,width,height,avg_frame_rate,color_primaries,"
                                "nb_read_frames",
                                "-of", "csv=p=0", job.path(name)})
               .trimmed() +
           (bytes.indexOf("moov") < bytes.indexOf("mdat") ? " index first" : "");
}

// Pixels whose grey levels differ by more than a codec's loss on an edge.
int changedPixels(const QImage &a, const QImage &b) {
    if (a.isNull() || a.size() != b.size())
        return INT_MAX; // nothing decoded, or not the same picture: all of it changed
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64;
    return changed;
}

// Frame index of a film, as FFmpeg's own decoder gives it.
QImage frameOf(const QString &film, int index) {
    return QImage::fromData(
        outputOf("ffmpeg",
                 {"-v", "error", "-i", film, "-vf", QString("select=eq(n\\,%1)").arg(index),
                  "-frames:v", "1", "-c:v", "png", "-f", "image2pipe", "pipe:1"}),
        "PNG");
}

// Each format holds its frames at its rate and size; H.264 and VP9 are tagged BT.709 and an MP4
// or MOV has its index first. The settings file is read, not the user's, and not written.
TEST(Record, EachFormatHoldsItsFramesAtItsRate) {
    Job job;
    job.settings("drawShades=NO\n");
    job.write("kept", "kept"); // a link at the target is replaced, not written through
    QFile::link(job.path("kept"), job.path("a.gif"));
    for (const auto &[arguments, held] :
         {std::pair("a.mp4 --duration 1 --fps 29.97",
                    "h264,160,120,bt709,30000/1001,30 index first"),
          std::pair("a.mov --duration 0:01", "h264,160,120,bt709,30/1,30 index first"),
          std::pair("a.webm --duration 15f --fps 15", "vp9,160,120,bt709,15/1,15"),
          std::pair("a.gif --duration 5 --fps 2", "gif,160,120,unknown,2/1,10"),
          // The rest of the rates the help names, exactly (30000/1001 reads as 29.97 does).
          std::pair("b.mp4 --duration 10f --fps 23.976",
                    "h264,160,120,bt709,24000/1001,10 index first"),
          std::pair("c.mp4 --duration 10f --fps 59.94",
                    "h264,160,120,bt709,60000/1001,10 index first"),
          std::pair("d.mp4 --duration 10f --fps 240", "h264,160,120,bt709,240/1,10 index first")}) {
        const Ended ended =
            job.run(QString("--size 160x120 --settings OUT/s.ini --record OUT/") + arguments);
        EXPECT_EQ(seen(ended.status, stream(job, QString(arguments).section(' ', 0, 0))),
                  seen(0, held))
            << qPrintable(ended.lines.join('\n'));
    }
    EXPECT_EQ(job.written(), QStringList({"a.gif", "a.mov", "a.mp4", "a.webm", "b.mp4", "c.mp4",
                                          "d.mp4", "kept"}));
    EXPECT_EQ(seen(QFileInfo(job.path("a.gif")).isSymLink(), job.read("kept")), "false kept");
    // The GIF's palette: black, white and 40 greys evenly between, (i + 1) x 255 / 41. The
    // background's #cccccc (0.8 of white) is nearest the 33rd, 205; black and white stay exact.
    EXPECT_EQ(coloursOf(frameOf(job.path("a.gif"), 0)),
              QSet<QRgb>({0xff000000, 0xffffffff, 0xffcdcdcd}));
}

// The window's motion is one step of spin a frame at 30 frames a second, and a film at F takes
// 30 / F of a step a frame: with a spin of 1.5 degrees a step and the waves still, 2 s in the
// figure has turned 1.5 x (1 + 60) = 91.5 degrees at every rate, as a still camera turned -91.5
// degrees about the line of sight shows it. The start delay holds neither pictures nor films.
// With the default settings (rock and waves) the frame at 2 s of a 60 fps film, and the first of
// a film from --at 2, are the picture of moment 2.
TEST(Record, FilmsMoveByTimeAtAnyRate) {
    Job job;
    const QString still = "delay=YES\ndrawShades=NO\ncam_orientation_x=0\ncam_orientation_y=0\n"
                          "dist_amp=0\nsize_amp=0\nturn_amp=0\ntetraYank=0\n";
    job.settings(still + "tetraTurn=0\ncam_orientation_z=-91.5\n");
    ASSERT_EQ(job.run("--picture OUT/turned.png --size 160x120 --settings OUT/s.ini").status, 0);
    const QImage turned(job.path("turned.png"));
    job.settings(still + "tetraTurn=1.5\ncam_orientation_z=0\n");
    for (const int fps : {15, 30, 60}) {
        const QString film = QString("%1.mp4").arg(fps);
        ASSERT_EQ(job.run(seen("--record", "OUT/" + film, "--size 160x120 --fps", fps,
                               "--settings OUT/s.ini --duration", QString("%1f").arg(2 * fps + 1)))
                      .status,
                  0);
        EXPECT_LT(changedPixels(frameOf(job.path(film), 2 * fps), turned), 20) << fps << " fps";
        EXPECT_GT(changedPixels(frameOf(job.path(film), 2 * fps - fps / 2), turned), 100);
    }
    job.settings("");
    for (const char *arguments : {"--picture OUT/0s.png", "--picture OUT/2s.png --at 2",
                                  "--record OUT/from2.gif --at 2 --duration 1f",
                                  "--record OUT/d60.mp4 --fps 60 --duration 121f"})
        EXPECT_EQ(job.run(QString(arguments) + " --size 160x120 --settings OUT/s.ini").status, 0)
            << arguments;
    const QImage moment(job.path("2s.png"));
    EXPECT_LT(changedPixels(frameOf(job.path("d60.mp4"), 120), moment), 20);
    EXPECT_LT(changedPixels(frameOf(job.path("from2.gif"), 0), moment), 20);
    EXPECT_GT(changedPixels(QImage(job.path("0s.png")), moment), 100);
}

// A picture shows a screen 1080 points high, whatever its size: the figure (unturned, at the
// waves' phase 0) is as large as geometry puts it at one pixel a point in 1920 x 1080, in 960 x 540
// half that. (A link at the target: with the films, which write files the same way.)
TEST(Record, PicturesShowAScreen1080PointsHigh) {
    Job job;
    job.settings("drawShades=NO\ntetraTurn=0\ntetraYank=0\n");
    job.run("--picture OUT/p.png --settings OUT/s.ini --size 960x540");
    const Scene scene{{0, -54.735f, 120}, 2, {}, 1, 3, -0.59 * 0.75 + 1.25, -0.12 * 0.125 + 0.493};
    expectExtent(QImage(job.path("p.png")).mirrored(), expectedBox(scene, QSize(960, 540), 1080),
                 0.5, "p.png");
}

} // namespace
