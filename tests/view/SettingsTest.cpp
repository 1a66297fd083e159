// The 26 settings, as the table written out by hand has them, read from a file no control could
// have written. (Keys, defaults and fields are checked where the controls, the mouse and the
// pictures use them.)
#include "ViewFixture.h"

#include "SettingRows.h"
#include "SettingsTable.h"

// Values no control could have written read as the nearer end of the control's range, and the
// file keeps them. The view is not left blank, and past depth 4 a frame would recurse through
// billions of list calls: it draws 4^0 + ... + 4^4 tetrahedra instead, and nothing beyond.
TEST_F(ViewTest, AbsurdValuesReadAsTheirRangeEnds) {
    ASSERT_EQ(defaultsTable().size(), std::size(settingRows)); // the hand-written table is whole
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
        EXPECT_EQ(storedLines(), QString(file).split('\n', Qt::SkipEmptyParts));
    }
    start("delay=NO\ndrawShades=NO\ncam_zoom=0\ndist_amp=1e30\ntetraTurn=3e38\nlowThresh=-"
          "7\nhighThresh=99\n");
    frame();
    frame();
    EXPECT_GT(greyLevels().size(), 1u);
    EXPECT_EQ(std::make_pair(primitivesOf(view->tetra), primitivesOf(view->tetra + 5)),
              std::make_pair(4u * 341, 0u));
}
