#include "reports/HtmlText.h"

#include <gtest/gtest.h>

namespace quelvarin::reports {
namespace {

TEST(HtmlText, QuotesAndEscapes) {
    EXPECT_EQ(ReplaceQuotes("a \"b\" c"), "a &Prime;b&Prime; c");
    EXPECT_EQ(EscapeHtmlText("<b>Tom & Jerry</b>"), "&lt;b&gt;Tom &amp; Jerry&lt;/b&gt;");
}

// A pop-up line stands in a script string inside an attribute and is shown through innerHTML.
TEST(HtmlText, PopupLinesCannotBreakTheScriptOrTheMarkup) {
    EXPECT_EQ(EscapeForPopup("it's", PopupPart::Message), "it\\'s");
    EXPECT_EQ(EscapeForPopup("a\\b", PopupPart::Message), "a\\\\b");
    EXPECT_EQ(EscapeForPopup("<b>&", PopupPart::Message), "&amp;lt;b&amp;gt;&amp;amp;");
    EXPECT_EQ(EscapeForPopup("\"x\"", PopupPart::Message), "&Prime;x&Prime;");
    EXPECT_EQ(EscapeForPopup("\"x\"", PopupPart::Title), "&quot;x&quot;");
    EXPECT_EQ(EscapeForPopup("a\rb\tc", PopupPart::Title), "a b c");
    EXPECT_EQ(EscapeForPopup("ékezet", PopupPart::Title), "ékezet");
}

} // namespace
} // namespace quelvarin::reports
