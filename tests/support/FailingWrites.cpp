#include "support/FailingWrites.h"

#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quelvarin::test {
namespace fs = std::filesystem;

FailWritesAfter::FailWritesAfter(std::size_t limit, TargetFilter only)
    : m_left(limit), m_only(std::move(only)) {}

std::size_t FailWritesAfter::Allow(const fs::path& target, std::size_t size) {
    if (m_only && !m_only(target)) {
        return size;
    }
    m_targets.push_back(target);
    auto allowed = std::min(size, m_left);
    m_left -= allowed;
    m_written += allowed;
    m_tripped = m_tripped || allowed < size;
    return allowed;
}

FolderContents ContentsOf(const fs::path& folder) {
    FolderContents contents;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            contents[fs::relative(entry.path(), folder).generic_string()] = ReadBytes(entry.path());
        }
    }
    return contents;
}

void RestoreContents(const fs::path& folder, const FolderContents& contents) {
    for (const auto& [name, bytes] : ContentsOf(folder)) {
        if (!contents.contains(name)) {
            fs::remove(folder / name);
        }
    }
    for (const auto& [name, bytes] : contents) {
        WriteBytes(folder / name, bytes);
    }
}

std::vector<std::size_t> FailurePoints(std::size_t total) {
    std::vector<std::size_t> points;
    for (std::size_t point : {std::size_t{0}, std::size_t{1}, total / 2, total - 1}) {
        if (point < total && std::find(points.begin(), points.end(), point) == points.end()) {
            points.push_back(point);
        }
    }
    return points;
}

namespace {

// The files that differ between two contents of a folder, for the failure message.
std::string Differences(const FolderContents& expected, const FolderContents& actual) {
    std::string names;
    auto note = [&](const std::string& name, std::string_view what) {
        names += "\n  " + name + ": " + std::string(what);
    };
    for (const auto& [name, bytes] : actual) {
        auto old = expected.find(name);
        if (old == expected.end()) {
            note(name, "is new");
        } else if (old->second != bytes) {
            note(name, "changed");
        }
    }
    for (const auto& [name, bytes] : expected) {
        if (!actual.contains(name)) {
            note(name, "is gone");
        }
    }
    return names;
}

} // namespace

std::size_t ExpectFailedWritesLeaveWholeFiles(const fs::path& folder, const std::function<bool()>& write,
                                              AfterFailure after, const PointsOf& pointsOf) {
    const auto before = ContentsOf(folder);
    std::size_t total = 0;
    {
        CountWrites counting;
        EXPECT_TRUE(write()) << "the write without a fault";
        total = counting.Written();
    }
    const auto written = ContentsOf(folder);
    EXPECT_NE(written, before) << "the write changes nothing: its failures would prove nothing";
    EXPECT_GT(total, 0u) << "nothing went through the atomic writers";
    const auto points = pointsOf(total);
    EXPECT_FALSE(points.empty()) << "no failure point: nothing would be checked";
    for (auto point : points) {
        EXPECT_LT(point, total) << "a write of all its bytes does not fail";
        SCOPED_TRACE("failing after " + std::to_string(point) + " of " + std::to_string(total) + " bytes");
        RestoreContents(folder, before);
        FailWritesAfter failing(point);
        EXPECT_FALSE(write()) << "the failure is not reported";
        EXPECT_TRUE(failing.Tripped());
        auto now = ContentsOf(folder);
        if (after == AfterFailure::Unchanged) {
            EXPECT_EQ(now, before) << Differences(before, now);
            continue;
        }
        for (const auto& [name, bytes] : now) {
            auto old = before.find(name);
            auto fresh = written.find(name);
            bool whole = (old != before.end() && old->second == bytes) ||
                         (fresh != written.end() && fresh->second == bytes);
            EXPECT_TRUE(whole) << name << " is neither its old nor its new self (a temporary or a torn file)";
        }
        for (const auto& [name, bytes] : before) {
            EXPECT_TRUE(now.contains(name)) << name << " is gone";
        }
    }
    RestoreContents(folder, written);
    return total;
}

} // namespace quelvarin::test
