#include "platform/HtmlEntities.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

TEST(HtmlEntities, EntitiesOfTheHungarianLetters) {
    EXPECT_EQ(EncodeHtmlEntities("Ökör Őz Ügy ár"), "&Ouml;k&ouml;r &Odblac;z &Uuml;gy &aacute;r");
    EXPECT_EQ(EncodeHtmlEntities("tűz, ÁÉÍÓÚÜŰ"),
              "t&udblac;z, &Aacute;&Eacute;&Iacute;&Oacute;&Uacute;&Uuml;&Udblac;");
    EXPECT_EQ(EncodeHtmlEntities("abc 123 .,;-"), "abc 123 .,;-");
    EXPECT_EQ(EncodeHtmlEntities(""), "");
}

TEST(HtmlEntities, TheTwoVerdictReplacements) {
    EXPECT_EQ(EncodeHtmlEntities("nem prefer"), "nem prefer&aacute;lt");
    EXPECT_EQ(EncodeHtmlEntities("preferált"), "<B>prefer&aacute;lt</B>");
    EXPECT_EQ(EncodeHtmlEntities("nem preferált"), "nem prefer&aacute;lt")
        << "only the whole text is replaced";
}

} // namespace
} // namespace quelvarin
