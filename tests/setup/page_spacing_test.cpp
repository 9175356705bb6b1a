// Where the texts of a page's line stand when one needs more room than the layout gives it.
#include <gtest/gtest.h>

#include <vector>

#include "setup/page_spacing.h"

namespace {

using Shifts = std::vector<int>;

TEST(PageSpacing, ATextMovesOnlyWhenTheOneBeforeItEndsCloserThanTheGap) {
  EXPECT_EQ(StartAfter(100, 7, 135), 135) << "room enough";
  EXPECT_EQ(StartAfter(131, 7, 135), 138);
  // Spans of texts as aligned: a right-aligned head ends on its x, a centred one straddles it.
  EXPECT_EQ(SpanOf(50, Align::Right, 20).left, 30);
  EXPECT_EQ(SpanOf(655, Align::Centre, 21).left, 645);
  EXPECT_EQ(SpanOf(655, Align::Centre, 21).right, 666);
  EXPECT_EQ(Joined({220, 243}, {225, 230}).right, 243);
  EXPECT_EQ(Joined({}, {225, 230}).left, 225) << "an empty span adds nothing";

  // Heads in their order: "Edad" (30 wide) on 220 runs into the column on 250, which moves
  // to two blanks (7) past it; the column on 320 has its room and stays, while one on 305
  // would be pushed on by the moved column before it.
  const std::vector<Span> heads = {{190, 210}, {220, 250}, {250, 292}, {320, 374}};
  EXPECT_EQ(SpacingShifts(heads, 7), (Shifts{0, 0, 7, 0}));
  EXPECT_EQ(SpacingShifts({{220, 250}, {250, 292}, {305, 330}}, 7), (Shifts{0, 7, 1}));
  // Columns that have their room keep the layout's places.
  EXPECT_EQ(SpacingShifts({{27, 50}, {78, 85}, {95, 131}}, 7), (Shifts{0, 0, 0}));
  // An empty column neither moves nor pushes: the next one is apart from the one before it.
  EXPECT_EQ(SpacingShifts({{220, 250}, {0, 0}, {252, 260}}, 7), (Shifts{0, 0, 5}));
}

TEST(PageSpacing, ATableThatWouldCrossItsFrameMovesBackLeftAsLittleAsItNeeds) {
  // The start order's last columns: "Transp." (605..654) pushes the first frequency (655)
  // and with it the second past the frame at 748; they come back left as far as the limit
  // needs, and the transponder column with them, keeping two blanks everywhere.
  const std::vector<Span> columns = {{465, 530}, {605, 654}, {655, 697}, {705, 744}};
  EXPECT_EQ(SpacingShifts(columns, 8), (Shifts{0, 0, 7, 7}));
  const Shifts pulled = SpacingShifts(columns, 8, 22, 748);
  EXPECT_EQ(pulled, (Shifts{0, -3, 4, 4}));
  for (std::size_t c = 1; c < columns.size(); ++c) {
    EXPECT_GE(columns[c].left + pulled[c], columns[c - 1].right + pulled[c - 1] + 8) << c;
  }
  // A column past the frame comes back inside it when the one before has room.
  EXPECT_EQ(SpacingShifts({{410, 500}, {560, 672}}, 7, 23, 662), (Shifts{0, -10}));
  // A line that cannot hold its columns keeps them apart and runs past the frame.
  EXPECT_EQ(SpacingShifts({{30, 400}, {405, 700}}, 7, 23, 662), (Shifts{0, 2}));
}

}  // namespace
