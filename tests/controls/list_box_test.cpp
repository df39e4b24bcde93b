// The list box: geometry, drawing, selection, choosing, scrolling and item hints.
#include "controls/list_box.h"
#include "controls_text_fixture.h"

#include <string>

using controls_testing::ControlsTextTest;
using controls_testing::FaceColor;
using controls_testing::Reported;
using controls_testing::ReportedEvent;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kFill = controls_testing::kFillColor;
constexpr int kX = 100;
constexpr int kY = 50;

std::vector<int32_t> released;
void RecordRelease(int32_t value) { released.push_back(value); }

class ListBoxTest : public ControlsTextTest {
protected:
    // A list of `items` numbered items; height 208 gives ten rows of the 20-pixel font.
    ListBox* List(int items, int height = 208, uint32_t flags = 0, int capacity = 30) {
        auto* list = Add(new ListBox(772));
        list->SetTextColor(kWhite);
        EXPECT_EQ(list->SetUp(kX, kY, 120, height, capacity, &font, flags, 10), 1);
        for (int i = 0; i < items; ++i) {
            const std::string text = std::to_string(i + 1);
            list->AddItem(text.c_str(), ("item " + text).c_str(), i, nullptr);
        }
        list->Update();  // added items reach the face at the frame's update
        return list;
    }
    // Columns of the face holding text in one row band.
    static int RightmostInk(const ListBox& list, int top) {
        for (int x = list.Width() - 1; x >= 0; --x) {
            for (int y = top; y < top + list.RowHeight(); ++y) {
                if (FaceColor(list, x, y) != kFill) return x;
            }
        }
        return -1;
    }
    static bool RowHasInk(const ListBox& list, int top, int right) {
        return BandHasInk(list, {0, top, right, top + list.RowHeight()});
    }
    static bool BandHasInk(const ListBox& list, const gfx::Rect& band) {
        for (int y = band.top; y < band.bottom; ++y) {
            for (int x = band.left; x < band.right; ++x) {
                if (FaceColor(list, x, y) != kFill) return true;
            }
        }
        return false;
    }
    static void TypeChar(char c) { Type(std::string(1, c)); }
};

}  // namespace

TEST_F(ListBoxTest, TheScoreColumnShowsThirteenRowsTwentyThreePixelsApartWithoutABar) {
    auto* list = List(10, 280, ListBox::kBarOnlyWhenNeeded, 10);
    EXPECT_EQ(list->RowHeight(), 20);
    EXPECT_EQ(list->Visible(), 13);
    EXPECT_EQ(list->RowTop(1) - list->RowTop(0), 23);
    for (int row = 0; row < 10; ++row) {
        EXPECT_TRUE(RowHasInk(*list, list->RowTop(row), list->Width())) << row;
        const int gap = list->RowTop(row) + 20;
        EXPECT_FALSE(BandHasInk(*list, {0, gap, list->Width(), gap + 3})) << row;
    }
    // No bar: the arrows' corner stays the fill colour.
    EXPECT_EQ(FaceColor(*list, list->Width() - 10, 8), kFill);
    EXPECT_EQ(list->AddItem("11", nullptr, 0, nullptr), 0);
    EXPECT_EQ(list->Count(), 10);
}

TEST_F(ListBoxTest, ARowAddedToAListOnAPresentedScreenIsShownByTheNextFrame) {
    auto* list = List(3);
    Interface::Update();
    Interface::Render();
    const int presents = headless::PresentCount();
    auto inkInRow = [&](int row) {
        const headless::Frame& screen = headless::Screen();
        const int left = controls_testing::kOriginX + kX, top = controls_testing::kOriginY + kY;
        const uint32_t fill = screen.At(left + 1, top + list->RowTop(row));
        int ink = 0;
        for (int y = top + list->RowTop(row); y < top + list->RowTop(row) + list->RowHeight(); ++y) {
            for (int x = left; x < left + list->Width() - 14; ++x) ink += screen.At(x, y) != fill;
        }
        return ink;
    };
    ASSERT_GT(inkInRow(2), 0);
    EXPECT_EQ(inkInRow(3), 0);
    list->AddItem("4", nullptr, 3, nullptr);
    Interface::Update();
    Interface::Render();
    EXPECT_GT(headless::PresentCount(), presents);
    EXPECT_GT(inkInRow(3), 0);
}

