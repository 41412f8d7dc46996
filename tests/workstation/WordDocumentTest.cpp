#include "workstation/WordDocument.h"

#include "platform/RecordingNotifier.h"
#include "support/TempDir.h"
#include "workstation/Messages.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {
namespace fs = std::filesystem;

using Messages = std::vector<std::string>;

// A root with the templates the case asks for.
struct WordRoot {
    explicit WordRoot(bool own, bool shipped) : paths(dir.Path()) {
        if (own) {
            test::WriteBytes(paths.WordTemplateFile(), "saját sablon");
        }
        if (shipped) {
            test::WriteBytes(paths.ShippedWordTemplateFile(), "szállított sablon");
        }
    }
    Messages NoTemplate() const {
        return {messages::MissingWordTemplate(paths.WordTemplateFile().string(),
                                              paths.ShippedWordTemplateFile().string())};
    }

    test::TempDir dir;
    InstallPaths paths;
    RecordingNotifier notifier;
};

TEST(WordDocument, ANewDocumentIsCopiedFromTheTemplateInPlace) {
    struct Case {
        bool own;
        bool shipped;
        std::string_view copied; // "" when nothing is made
    };
    const Case cases[] = {
        {true, true, "saját sablon"},
        {true, false, "saját sablon"},
        {false, true, "szállított sablon"}, // a fresh installation
        {false, false, ""},
    };
    for (const auto& c : cases) {
        WordRoot root(c.own, c.shipped);
        auto document = PrepareWordDocument(root.paths, "Kovács_20040512", root.notifier);
        auto expected = root.dir / "doc" / "Kovács_20040512.doc";
        if (c.copied.empty()) {
            EXPECT_FALSE(document);
            EXPECT_EQ(root.notifier.Messages(), root.NoTemplate());
            EXPECT_FALSE(fs::exists(expected));
            continue;
        }
        ASSERT_EQ(document, expected) << c.copied;
        EXPECT_EQ(test::ReadBytes(expected), c.copied);
        EXPECT_TRUE(root.notifier.Messages().empty());
        EXPECT_EQ(fs::exists(root.paths.WordTemplateFile()), c.own) << "the user's template is not made here";
    }
}

TEST(WordDocument, AnExistingDocumentIsOpenedAsItIs) {
    WordRoot root(true, true);
    test::WriteBytes(root.dir / "doc" / "abc.doc", "a vizsgálat szövege");
    EXPECT_EQ(PrepareWordDocument(root.paths, "  abc ", root.notifier), root.dir / "doc" / "abc.doc");
    EXPECT_EQ(test::ReadBytes(root.dir / "doc" / "abc.doc"), "a vizsgálat szövege");
    EXPECT_TRUE(root.notifier.Messages().empty());
}

TEST(WordDocument, WithoutACodeNothingIsMade) {
    for (std::string_view code : {"", "   "}) {
        WordRoot root(true, true);
        EXPECT_FALSE(PrepareWordDocument(root.paths, code, root.notifier));
        EXPECT_EQ(root.notifier.Messages(), Messages{std::string(messages::kNoExaminationCode)});
        EXPECT_FALSE(fs::exists(root.dir / "doc"));
    }
}

TEST(WordDocument, ACodeWithPathCharactersStaysInDoc) {
    WordRoot root(false, true);
    auto document = PrepareWordDocument(root.paths, "../../kint", root.notifier);
    ASSERT_TRUE(document);
    EXPECT_EQ(document->parent_path(), root.dir / "doc");
    EXPECT_EQ(document->filename(), "______kint.doc");
    EXPECT_EQ(test::ReadBytes(*document), "szállított sablon");
    EXPECT_FALSE(fs::exists(root.dir.Path().parent_path() / "kint.doc"));
}

TEST(WordDocument, ACopyThatCannotBeWrittenIsReported) {
    WordRoot root(true, false);
    test::WriteBytes(root.dir / "doc", "a doc mappa helyén egy állomány");
    auto expected = root.dir / "doc" / "abc.doc";
    EXPECT_FALSE(PrepareWordDocument(root.paths, "abc", root.notifier));
    EXPECT_EQ(root.notifier.Messages(), Messages{messages::CannotWrite(expected.string())});
}

TEST(WordDocument, ATemplateThatCannotBeReadIsReported) {
    WordRoot root(false, true);
    fs::create_directories(root.paths.WordTemplateFile()); // a folder in the template's place
    EXPECT_FALSE(PrepareWordDocument(root.paths, "abc", root.notifier));
    EXPECT_EQ(root.notifier.Messages(),
              Messages{messages::CannotRead(root.paths.WordTemplateFile().string())});
    EXPECT_FALSE(fs::exists(root.dir / "doc" / "abc.doc"));
}

TEST(OwnWordTemplate, IsCopiedFromTheInstalledOneOnlyWhenMissing) {
    struct Case {
        bool own;
        bool shipped;
        std::string_view content; // "" when there is none to open
    };
    const Case cases[] = {
        {true, true, "saját sablon"},
        {true, false, "saját sablon"},
        {false, true, "szállított sablon"},
        {false, false, ""},
    };
    for (const auto& c : cases) {
        WordRoot root(c.own, c.shipped);
        auto own = PrepareOwnTemplate(root.paths, root.notifier);
        if (c.content.empty()) {
            EXPECT_FALSE(own);
            EXPECT_EQ(root.notifier.Messages(), root.NoTemplate());
            EXPECT_FALSE(fs::exists(root.paths.WordTemplateFile()));
            continue;
        }
        ASSERT_EQ(own, root.paths.WordTemplateFile());
        EXPECT_EQ(test::ReadBytes(*own), c.content);
        EXPECT_TRUE(root.notifier.Messages().empty());
    }
}

TEST(OwnWordTemplate, ACopyThatCannotBeWrittenIsReported) {
    WordRoot root(false, true);
    fs::create_directories(root.paths.WordTemplateFile() / "benne"); // a folder in its place
    EXPECT_FALSE(PrepareOwnTemplate(root.paths, root.notifier));
    EXPECT_EQ(root.notifier.Messages(),
              Messages{messages::CannotWrite(root.paths.WordTemplateFile().string())});
    EXPECT_TRUE(fs::is_directory(root.paths.WordTemplateFile() / "benne"));
}

TEST(OwnWordTemplate, TheFreshInstallationsDocumentThenUsesIt) {
    WordRoot root(false, true);
    ASSERT_TRUE(PrepareOwnTemplate(root.paths, root.notifier));
    test::WriteBytes(root.paths.WordTemplateFile(), "átírt saját sablon");
    auto document = PrepareWordDocument(root.paths, "abc", root.notifier);
    ASSERT_TRUE(document);
    EXPECT_EQ(test::ReadBytes(*document), "átírt saját sablon");
}

} // namespace
} // namespace quelvarin
