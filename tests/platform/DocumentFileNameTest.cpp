#include "platform/DocumentFileName.h"

#include "platform/InstallPaths.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {
namespace fs = std::filesystem;

TEST(DocumentFileName, MakesTheCodeASafeFileName) {
    struct Case {
        std::string_view code;
        std::string_view name;
    };
    const Case cases[] = {
        {"abc_20040512", "abc_20040512"},
        {"Kovács Éva_2004", "Kovács Éva_2004"}, // Hungarian letters and inner blanks stay
        {"Ő.Ű.", "Ő.Ű_"},                       // single dots stay, a trailing one does not
        {"  kód  ", "kód"},                     // the code's own blanks are dropped
        {"a/b\\c", "a_b_c"},
        {"../../etc/passwd", "______etc_passwd"},
        {"..", "__"},
        {"a...b", "a___b"},
        {"a<b>c:d\"e|f?g*h", "a_b_c_d_e_f_g_h"},
        {"a\tb\r\nc", "a_b__c"},
        {"x\x7Fy", "x_y"},
        {"x\xC2\x85y", "x_y"}, // a C1 control
        {"x\xFFy", "x_y"},     // not UTF-8
        {"abc. .", "abc___"},  // trailing dots and blanks
        {"CON", "_CON"},       // Windows device names
        {"nul.x", "_nul.x"},
        {"Lpt9", "_Lpt9"},
        {"COM0", "_COM0"},
        {"com\u00B9", "_com\u00B9"},
        {"COM10", "COM10"},
        {"CONTROL", "CONTROL"},
        {"", "_"},
        {"   ", "_"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DocumentFileName(c.code), c.name) << c.code;
    }
}

TEST(DocumentFileName, TheWordDocumentStaysInDoc) {
    InstallPaths paths("/q/quelva");
    for (std::string_view code : {"abc", "../x", "..", "/etc/x", "C:\\x", "a/../../b", " "}) {
        auto file = paths.WordDocumentFile(code);
        EXPECT_EQ(file.parent_path(), fs::path("/q/quelva/doc")) << code;
        EXPECT_EQ(file.extension(), ".doc") << code;
        EXPECT_NE(file.filename(), ".doc") << code;
    }
}

} // namespace
} // namespace quelvarin