TEST_F(ListBoxTest, ItemsEndAtTheSameRightEdge) {
    auto* list = List(0, 280, ListBox::kBarOnlyWhenNeeded, 10);
    list->AddItem("12", nullptr, 0, nullptr);
    list->AddItem("345", nullptr, 0, nullptr);
    list->Update();
    const int first = RightmostInk(*list, list->RowTop(0));
    const int second = RightmostInk(*list, list->RowTop(1));
    EXPECT_GE(first, list->Width() - 3);
    EXPECT_LE(std::abs(first - second), 1);
}

TEST_F(ListBoxTest, ABarIsDrawnWhenItemsOverflowAndTextKeepsClearOfIt) {
    auto* list = List(30, 208, ListBox::kBarOnlyWhenNeeded);
    const int b = list->Width() - 10 - 4;
    EXPECT_EQ(FaceColor(*list, b + 3, 50), Interface::LightPenColor());  // the track
    EXPECT_EQ(FaceColor(*list, b + 4, 10), Interface::LightPenColor());  // the thumb's top
    // Flush right at the text column's edge, not under the bar.
    EXPECT_FALSE(BandHasInk(*list, {b + 9, 4, list->Width(), 4 + 20}));
    EXPECT_TRUE(BandHasInk(*list, {b - 10, 4, b, 4 + 20}));
    EXPECT_FLOAT_EQ(list->Scale(), 189.0f / 30.0f);
    EXPECT_EQ(list->ThumbLength(), static_cast<int>(189.0f / 30.0f * 10.0f) + 1);
}

TEST_F(ListBoxTest, TheBarsArrowsScrollByOneItemWithinTheList) {
    auto* list = List(30);
    ASSERT_EQ(list->Visible(), 10);
    const int barX = kX + list->Width() - 5;
    ClickAt(barX, kY + 5);  // the up arrow at the top does nothing yet
    EXPECT_EQ(list->First(), 0);
    for (int i = 0; i < 25; ++i) ClickAt(barX, kY + 208 - 5);
    EXPECT_EQ(list->First(), 20);
    ClickAt(barX, kY + 5);
    EXPECT_EQ(list->First(), 19);
    EXPECT_TRUE(Reported().empty());
}

TEST_F(ListBoxTest, DraggingTheThumbScrollsByTheScaleAndStopsAtTheEnd) {
    auto* list = List(30);
    const float scale = list->Scale();
    const int barX = kX + list->Width() - 5;
    MoveTo(barX, kY + 40);
    Press();
    ASSERT_TRUE(list->Dragging());
    MoveTo(barX, kY + 40 + static_cast<int>(std::ceil(scale * 3)));
    EXPECT_EQ(list->First(), 3);
    MoveTo(barX, kY + 200);
    EXPECT_EQ(list->First(), 20);
    MoveTo(barX, kY - 100);
    EXPECT_EQ(list->First(), 0);
    Release();
    EXPECT_FALSE(list->Dragging());
    MoveTo(barX, kY + 150);
    EXPECT_EQ(list->First(), 0);
}

TEST_F(ListBoxTest, AReleaseEndsADragEvenWhileHidden) {
    auto* list = List(30);
    MoveTo(kX + list->Width() - 5, kY + 40);
    Press();
    list->SetFlags(Control::kHidden);
    Release();
    EXPECT_FALSE(list->Dragging());
}

TEST_F(ListBoxTest, APressOnARowSelectsTheItemDrawnThere) {
    auto* list = List(30);
    ClickAt(kX + 50, kY + list->RowTop(7) + 19);
    EXPECT_EQ(list->Selected(), 7);
    ClickAt(kX + 50, kY + list->RowTop(2) + 1);
    EXPECT_EQ(list->Selected(), 2);
    EXPECT_EQ(Reported(), (std::vector<ReportedEvent>{{772, ListBox::kEventSelected, 1},
                                                      {772, ListBox::kEventSelected, 1}}));
    ClickAt(kX + 50, kY - 3);  // just above the list
    EXPECT_EQ(list->Selected(), 2);
    EXPECT_EQ(Reported().size(), 2u);
}

TEST_F(ListBoxTest, ADoubleClickChoosesTheItem) {
    auto* list = List(5);
    MoveTo(kX + 50, kY + list->RowTop(1) + 5);
    Interface::DispatchInput(Interface::kInputDoubleClick, 0);
    EXPECT_EQ(Reported(), (std::vector<ReportedEvent>{{772, ListBox::kEventSelected, 1},
                                                      {772, ListBox::kEventChosen, 1}}));
}

