// The marks of the table's states on the diagrams: one label for the states
// drawn at one place, and a range that keeps every state off the frame.

#include "diagram_curves.h"
#include "diagram_labels.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberLabels, StatesAtOnePlaceShareOneLabelWithTheirNumbersRising) {
    const QList<PlacedNumber> placed = {
        {100, 50, 25}, {300, 80, 3}, {100, 50, 19}, {104, 53, 7}, {106, 50, 8}, {300, 80.5, 1},
    };
    const QList<NumberLabel> labels = LabelsOfPlacedNumbers(placed, 7);
    ASSERT_EQ(labels.size(), 2);
    // 7 and 8 are 5 and 6 from the label's first state.
    EXPECT_EQ(labels[0].text, "7, 8, 19, 25");
    EXPECT_EQ(labels[0].x, 100);
    EXPECT_EQ(labels[0].y, 50);
    EXPECT_EQ(labels[1].text, "1, 3");
    EXPECT_EQ(labels[1].x, 300);
    EXPECT_EQ(LabelsOfPlacedNumbers({{0, 0, 1}, {7, 0, 2}}, 7).size(), 2) << "7 apart is apart";
    EXPECT_TRUE(LabelsOfPlacedNumbers({}, 7).isEmpty());
}

// Many states close together (near the critical point) but apart: no two
// labels overlap, and every number is in one of them.
TEST(NumberLabels, NoTwoLabelsOverlapAndEveryNumberIsShown) {
    QList<PlacedNumber> placed;
    for (qint64 n = 1; n <= 40; ++n) placed.append({200 + 9.0 * double(n % 5), 100 + 8.0 * double(n / 5), n});
    placed.append({400, 300, 41});
    const auto sizeOf = [](const QString& text) { return QSizeF(7.0 * double(text.size()), 13); };
    const QList<PlacedLabel> labels = PlaceLabels(placed, 7, sizeOf);
    QStringList numbers;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        numbers += labels[i].text.split(QStringLiteral(", "));
        EXPECT_EQ(labels[i].box.size(), sizeOf(labels[i].text));
        for (qsizetype j = 0; j < i; ++j)
            EXPECT_FALSE(labels[i].box.intersects(labels[j].box)) << labels[i].text.toStdString() << " over "
                                                                 << labels[j].text.toStdString();
    }
    EXPECT_EQ(numbers.size(), 41);
    EXPECT_EQ(labels.back().text, "41");
    EXPECT_EQ(labels.back().box.topLeft(), QPointF(404, 300 - 3 - 13)) << "above right of a state alone";
}

// Each state stands inside every end by at least the room the shown state
// gets: upper ends rise to a whole tick, lower ones go below 0 only as far as
// needed.
TEST(DiagramRanges, EveryStateStandsInsideTheFrame) {
    const DiagramRange dome = DomeRange();  // 0 to 10 kJ/(kg.K), 0 to 400 °C, 0 to 3000 kJ/kg
    const DiagramRange inside = RangeTakingIn(dome, {{6.5, 200, 2800}});
    EXPECT_EQ(inside.sMax, dome.sMax);
    EXPECT_EQ(inside.tMax, dome.tMax);
    EXPECT_EQ(inside.hMax, dome.hMax);
    EXPECT_EQ(inside.sMin, 0);

    const DiagramRange onTicks = RangeTakingIn(dome, {{10, 500, 3000}});
    EXPECT_EQ(onTicks.sMax, 11);
    EXPECT_EQ(onTicks.tMax, 550);
    EXPECT_EQ(onTicks.tTick, 100) << "above 400 °C the ticks twice as far apart";
    EXPECT_EQ(onTicks.hMax, 3500);

    const DiagramRange cold = RangeTakingIn(dome, {{-0.01, 0.1, 40}});
    EXPECT_DOUBLE_EQ(cold.sMin, -0.31);
    EXPECT_DOUBLE_EQ(cold.tMin, -14.9);
    EXPECT_DOUBLE_EQ(cold.hMin, -60);
    EXPECT_EQ(cold.tTick, 50);

    // Beside a state at 2000 °C the fixed 15 °C would be a pixel or two.
    const DiagramRange wide = RangeTakingIn(dome, {{0.1, 0.01, 40}, {9, 2000, 7000}});
    EXPECT_EQ(wide.tMax, 2250);
    EXPECT_LE(wide.tMin, 0.01 - 0.02 * (wide.tMax - wide.tMin));
    EXPECT_LE(wide.hMin, 40 - 0.02 * (wide.hMax - wide.hMin));
}

}  // namespace
