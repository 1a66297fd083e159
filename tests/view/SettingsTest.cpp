// The 26 settings against a table written out by hand: key, kind, default, and the view field each
// one feeds. A mistyped key, a wrong default or two crossed fields each fail here.
#include "ViewFixture.h"

#include "SettingsTable.h"

#include <QFile>

namespace {
struct Row {
    const char *key;
    char kind;          // b bool, i integer, f float
    const char *normal; // the default, as registered
    const char *other;  // a value no default has, as the store writes it
    double (*field)(const TestView &);
    double lowest, highest; // the control's range, typed out from the panels' definition
};
} // namespace

#define FIELD(expr) [](const TestView &v) { return double(v.expr); }
static const Row rows[] = {
    {"drawShades", 'b', "YES", "NO", FIELD(lightScene), 0, 1},
    {"drawBorder", 'b', "NO", "YES", FIELD(drawBorder), 0, 1},
    {"drawSmooth", 'b', "NO", "YES", FIELD(drawSmooth), 0, 1},
    {"drawAxis", 'b', "NO", "YES", FIELD(showAxis), 0, 1},
    {"drawLogo", 'b', "YES", "NO", FIELD(showLogo), 0, 1},
    {"delay", 'b', "YES", "NO", FIELD(waitDelay), 0, 1},
    {"cam_orientation_x", 'f', "0", "11.5", FIELD(cam.o.x), -360, 360},
    {"cam_orientation_y", 'f', "-54.735", "12.5", FIELD(cam.o.y), -360, 360},
    {"cam_orientation_z", 'f', "120", "13.5", FIELD(cam.o.z), -360, 360},
    {"cam_zoom", 'f', "2", "1.5", FIELD(cam.zoom), 0.25, 4},
    {"lowThresh", 'i', "1", "2", FIELD(low), 0, 4},
    {"highThresh", 'i', "3", "4", FIELD(high), 0, 4},
    {"tetraTurn", 'f', "0.1", "0.25", FIELD(bubble), -2, 2},
    {"tetraYank", 'f', "0.1", "0.375", FIELD(bobble), 0, 1},
    {"dist_amp", 'f', "0.382", "0.125", FIELD(distSine.a), 0, 1},
    {"dist_freq", 'f', "4.5", "1.125", FIELD(distSine.f), 0, 10},
    {"dist_delta", 'f', "-0.59", "-0.625", FIELD(distSine.d), -1, 1},
    {"dist_phase", 'f', "0", "0.75", FIELD(distSine.p), 0, 2},
    {"size_amp", 'f', "0.2", "0.0625", FIELD(sizeSine.a), 0, 1},
    {"size_freq", 'f', "4.5", "2.25", FIELD(sizeSine.f), 0, 10},
    {"size_delta", 'f', "-0.12", "-0.3125", FIELD(sizeSine.d), -1, 1},
    {"size_phase", 'f', "1", "1.5", FIELD(sizeSine.p), 0, 2},
    {"turn_amp", 'f', "0.05", "0.4375", FIELD(turnSine.a), 0, 1},
    {"turn_freq", 'f', "0", "3.5", FIELD(turnSine.f), 0, 10},
    {"turn_delta", 'f', "0", "0.5625", FIELD(turnSine.d), -1, 1},
    {"turn_phase", 'f', "0", "0.6875", FIELD(turnSine.p), 0, 2},
};
#undef FIELD

// What a field holds after reading text of the row's kind.
static double expected(const Row &row, const char *text) {
    if (row.kind == 'b')
        return QByteArray(text) == "YES";
    return row.kind == 'i' ? std::atof(text) : double(std::strtof(text, nullptr));
}

// A first run reads each default into its field, from memory; then every key, written through
// the store under its own name, reaches the file and, at the next start, its own field.
TEST_F(ViewTest, EveryKeyFeedsItsFieldThroughARealFile) {
    ASSERT_EQ(defaultsTable().size(), std::size(rows));
    start();
    for (const Row &row : rows)
        EXPECT_EQ(row.field(*view), expected(row, row.normal)) << row.key;
    EXPECT_EQ(view->cam.p.z, -10.0f);
    EXPECT_FALSE(QFile::exists(settingsStore().fileName())); // defaults answer from memory
    {
        Defaults store = settingsStore();
        for (const Row &row : rows) {
            if (row.kind == 'b')
                store.setBool(QByteArray(row.other) == "YES", row.key);
            else if (row.kind == 'i')
                store.setInteger(std::atoll(row.other), row.key);
            else
                store.setFloat(std::strtof(row.other, nullptr), row.key);
        }
    }
    QFile file(settingsStore().fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    for (const Row &row : rows)
        EXPECT_TRUE(text.contains(QByteArray("\n") + row.key + "=" + row.other + "\n")) << row.key;
    start();
    for (const Row &row : rows)
        EXPECT_EQ(row.field(*view), expected(row, row.other)) << row.key;
}

// Values no control could have written read as the nearer end of the control's range, and the
// file keeps them. The view is not left blank, and past depth 4 a frame would recurse through
// billions of list calls: it draws 4^0 + ... + 4^4 tetrahedra instead, and nothing beyond.
TEST_F(ViewTest, AbsurdValuesReadAsTheirRangeEnds) {
    for (const bool high : {true, false}) {
        QByteArray file = "delay=NO\n";
        for (const Row &row : rows)
            if (row.kind != 'b')
                file += QByteArray(row.key) + "=" +
                        (row.kind == 'i' ? (high ? "12" : "-999999") : (high ? "3e38" : "-1e30")) +
                        "\n";
        start(file);
        for (const Row &row : rows)
            EXPECT_EQ(row.field(*view),
                      row.kind == 'b' ? expected(row, row.normal) - (row.key == QString("delay"))
                      : high          ? row.highest
                                      : row.lowest)
                << row.key;
        QFile stored(settingsStore().fileName());
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        EXPECT_EQ(stored.readAll(), "[General]\n" + file);
    }
    start("delay=NO\ndrawShades=NO\ncam_zoom=0\ndist_amp=1e30\ntetraTurn=3e38\nlowThresh=-7\n"
          "highThresh=99\n");
    frame();
    frame();
    EXPECT_GT(greyLevels().size(), 1u);
    EXPECT_EQ(primitivesOf(view->tetra), 4u * 341);
    EXPECT_EQ(primitivesOf(view->tetra + 5), 0u);
}
