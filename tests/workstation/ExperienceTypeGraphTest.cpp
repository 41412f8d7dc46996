#include "model/ProtocolFile.h"
#include "support/CountsBuilder.h"
#include "support/ProtocolBuilder.h"
#include "support/TempDir.h"
#include "workstation/ExperienceTypeGraphDesk.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;
using namespace et_chart;
using test::TestStation;

std::vector<std::string_view> HighlightedLabels(const Placement& placement) {
    std::vector<std::string_view> labels;
    for (const auto& entry : Types()) {
        if (placement.highlighted[IndexOf(entry.type)]) {
            labels.push_back(entry.label);
        }
    }
    return labels;
}

std::string_view ShownFile(const Placement& placement) {
    return placement.shown ? Entry(*placement.shown).file : "";
}

// The protocol's point tested against the types: movement : colour.
TEST(ExperienceTypeChart, PlacingTheProtocolsPoint) {
    struct Case {
        double movement;
        double colour;
        std::vector<std::string_view> highlighted;
        std::string_view file;
        Point marker;
        bool onChart;
    };
    const Case cases[] = {
        {0, 0, {"Koartált"}, "koartalt.txt", {38, 41}, true},
        {1, 6, {"Dilatatív extravertált"}, "dilat_extravertalt.txt", {218, 71}, true},
        {2, 0, {"Extraverzió nélküli intr."}, "extr_nelk_intr.txt", {38, 101}, true},
        // Both labels, the text of the one tested last.
        {3, 3, {"Ambiekvális", "Dilatált"}, "dilatalt.txt", {128, 131}, true},
        {3.5, 3.5, {"Ambiekvális", "Dilatált"}, "dilatalt.txt", {143, 146}, true},
        // Where a type's area lies over its neighbour's, the neighbour's test gives way.
        {0.5, 0.5, {"Koartált"}, "koartalt.txt", {53, 56}, true},
        {1, 1, {"Koartatív"}, "koartativ.txt", {68, 71}, true},
        {0.5, 1.5, {"Extravertált"}, "extravertalt.txt", {83, 56}, true},
        {1.5, 0.5, {"Introvertált"}, "introvertalt.txt", {53, 86}, true},
        {2, 3.5, {"Ellensúlyos extravertált"}, "ellens_extravertalt.txt", {143, 101}, true},
        {5, 3, {"Ellensúlyos introvertált"}, "ellens_introvertalt.txt", {128, 191}, true},
        {2.5, 3.5, {"Ambiekvális"}, "ambiekvalis.txt", {143, 116}, true},
        {10, 10, {"Dilatált"}, "dilatalt.txt", {338, 341}, true},
        {6, 1, {"Dilatatív introvertált"}, "dilat_introvertalt.txt", {68, 221}, true},
        // Beyond 10 the point lies outside every area and the marker is not shown.
        {12, 2, {}, "", {98, 401}, false},
        {0, 10.5, {}, "", {353, 41}, false},
        {10.5, 0, {}, "", {38, 356}, false},
    };
    for (const auto& c : cases) {
        auto placement = PlaceExperienceType({c.movement, c.colour});
        SCOPED_TRACE(placement.field);
        EXPECT_EQ(HighlightedLabels(placement), c.highlighted);
        EXPECT_EQ(ShownFile(placement), c.file);
        EXPECT_EQ(placement.marker, c.marker);
        EXPECT_EQ(placement.onChart, c.onChart);
    }
}

// Over the whole chart the highlighted type is the one the classification gives, but for the
// four cells where the areas of "Ambiekvális" and "Dilatált" overlap.
TEST(ExperienceTypeChart, EveryCellHighlightsItsOwnType) {
    const std::set<std::pair<double, double>> bothTypes = {{3, 3}, {3, 3.5}, {3.5, 3}, {3.5, 3.5}};
    for (int movementCell = 0; movementCell < kCells; ++movementCell) {
        for (int colourCell = 0; colourCell < kCells; ++colourCell) {
            double movement = CellValue(movementCell);
            double colour = CellValue(colourCell);
            auto placement = PlaceExperienceType({movement, colour});
            SCOPED_TRACE(placement.field);
            EXPECT_TRUE(placement.onChart);
            if (bothTypes.contains({movement, colour})) {
                EXPECT_EQ(HighlightedLabels(placement),
                          (std::vector<std::string_view>{"Ambiekvális", "Dilatált"}));
                EXPECT_EQ(placement.shown, Type::Dilatalt);
            } else {
                EXPECT_EQ(HighlightedLabels(placement),
                          std::vector<std::string_view>{ClassifyExperienceType(movement, colour)});
            }
        }
    }
}

