// The 26 settings against the table written out by hand: key, kind, default and the view field
// each one feeds. A mistyped key, a wrong default or two crossed fields each fail here.
#include "ViewFixture.h"

#include "SettingRows.h"
#include "SettingsTable.h"

// A first run reads each default into its field, from memory; then every key, written through
// the store under its own name, reaches the file and, at the next start, its own field.
TEST_F(ViewTest, EveryKeyFeedsItsFieldThroughARealFile) {
    ASSERT_EQ(defaultsTable().size(), std::size(settingRows));
    start();
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(viewField(*view, i), settingRows[i].normalValue()) << settingRows[i].key;
    EXPECT_EQ(view->cam.p.z, -10.0f);
    EXPECT_FALSE(QFile::exists(settingsStore().fileName()));
    {
        Defaults store = settingsStore();
        for (const SettingRow &row : settingRows)
            if (row.kind == 'b')
                store.setBool(row.read(row.other), row.key);
            else if (row.kind == 'i')
                store.setInteger(qint64(row.read(row.other)), row.key);
            else
                store.setFloat(float(row.read(row.other)), row.key);
    }
    QFile file(settingsStore().fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    start();
    for (int i = 0; i < 26; ++i) {
        const SettingRow &row = settingRows[i];
        EXPECT_TRUE(text.contains(QByteArray("\n") + row.key + "=" + row.other + "\n")) << row.key;
        EXPECT_EQ(viewField(*view, i), row.read(row.other)) << row.key;
    }
}

// Values no control could have written read as the nearer end of the control's range, and the
// file keeps them. The view is not left blank, and past depth 4 a frame would recurse through
// billions of list calls: it draws 4^0 + ... + 4^4 tetrahedra instead, and nothing beyond.
TEST_F(ViewTest, AbsurdValuesReadAsTheirRangeEnds) {
    for (const bool high : {true, false}) {
        QByteArray file = "delay=NO\n";
        for (const SettingRow &row : settingRows)
            if (row.kind != 'b')
                file += QByteArray(row.key) + "=" +
                        (row.kind == 'i' ? (high ? "12" : "-999999") : (high ? "3e38" : "-1e30")) +
                        "\n";
        start(file);
        for (int i = 0; i < 26; ++i) {
            const SettingRow &row = settingRows[i];
            EXPECT_EQ(viewField(*view, i), row.kind == 'b' ? row.normalValue() && i != Delay
                                           : high          ? row.highest
                                                           : row.lowest)
                << row.key;
        }
        QFile stored(settingsStore().fileName());
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        EXPECT_EQ(stored.readAll(), "[General]\n" + file);
    }
    start("delay=NO\ndrawShades=NO\ncam_zoom=0\ndist_amp=1e30\ntetraTurn=3e38\nlowThresh=-"
          "7\nhighThresh=99\n");
    frame();
    frame();
    EXPECT_GT(greyLevels().size(), 1u);
    EXPECT_EQ(std::make_pair(primitivesOf(view->tetra), primitivesOf(view->tetra + 5)),
              std::make_pair(4u * 341, 0u));
}
