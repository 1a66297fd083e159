// The 26 settings against a table written out by hand: key, kind, default, and the view field each
// one feeds. A mistyped key, a wrong default or two crossed fields each fail here.
#include "ViewFixture.h"

#include "SettingsTable.h"

#include <QFile>
#include <map>

namespace {
struct Row {
    const char *key;
    char kind;          // b bool, i integer, f float
    const char *normal; // the default, as registered
    const char *other;  // a value no default has, as the store writes it
    double (*field)(const TestView &);
};
} // namespace

#define FIELD(expr) [](const TestView &v) { return double(v.expr); }
static const Row rows[] = {
    {"drawShades", 'b', "YES", "NO", FIELD(lightScene)},
    {"drawBorder", 'b', "NO", "YES", FIELD(drawBorder)},
    {"drawSmooth", 'b', "NO", "YES", FIELD(drawSmooth)},
    {"drawAxis", 'b', "NO", "YES", FIELD(showAxis)},
    {"drawLogo", 'b', "YES", "NO", FIELD(showLogo)},
    {"delay", 'b', "YES", "NO", FIELD(waitDelay)},
    {"cam_orientation_x", 'f', "0", "11.5", FIELD(cam.o.x)},
    {"cam_orientation_y", 'f', "-54.735", "12.5", FIELD(cam.o.y)},
    {"cam_orientation_z", 'f', "120", "13.5", FIELD(cam.o.z)},
    {"cam_zoom", 'f', "2", "1.5", FIELD(cam.zoom)},
    {"lowThresh", 'i', "1", "2", FIELD(low)},
    {"highThresh", 'i', "3", "4", FIELD(high)},
    {"tetraTurn", 'f', "0.1", "0.25", FIELD(bubble)},
    {"tetraYank", 'f', "0.1", "0.375", FIELD(bobble)},
    {"dist_amp", 'f', "0.382", "0.125", FIELD(distSine.a)},
    {"dist_freq", 'f', "4.5", "1.125", FIELD(distSine.f)},
    {"dist_delta", 'f', "-0.59", "-0.625", FIELD(distSine.d)},
    {"dist_phase", 'f', "0", "0.75", FIELD(distSine.p)},
    {"size_amp", 'f', "0.2", "0.0625", FIELD(sizeSine.a)},
    {"size_freq", 'f', "4.5", "2.25", FIELD(sizeSine.f)},
    {"size_delta", 'f', "-0.12", "-0.3125", FIELD(sizeSine.d)},
    {"size_phase", 'f', "1", "1.5", FIELD(sizeSine.p)},
    {"turn_amp", 'f', "0.05", "0.4375", FIELD(turnSine.a)},
    {"turn_freq", 'f', "0", "3.5", FIELD(turnSine.f)},
    {"turn_delta", 'f', "0", "0.5625", FIELD(turnSine.d)},
    {"turn_phase", 'f', "0", "0.6875", FIELD(turnSine.p)},
};
#undef FIELD

// What a field holds after reading text of the row's kind.
static double expected(const Row &row, const char *text) {
    if (row.kind == 'b')
        return QByteArray(text) == "YES";
    return row.kind == 'i' ? std::atof(text) : double(std::strtof(text, nullptr));
}

TEST_F(ViewTest, DefaultsAreRegisteredInOrderWithTheirKinds) {
    const Defaults::Table table = defaultsTable();
    ASSERT_EQ(table.size(), std::size(rows));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Row &row = rows[i];
        const QVariant &value = table[i].second;
        EXPECT_EQ(table[i].first, row.key);
        switch (row.kind) {
        case 'b':
            EXPECT_EQ(value.typeId(), QMetaType::QString) << row.key;
            EXPECT_EQ(value.toString(), row.normal);
            break;
        case 'i':
            EXPECT_EQ(value.typeId(), QMetaType::LongLong) << row.key;
            EXPECT_EQ(value.toLongLong(), std::atoll(row.normal));
            break;
        default:
            EXPECT_EQ(value.typeId(), QMetaType::Float) << row.key;
            EXPECT_EQ(value.toFloat(), std::strtof(row.normal, nullptr)) << row.key;
        }
    }
}

// A first run reads every default into its field; then every key, written through the store
// under its own name, reaches the file and, at the next start, its own field.
TEST_F(ViewTest, EveryKeyFeedsItsFieldThroughARealFile) {
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

// Values no control could have written read as the nearer end of the control's range, typed out
// here from the panels' definition, and the file keeps them. The view is not left blank.
TEST_F(ViewTest, AbsurdValuesReadAsTheirRangeEnds) {
    const std::map<QByteArray, std::pair<double, double>> ranges = {
        {"cam_orientation_x", {-360, 360}},
        {"cam_orientation_y", {-360, 360}},
        {"cam_orientation_z", {-360, 360}},
        {"cam_zoom", {0.25, 4}},
        {"lowThresh", {0, 4}},
        {"highThresh", {0, 4}},
        {"tetraTurn", {-2, 2}},
        {"tetraYank", {0, 1}},
        {"dist_amp", {0, 1}},
        {"dist_freq", {0, 10}},
        {"dist_delta", {-1, 1}},
        {"dist_phase", {0, 2}},
        {"size_amp", {0, 1}},
        {"size_freq", {0, 10}},
        {"size_delta", {-1, 1}},
        {"size_phase", {0, 2}},
        {"turn_amp", {0, 1}},
        {"turn_freq", {0, 10}},
        {"turn_delta", {-1, 1}},
        {"turn_phase", {0, 2}},
    };
    for (const bool high : {true, false}) {
        QByteArray file = "delay=NO\n";
        for (const auto &[key, range] : ranges) {
            const bool integer = key.endsWith("Thresh");
            file += key + "=" + (integer ? (high ? "12" : "-999999") : (high ? "3e38" : "-1e30"));
            file += "\n";
        }
        start(file);
        for (const Row &row : rows) {
            if (!ranges.count(row.key))
                continue;
            const auto [lowest, highest] = ranges.at(row.key);
            EXPECT_EQ(row.field(*view), high ? highest : lowest) << row.key;
        }
        QFile stored(settingsStore().fileName());
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        EXPECT_EQ(stored.readAll(), "[General]\n" + file);
    }
    start("delay=NO\ncam_zoom=0\ndist_amp=1e30\ntetraTurn=3e38\n");
    EXPECT_EQ(view->cam.zoom, 0.25f);
    frame();
    frame();
    EXPECT_GT(greyLevels().size(), 1u);
}
