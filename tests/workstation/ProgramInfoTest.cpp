#include "workstation/ProgramInfo.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>

namespace quelvarin {
namespace {
namespace fs = std::filesystem;

TEST(ProgramInfo, VersionLabelReadsTheFirstLineOfVerNum) {
    struct Case {
        std::optional<std::string_view> bytes; // none: no ver.num
        std::string_view label;
    };
    const Case cases[] = {
        {"0.2\r\n", "verziószám: 0.2"},
        {"1.0 b\xE9ta\r\nm\xE1sodik sor\r\n", "verziószám: 1.0 béta"}, // only the first line, decoded
        {"3.1", "verziószám: 3.1"},
        {std::nullopt, "verziószám: nincs adat"},
        {"", "verziószám: nincs adat"},
        {"\r\n0.2\r\n", "verziószám: nincs adat"},
        {"  \t \r\n", "verziószám: nincs adat"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        InstallPaths paths(dir.Path());
        if (c.bytes) {
            test::WriteBytes(paths.VersionFile(), *c.bytes);
        }
        EXPECT_EQ(VersionLabel(paths), c.label) << c.bytes.value_or("(none)");
    }
}

TEST(ProgramInfo, AnUnreadableVersionFileHasNoData) {
    test::TempDir dir;
    InstallPaths paths(dir.Path());
    fs::create_directories(paths.VersionFile()); // a folder in its place
    EXPECT_EQ(VersionLabel(paths), "verziószám: nincs adat");
}

TEST(ProgramInfo, TheShippedTreeCarriesAVersion) {
    InstallPaths shipped(QUELVARIN_SHIPPED_TREE);
    auto label = VersionLabel(shipped);
    EXPECT_TRUE(label.starts_with("verziószám: "));
    EXPECT_NE(label, "verziószám: nincs adat");
}

} // namespace
} // namespace quelvarin
