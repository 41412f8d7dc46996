#include "model/AnswerTextStore.h"

#include "platform/Cp1250.h"
#include "support/FailingWrites.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

TEST(AnswerTextStore, TheFilesOfTheCurrentAnswersReadBackAndGo) {
    test::TempDir dir;
    InstallPaths paths(dir / "quelva");
    FileAnswerTextStore store(paths);
    EXPECT_TRUE(store.Read(3).empty()) << "no file, no lines";
    ASSERT_TRUE(store.Write(3, {"Egy denevér", "szárnyakkal."}));
    EXPECT_EQ(test::ReadBytes(paths.AnswerTextFile(3)), EncodeCp1250("Egy denevér\r\nszárnyakkal.\r\n"));
    EXPECT_EQ(store.Read(3), (AnswerText{"Egy denevér", "szárnyakkal."}));
    EXPECT_EQ(store.Where(3), paths.AnswerTextFile(3).string());
    EXPECT_TRUE(store.Remove(3));
    EXPECT_FALSE(std::filesystem::exists(paths.AnswerTextFile(3)));
}

// A text written part way leaves the answer's earlier text whole, and no temporary beside it.
TEST(AnswerTextStore, AWriteFailingPartWayLeavesTheEarlierText) {
    test::TempDir dir;
    InstallPaths paths(dir / "quelva");
    FileAnswerTextStore store(paths);
    ASSERT_TRUE(store.Write(7, {"Két medve."}));
    test::ExpectFailedWritesLeaveWholeFiles(paths.CurrentFolder(), [&] {
        return store.Write(7, {"Két medve", "táncol."});
    });
    EXPECT_EQ(store.Read(7), (AnswerText{"Két medve", "táncol."}));

    test::ExpectFailedWritesLeaveWholeFiles(paths.CurrentFolder(),
                                            [&] { return store.Write(8, {"Pillangó."}); });
    EXPECT_EQ(store.Read(8), (AnswerText{"Pillangó."}));
}

} // namespace
} // namespace quelvarin