TEST(ExperienceTypeChart, ThePointerFindsTheTypeOfEveryCell) {
    for (int movementCell = 0; movementCell < kCells; ++movementCell) {
        for (int colourCell = 0; colourCell < kCells; ++colourCell) {
            double movement = CellValue(movementCell);
            double colour = CellValue(colourCell);
            auto type = TypeUnder(TestPoint(CellCorner(colourCell, movementCell)));
            ASSERT_TRUE(type) << movement << " : " << colour;
            EXPECT_EQ(Entry(*type).label, ClassifyExperienceType(movement, colour))
                << movement << " : " << colour;
        }
    }
    EXPECT_EQ(TypeUnder({128, 130}), Type::Ambiekvalis) << "the corner cell's own area";
    EXPECT_EQ(TypeUnder({150, 150}), Type::Dilatalt) << "3.5 : 3.5 under the pointer";
    EXPECT_FALSE(TypeUnder({20, 20})) << "over the captions";
    EXPECT_FALSE(TypeUnder({360, 200})) << "right of the chart";
}

TEST(ExperienceTypeChart, EachLearningSpotStandsOnItsOwnType) {
    for (const auto& entry : Types()) {
        EXPECT_EQ(TypeUnder(entry.spot), entry.type) << entry.label;
        EXPECT_EQ(TypeUnder(TestPoint(entry.spot)), entry.type) << entry.label;
    }
}

TEST(ExperienceTypeChart, TheTypeListAndItsFiles) {
    const std::string_view order[] = {
        "Koartált",
        "Koartatív",
        "Ambiekvális",
        "Dilatált",
        "Introverzió nélküli extr.",
        "Extravertált",
        "Ellensúlyos extravertált",
        "Dilatatív extravertált",
        "Extraverzió nélküli intr.",
        "Introvertált",
        "Ellensúlyos introvertált",
        "Dilatatív introvertált",
    };
    ASSERT_EQ(Types().size(), kTypeCount);
    std::set<std::string_view> files;
    for (std::size_t i = 0; i < kTypeCount; ++i) {
        const auto& entry = Types()[i];
        EXPECT_EQ(entry.label, order[i]);
        EXPECT_EQ(IndexOf(entry.type), i);
        EXPECT_EQ(entry.caption, " " + std::string(entry.label) + " ");
        EXPECT_EQ(TypeOfLabel(entry.label), entry.type);
        EXPECT_TRUE(entry.file.ends_with(".txt")) << entry.file;
        files.insert(entry.file);
    }
    EXPECT_EQ(files.size(), kTypeCount);
    // One file for this type, found by the protocol or by the pointer.
    EXPECT_EQ(Entry(Type::ExtrNelkIntr).file, "extr_nelk_intr.txt");
    EXPECT_FALSE(TypeOfLabel("Koartalt"));
}

TEST(ExperienceTypeChart, EveryCellIsColouredByItsType) {
    std::set<std::tuple<int, int, int>> colours;
    for (const auto& entry : Types()) {
        colours.insert({entry.colour.red, entry.colour.green, entry.colour.blue});
    }
    EXPECT_EQ(colours.size(), kTypeCount);
    for (int movementCell = 0; movementCell < kCells; ++movementCell) {
        for (int colourCell = 0; colourCell < kCells; ++colourCell) {
            auto label = ClassifyExperienceType(CellValue(movementCell), CellValue(colourCell));
            EXPECT_EQ(CellColour(colourCell, movementCell), Entry(*TypeOfLabel(label)).colour) << label;
        }
    }
    EXPECT_EQ(CellCorner(0, 0), kOrigin);
    EXPECT_EQ(CellCorner(20, 2), (Point{338, 71}));
}

