#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TestWindow;

namespace {

struct Area {
    int left, top, right, bottom;
};

// Where a control lies in the window: its frame's place added to its own.
template <typename Control> Area areaOf(const Form1& form, const Control& c) {
    int left = c.left, top = c.top;
    if constexpr (requires { c.frame; })
        if (const Frame* outer = frameNamed(form, c.frame))
            left += outer->left, top += outer->top;
    return {left, top, left + c.width, top + c.height};
}

bool overlap(const Area& a, const Area& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const Area& inner, const Area& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

} // namespace

TEST(WindowLayout, ControlsHaveASizeLieInTheirFramesAndNeverOverlap) {
    TestWindow window;
    const Form1& form = window.form;
    const Area inWindow{0, 0, form.Window.width, form.Window.height};
    std::vector<Area> areas = {areaOf(form, form.Command1), areaOf(form, form.Label12),
                               areaOf(form, form.Label16),  areaOf(form, form.Label18),
                               areaOf(form, form.Frame4),   areaOf(form, form.Frame6),
                               areaOf(form, form.Frame7)};
    for (int i = 1; i <= 20; ++i)
        areas.push_back(areaOf(form, *form.Command2.find(i)));
    for (int i = 1; i <= 8; ++i)
        areas.push_back(areaOf(form, form.Text39(i)));
    for (std::size_t a = 0; a < areas.size(); ++a) {
        EXPECT_TRUE(areas[a].right > areas[a].left && areas[a].bottom > areas[a].top) << a;
        EXPECT_TRUE(inside(areas[a], inWindow)) << a;
        for (std::size_t b = a + 1; b < areas.size(); ++b)
            EXPECT_FALSE(overlap(areas[a], areas[b])) << a << " and " << b;
    }
    for (int i = 0; i <= 9; ++i)
        EXPECT_TRUE(inside(areaOf(form, *form.Text57.find(i)), areaOf(form, form.Frame7))) << i;
    for (int i = 1; i <= 20; ++i)
        EXPECT_TRUE(inside(areaOf(form, *form.Command3.find(i)), areaOf(form, form.Frame6))) << i;
    EXPECT_TRUE(inside(areaOf(form, form.Label13), areaOf(form, form.Frame4)));
    EXPECT_FALSE(form.Frame1.visible || form.Frame2.visible || form.Frame3.visible);
}
