#include "AreaCoords.h"

#include "TestPictures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TClickCase
{
    const char *Name;
    TCoordsType Type;
    int Zoom;
    std::vector<QPoint> Clicks; // positions on the zoomed picture
    const char *Text;
    int Count;
};

} // namespace

TEST(AreaCoords, ClicksCollectCoordinatesByType)
{
    const TClickCase cases[] = {
        {"zoom 300 % divides", TCoordsType::Points, 3, {{300, 150}}, "100, 50", 0},
        {"zoom cuts towards zero", TCoordsType::Points, 3, {{302, 155}}, "100, 51", 0},
        {"points keep the last pair", TCoordsType::Points, 1, {{1, 2}, {3, 4}, {5, 6}}, "5, 6", 0},
        {"rectangle", TCoordsType::Rectangle, 1, {{10, 20}, {110, 70}}, "10, 20, 110, 70", 2},
        {"third click starts a rectangle",
         TCoordsType::Rectangle,
         1,
         {{10, 20}, {110, 70}, {5, 5}},
         "5, 5",
         1},
        {"circle centre only", TCoordsType::Circle, 1, {{50, 50}}, "50, 50", 1},
        {"circle radius 5", TCoordsType::Circle, 1, {{50, 50}, {53, 54}}, "50, 50, 5", 2},
        {"radius of root 5 is 2", TCoordsType::Circle, 1, {{0, 0}, {1, 2}}, "0, 0, 2", 2},
        {"radius 3-4-5", TCoordsType::Circle, 1, {{0, 0}, {3, 4}}, "0, 0, 5", 2},
        {"radius of root 13 rounds up to 4",
         TCoordsType::Circle,
         1,
         {{10, 10}, {12, 13}},
         "10, 10, 4",
         2},
        {"radius measured in picture pixels",
         TCoordsType::Circle,
         2,
         {{100, 100}, {106, 108}},
         "50, 50, 5",
         2},
        {"third click starts a circle", TCoordsType::Circle, 1, {{0, 0}, {3, 4}, {7, 8}}, "7, 8", 1},
        {"polygon", TCoordsType::Polygon, 1, {{1, 2}, {30, 4}, {5, 60}}, "1, 2, 30, 4, 5, 60", 3},
        {"no type collects nothing", TCoordsType::None, 1, {{1, 2}, {3, 4}}, "", 0},
    };
    for (const TClickCase &c : cases) {
        TAreaCoords coords;
        coords.SetCoordsType(c.Type);
        coords.SetZoomFactor(c.Zoom);
        for (const QPoint &p : c.Clicks)
            coords.MousePressed(p, true);
        EXPECT_EQ(coords.CoordText(), QString(c.Text)) << c.Name;
        EXPECT_EQ(coords.ClickCount(), c.Count) << c.Name;
    }
}

TEST(AreaCoords, OnlyTheLeftButtonCollects)
{
    TAreaCoords coords;
    coords.SetCoordsType(TCoordsType::Polygon);
    coords.MousePressed({4, 4}, true);
    coords.MousePressed({8, 8}, false);
    EXPECT_EQ(coords.CoordText(), "4, 4");
    EXPECT_EQ(coords.ClickCount(), 1);
}

TEST(AreaCoords, TypeChangeResetsWhileZoomChangeKeeps)
{
    TAreaCoords coords;
    coords.SetCoordsType(TCoordsType::Rectangle);
    coords.MousePressed({10, 10}, true);
    coords.SetZoomFactor(2);
    EXPECT_EQ(coords.CoordText(), "10, 10");
    coords.MousePressed({40, 40}, true);
    EXPECT_EQ(coords.CoordText(), "10, 10, 20, 20") << "second corner in the new zoom";

    coords.SetCoordsType(TCoordsType::Rectangle);
    EXPECT_EQ(coords.CoordText(), "");
    coords.MousePressed({40, 40}, true);
    EXPECT_EQ(coords.CoordText(), "20, 20") << "a fresh rectangle after choosing the type again";
}

TEST(AreaCoords, AreaTagNamesTheShapeOfTheType)
{
    const struct
    {
        TCoordsType Type;
        const char *Tag;
    } cases[] = {
        {TCoordsType::Points,
         R"(<area shape="point" alt="alt-text" coords="7, 8" href="ref.html" />)"},
        {TCoordsType::Rectangle,
         R"(<area shape="rect" alt="alt-text" coords="7, 8" href="ref.html" />)"},
        {TCoordsType::Circle,
         R"(<area shape="circle" alt="alt-text" coords="7, 8" href="ref.html" />)"},
        {TCoordsType::Polygon,
         R"(<area shape="poly" alt="alt-text" coords="7, 8" href="ref.html" />)"},
        {TCoordsType::None, "Error in Case getCoords"},
    };
    for (const auto &c : cases) {
        TAreaCoords coords;
        coords.SetCoordsType(c.Type);
        coords.MousePressed({7, 8}, true);
        EXPECT_EQ(coords.GetAreaTag(), QString(c.Tag));
    }
}

TEST(AreaCoords, AreaTagWithoutClicksHasEmptyCoordinates)
{
    TAreaCoords coords;
    coords.SetCoordsType(TCoordsType::Circle);
    EXPECT_EQ(coords.GetAreaTag(),
              R"(<area shape="circle" alt="alt-text" coords="" href="ref.html" />)");
}