TEST(ExperienceTypeChart, TheFieldOfTheCurrentExperienceType) {
    EXPECT_EQ(FieldText({2.5, 3.5}), " 2.5- 3.5");
    EXPECT_EQ(FieldText({0, 0}), " 0.0- 0.0");
    EXPECT_EQ(FieldText({12, 2}), "12.0- 2.0");
    EXPECT_EQ(kFieldPlaceholder, " ---- : ---- ");
}

// --- The desk -----------------------------------------------------------------------------------

// A protocol whose ÉT is movement : colour, loaded as the examiner opens one.
void LoadExperienceType(TestStation& ws, double movement, double colour) {
    auto halves = [](double side) { return static_cast<int>(side * 2) % 2; };
    // B+ counts whole, B sec half; FbF counts whole, FFb+ half.
    auto protocol = test::WithCounts(1, {{302, static_cast<int>(movement)},
                                         {303, halves(movement)},
                                         {334, static_cast<int>(colour)},
                                         {307, halves(colour)}});
    auto file = ws.root / "et.qvl";
    test::WriteBytes(file, SerializeProtocol(protocol, {}));
    ASSERT_TRUE(ws->files.LoadProtocol(file));
    ASSERT_EQ(ws->session.Figures().typologies.experienceType, (TypologyPair{movement, colour}));
}

// The type texts are Windows-1250, as the installation ships them.
void WriteTypeText(TestStation& ws, std::string_view file, std::string_view bytes) {
    fs::create_directories(ws.root / "et");
    test::WriteBytes(ws.root / "et" / std::string(file), bytes);
}

TEST(ExperienceTypeGraphDesk, ExaminationMarksTheProtocolAndShowsItsTypesText) {
    TestStation ws;
    WriteTypeText(ws, "dilatalt.txt", "T\xe1gul\xf3 \xe9lm\xe9nyt\xedpus.\r\nM\xe1sodik sor.\r\n");
    auto& graph = ws->experienceGraph;
    EXPECT_EQ(graph.Mode(), GraphMode::Examination);
    EXPECT_EQ(graph.Field(), " ---- : ---- ");
    EXPECT_FALSE(graph.ProtocolMarker()) << "nothing placed yet";

    LoadExperienceType(ws, 3, 3);
    graph.Place();
    EXPECT_EQ(graph.Field(), " 3.0- 3.0");
    EXPECT_EQ(graph.ProtocolMarker(), (Point{128, 131}));
    EXPECT_TRUE(graph.Highlighted(Type::Ambiekvalis));
    EXPECT_TRUE(graph.Highlighted(Type::Dilatalt));
    EXPECT_FALSE(graph.Highlighted(Type::Koartalt));
    EXPECT_EQ(graph.TextFile(), "dilatalt.txt");
    EXPECT_EQ(graph.Text(), (Lines{"Táguló élménytípus.", "Második sor."}));
    EXPECT_FALSE(graph.LearningMarker());
    EXPECT_FALSE(graph.PointAtChart({47, 47})) << "the pointer reads nothing in examination mode";
    EXPECT_FALSE(graph.PointAtType(Type::Koartalt));
    EXPECT_EQ(graph.TextFile(), "dilatalt.txt");
}

TEST(ExperienceTypeGraphDesk, BeyondTheChartTheMarkerIsHiddenAndTheTextStays) {
    TestStation ws;
    WriteTypeText(ws, "koartalt.txt", "Koart\xe1lt.");
    auto& graph = ws->experienceGraph;
    graph.Place();
    EXPECT_EQ(graph.Text(), Lines{"Koartált."});

    LoadExperienceType(ws, 12, 2);
    graph.Place();
    EXPECT_EQ(graph.Field(), "12.0- 2.0");
    EXPECT_FALSE(graph.ProtocolMarker());
    for (const auto& entry : Types()) {
        EXPECT_FALSE(graph.Highlighted(entry.type)) << entry.label;
    }
    EXPECT_EQ(graph.Text(), Lines{"Koartált."});
}