TEST_F(ListBoxTest, MovingDownFromTheLastVisibleRowScrollsByOne) {
    auto* list = List(30);
    list->Select(9);
    Reported().clear();
    MoveTo(kX + 50, kY + 50);  // the focus
    TypeChar(ListBox::kCharDown);
    EXPECT_EQ(list->First(), 1);
    EXPECT_EQ(list->Selected(), 10);
    EXPECT_EQ(Reported(), (std::vector<ReportedEvent>{{772, ListBox::kEventSelected, 1}}));
}

TEST_F(ListBoxTest, MovingUpFromTheTopRowScrollsBackAndStopsAtTheFirstItem) {
    auto* list = List(30);
    MoveTo(kX + 50, kY + 50);
    TypeChar(ListBox::kCharDown);  // nothing selected: the top visible row
    EXPECT_EQ(list->Selected(), 0);
    for (int i = 0; i < 12; ++i) TypeChar(ListBox::kCharDown);
    EXPECT_EQ(list->Selected(), 12);
    EXPECT_EQ(list->First(), 3);
    for (int i = 0; i < 10; ++i) TypeChar(ListBox::kCharUp);
    EXPECT_EQ(list->Selected(), 2);
    EXPECT_EQ(list->First(), 2);
    for (int i = 0; i < 5; ++i) TypeChar(ListBox::kCharUp);
    EXPECT_EQ(list->Selected(), 0);
    EXPECT_EQ(list->First(), 0);
}

TEST_F(ListBoxTest, SelectionCharactersNeedTheFocusOrTheirFlag) {
    auto* list = List(5);
    TypeChar(ListBox::kCharDown);
    EXPECT_EQ(list->Selected(), -1);
    list->SetFlags(ListBox::kArrowsWithoutFocus);
    TypeChar(ListBox::kCharDown);
    EXPECT_EQ(list->Selected(), 0);
}

TEST_F(ListBoxTest, EnterChoosesOnlyAVisibleSelection) {
    auto* list = List(30, 208, ListBox::kEnterWithoutFocus);
    Type("\r");
    EXPECT_TRUE(Reported().empty());
    list->Select(3);
    Reported().clear();
    Type("\r");
    EXPECT_EQ(Reported(), (std::vector<ReportedEvent>{{772, ListBox::kEventChosen, 1}}));
    for (int i = 0; i < 5; ++i) ClickAt(kX + list->Width() - 5, kY + 208 - 5);
    Reported().clear();
    Type("\r");  // scrolled out of sight
    EXPECT_TRUE(Reported().empty());
}

TEST_F(ListBoxTest, ClearingReleasesTheItemsAndTheHintFollowsThePointer) {
    released.clear();
    auto* list = List(0, 208, ListBox::kItemHints);
    list->AddItem("Jan", "Jan Novák", 11, RecordRelease);
    list->AddItem("Eva", nullptr, 12, RecordRelease);
    MoveTo(kX + 50, kY + list->RowTop(0) + 5);
    EXPECT_STREQ(list->GetHint(), " Jan Novák ");
    EXPECT_EQ(Interface::GetFocus(), list);
    list->Select(1);
    list->Clear();
    EXPECT_EQ(released, (std::vector<int32_t>{11, 12}));
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->Selected(), -1);
    EXPECT_STREQ(list->ItemAt(0).text, "");
    EXPECT_EQ(list->Select(0), 0);
    list->AddItem("Petr", nullptr, 13, RecordRelease);
    Interface::RemoveAllControls(true);  // destroys the list without the callbacks
    EXPECT_EQ(released.size(), 2u);
}

TEST_F(ListBoxTest, FrozenControlsAndOverlongTextsAreHandledSafely) {
    auto* list = List(3);
    controlsFrozen = 1;
    ClickAt(kX + 50, kY + 10);
    controlsFrozen = 0;
    EXPECT_EQ(list->Selected(), -1);
    const std::string longText(80, 'x');
    list->AddItem(longText.c_str(), longText.c_str(), 0, nullptr);
    EXPECT_EQ(std::string(list->ItemAt(3).text), std::string(50, 'x'));
    EXPECT_EQ(std::string(list->ItemAt(3).secondText), std::string(50, 'x'));
    auto* empty = Add(new ListBox(773));
    EXPECT_EQ(empty->SetUp(0, 0, 50, 20, 0, nullptr, 0, 10), 1);
    EXPECT_EQ(empty->AddItem("x", nullptr, 0, nullptr), 0);
    EXPECT_EQ(empty->SetUp(0, 0, 50, 20, -1, nullptr, 0, 10), 0);
}