TEST(ExperienceTypeGraphDesk, AMissingTextFileEmptiesTheBox) {
    TestStation ws;
    WriteTypeText(ws, "koartalt.txt", "Koart\xe1lt.");
    auto& graph = ws->experienceGraph;
    graph.Place();
    ASSERT_EQ(graph.Text(), Lines{"Koartált."});
    LoadExperienceType(ws, 2, 0);
    graph.Place();
    EXPECT_EQ(graph.TextFile(), "extr_nelk_intr.txt");
    EXPECT_TRUE(graph.Text().empty());

    graph.SetMode(GraphMode::Learning);
    EXPECT_TRUE(graph.PointAtType(Type::Koartalt));
    EXPECT_EQ(graph.Text(), Lines{"Koartált."});
    EXPECT_TRUE(graph.PointAtType(Type::Koartativ));
    EXPECT_TRUE(graph.Text().empty());
}

// Moving to and fro inside one area reads its file once: a change to the file shows only after
// the pointer has been over another type.
TEST(ExperienceTypeGraphDesk, MovingInsideOneAreaReadsItsFileOnce) {
    TestStation ws;
    WriteTypeText(ws, "koartativ.txt", "elso");
    WriteTypeText(ws, "koartalt.txt", "koartalt");
    auto& graph = ws->experienceGraph;
    graph.SetMode(GraphMode::Learning);
    EXPECT_FALSE(graph.LearningMarker()) << "no type pointed at yet";
    ASSERT_TRUE(graph.PointAtChart({75, 75}));
    EXPECT_EQ(graph.Text(), Lines{"elso"});
    EXPECT_EQ(graph.LearningMarker(), Type::Koartativ);

    WriteTypeText(ws, "koartativ.txt", "masodik");
    for (Point p : {Point{80, 45}, Point{45, 80}, Point{75, 75}}) {
        ASSERT_TRUE(graph.PointAtChart(p));
        EXPECT_EQ(graph.LearningMarker(), Type::Koartativ);
    }
    ASSERT_TRUE(graph.PointAtType(Type::Koartativ)) << "its label, as the area";
    EXPECT_EQ(graph.Text(), Lines{"elso"});

    ASSERT_TRUE(graph.PointAtChart({45, 45}));
    EXPECT_EQ(graph.LearningMarker(), Type::Koartalt);
    EXPECT_EQ(graph.Text(), Lines{"koartalt"});
    ASSERT_TRUE(graph.PointAtChart({75, 75}));
    EXPECT_EQ(graph.Text(), Lines{"masodik"});
    EXPECT_FALSE(graph.PointAtChart({20, 20})) << "outside every area: nothing changes";
    EXPECT_EQ(graph.LearningMarker(), Type::Koartativ);
}

// The text box and the learning markers never tell of different types: "V" shows the
// protocol's type, "T" the type pointed at last, read again since the box showed another.
TEST(ExperienceTypeGraphDesk, TheModesEachShowTheirOwnType) {
    TestStation ws;
    WriteTypeText(ws, "koartalt.txt", "koartalt");
    WriteTypeText(ws, "dilatalt.txt", "dilatalt");
    LoadExperienceType(ws, 5, 5);
    auto& graph = ws->experienceGraph;
    graph.SetMode(GraphMode::Learning);
    EXPECT_FALSE(graph.ProtocolMarker());
    ASSERT_TRUE(graph.PointAtType(Type::Koartalt));
    EXPECT_EQ(graph.Text(), Lines{"koartalt"});

    graph.SetMode(GraphMode::Examination);
    EXPECT_EQ(graph.ProtocolMarker(), (Point{188, 191}));
    EXPECT_FALSE(graph.LearningMarker());
    EXPECT_EQ(graph.Text(), Lines{"dilatalt"});

    graph.SetMode(GraphMode::Learning);
    EXPECT_EQ(graph.LearningMarker(), Type::Koartalt);
    EXPECT_EQ(graph.Text(), Lines{"koartalt"});
    // The figures change while the examiner reads: the field and the highlight follow, the text
    // box keeps what is read.
    LoadExperienceType(ws, 0, 0);
    graph.Place();
    EXPECT_EQ(graph.Field(), " 0.0- 0.0");
    EXPECT_TRUE(graph.Highlighted(Type::Koartalt));
    EXPECT_FALSE(graph.Highlighted(Type::Dilatalt));
    EXPECT_EQ(graph.Text(), Lines{"koartalt"});
    EXPECT_EQ(graph.LearningMarker(), Type::Koartalt);
}

} // namespace
} // namespace quelvarin
