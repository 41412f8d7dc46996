#include "interpretation/Interpretation.h"
#include "support/AnswersBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quelvarin::interpretation {
namespace {

using test::Answers;
using test::Repeated;
using test::ScoredAnswer;
using test::WithAnswers;

Lines Interpret(const Protocol& protocol) {
    auto lines = BuildInterpretation(protocol);
    EXPECT_TRUE(lines.has_value());
    return lines ? *lines : Lines{};
}

// The index of the first line equal to `text`, or lines.size().
std::size_t Find(const Lines& lines, std::string_view text, std::size_t from = 0) {
    auto it = std::find(lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())),
                        lines.end(), text);
    return static_cast<std::size_t>(it - lines.begin());
}
bool Has(const Lines& lines, std::string_view text) {
    return Find(lines, text) < lines.size();
}
// The lines from the one equal to `first`, `count` of them.
Lines From(const Lines& lines, std::string_view first, std::size_t count) {
    auto at = Find(lines, first);
    if (at >= lines.size()) {
        return {};
    }
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(at),
                 lines.begin() + static_cast<std::ptrdiff_t>(std::min(at + count, lines.size())));
}

// Forms: F+ answers, F+/- answers, F- answers, all on card I with a D.
std::vector<ScoredAnswer> Forms(int plus, int half, int minus) {
    return Repeated(plus, 301) + Repeated(half, 312) + Repeated(minus, 323);
}

TEST(Interpretation, NothingWithoutEffectiveAnswers) {
    EXPECT_FALSE(BuildInterpretation(WithAnswers(Repeated(3, 260))).has_value());
    EXPECT_FALSE(BuildInterpretation(Protocol{}).has_value());
}

TEST(Interpretation, OpensWithTheFormLevelSectionAndClosesWithVege) {
    auto lines = Interpret(WithAnswers(Repeated(3, 401)));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Az F%-ok jelentéséhez");
    EXPECT_EQ(lines.back(), "Vége");
}

TEST(FormLevel, MentalControlBands) {
    struct Case {
        std::vector<ScoredAnswer> answers;
        const char* control;
        const char* more; // "" when the band has no second line and reads well, "-" when it reads badly
    };
    const Case cases[] = {
        {Forms(0, 0, 0) + Repeated(2, 401), "- a mentális kontroll laza, org. / pszichózisra,",
         "   (borderline szind.-ra, pszichopátiára) utaló jegy."},
        {Forms(13, 0, 7), "- a mentális kontroll laza, borderline szind.-ra,",
         "    (org. pszichózisra, pszichopátiára) utaló jegy."}, // exactly 65
        {Forms(7, 0, 3), "- a mentális kontroll laza, pszichopátiára,",
         "    (org. pszichózisra, borderline szind.-ra) utaló jegy."},                   // 70
        {Forms(3, 0, 1), "- a mentális kontroll alacsony.", ""},                         // 75
        {Forms(4, 0, 1), "- a mentális kontroll átlagos.", ""},                          // 80
        {Forms(9, 0, 1), "- a mentális kontroll feszült, depresszív túlfékezett.", "-"}, // 90: no second line
        {Forms(19, 0, 1), "- a mentális kontroll perfekcionista, túlfékezett, reaktív depresszióra, ",
         "  kényszeres disszimulációra utaló jegy."}, // exactly 95
        {Forms(5, 0, 0), "- a mentális kontroll perfekcionista, túlfékezett, reaktív depresszióra, ",
         "  kényszeres disszimulációra utaló jegy."}, // 100
    };
    for (const auto& c : cases) {
        auto lines = Interpret(WithAnswers(c.answers));
        auto at = Find(lines, c.control);
        ASSERT_LT(at, lines.size()) << c.control;
        if (std::string_view(c.more) == "-") {
            EXPECT_EQ(lines[at + 1], "- a gondolkodás épsége sérült");
            EXPECT_EQ(lines[at + 2], "- a kritikai valóságfunkciók rosszul működnek");
            EXPECT_EQ(lines[at + 3], "- a percepció valóságvezérlése gátolt");
        } else if (*c.more) {
            EXPECT_EQ(lines[at + 1], c.more);
            EXPECT_EQ(lines[at + 2], "- a gondolkodás épsége sérült");
        } else {
            EXPECT_EQ(lines[at + 1], "- a gondolkodás épsége jó");
            EXPECT_EQ(lines[at + 2], "- a kritikai valóságfunkciók jól működnek");
            EXPECT_EQ(lines[at + 3], "- a percepció valóságvezérlése optimális");
        }
    }
}

TEST(FormLevel, PercentagesLineAndSuccession) {
    auto lines = Interpret(WithAnswers({{1, {400, 301}}, {2, {400, 312}}, {3, {400, 312}}, {4, {323}}}));
    EXPECT_TRUE(Has(lines, "Az F%-ok értékei alapján ( F+%1= 50.0 , F+%2= 50.0 ):"));
    EXPECT_EQ(From(lines, "F+ és F- válaszok váltakozása (Ön dönt, ha igen, akkor pszichózis)", 4),
              (Lines{"F+ és F- válaszok váltakozása (Ön dönt, ha igen, akkor pszichózis)", "", "F +,   ,",
                     "   ,F -,"}));
    EXPECT_TRUE(Has(lines, "G és F+/- együtt jár 2 feleletben -> felületesség"));
    EXPECT_FALSE(Has(lines, "D és F+/- együtt jár 0 feleletben -> praktikus elnagyoltság"));
}

TEST(FormLevel, TwoZwBlocksWithTheSameCount) {
    auto lines = Interpret(WithAnswers(Repeated(2, 412) + Repeated(8, 401)));
    auto first = Find(lines, "zw (2/10)");
    ASSERT_LT(first, lines.size());
    EXPECT_EQ(lines[first + 2], "- zw ---------> oppozició, energia");
    auto second = Find(lines, "zw (2/10)", first + 1);
    ASSERT_LT(second, lines.size());
    EXPECT_EQ(lines[second + 2], "- energetikai jegy, oppozició, jól alkalmazkodik, feltalálja magát");
}

TEST(FormLevel, DoCountOfTwoOrThree) {
    auto two = Interpret(WithAnswers(Repeated(2, 403) + Repeated(8, 401)));
    EXPECT_TRUE(Has(two, "- 2-3 Do : perceptiv gátoltság"));
    EXPECT_TRUE(Has(two, "- sok Do : homályállapotok jegye vagy oligofrénia")) << "none usual in ten answers";
    auto four = Interpret(WithAnswers(Repeated(4, 403) + Repeated(40, 401)));
    EXPECT_FALSE(Has(four, "- 2-3 Do : perceptiv gátoltság"));
}

TEST(FormLevel, DGkombEntryByTheFormLevel) {
    // Twenty answers: ten D, two G komb. (no graded G), the rest F answers to set F+%1.
    auto protocol = [](int plus, int minus) {
        return WithAnswers(Repeated(10, 401) + Repeated(2, 404) + Forms(plus, 0, minus) +
                           Repeated(8 - plus - minus, 346));
    };
    struct Case {
        int plus, minus;
        const char* second;
    };
    const Case cases[] = {
        {4, 1, "                      jó F%-kal szervezőkészség"}, // 80
        {6, 1, "                      jó F%-kal szervezőkészség"}, // 85.7
        {5, 0, "                      rossz F%-kal paranoiditás"}, // 100
        {3, 1, "                      rossz F%-kal paranoiditás"}, // 75
    };
    for (const auto& c : cases) {
        auto lines = Interpret(protocol(c.plus, c.minus));
        auto at = Find(lines, "  D - Gkomb belépése: ");
        ASSERT_LT(at, lines.size()) << c.plus << " " << c.minus;
        EXPECT_EQ(lines[at + 1], c.second);
        EXPECT_FALSE(Has(lines, "  G - D    átlagember"));
    }
    auto ninety = Interpret(WithAnswers(Repeated(10, 401) + Repeated(2, 404) + Forms(9, 0, 1)));
    auto at = Find(ninety, "  D - Gkomb belépése: ");
    ASSERT_LT(at, ninety.size());
    EXPECT_EQ(ninety[at + 1], "                      jó F%-kal szervezőkészség") << "90 is good";
}

TEST(FormLevel, ConstellationsFollowTheFormula) {
    // R = 20: G 8 and D 10 are both normal: only "G - D" applies.
    auto lines = Interpret(WithAnswers(Repeated(8, 400) + Repeated(10, 401) + Repeated(2, 346)));
    EXPECT_TRUE(Has(lines, "Az aktuális FT: G-D-"));
    EXPECT_TRUE(Has(lines, "  G - D    átlagember"));
    EXPECT_FALSE(Has(lines, "  G - D    nem originális, de igénye az áttekintés"));
    EXPECT_FALSE(Has(lines, "  G - zw     irreális adoleszcensek (pubertás-válság), egzaltált, bizarr"));
    // R = 25: G 13 emphasised, D 12 normal.
    auto emphasised = Interpret(WithAnswers(Repeated(13, 400) + Repeated(12, 401)));
    EXPECT_TRUE(Has(emphasised, "  G - D    nem originális, de igénye az áttekintés"));
    EXPECT_FALSE(Has(emphasised, "  G - D    átlagember"));
}

TEST(SpecialReactions, ASectionWithoutReactionsIsItsTitleOnly) {
    auto lines = Interpret(WithAnswers(Repeated(5, 401)));
    auto at = Find(lines, "Az aktuális jkv.-ben jelenlévő különleges reakciók értelmezése");
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at - 1], "");
    EXPECT_EQ(lines[at - 2], "");
    EXPECT_EQ(lines[at + 1], "");
    EXPECT_EQ(lines[at + 2], "");
    EXPECT_EQ(lines[at + 3], "Színek jelentése az ÉT-ben") << "no content block either";
}

TEST(SpecialReactions, VersagenInRankingOrder) {
    auto once = Interpret(WithAnswers(Answers({{1, {260}}, {9, {260}}}) + Repeated(8, 401)));
    auto heading = "versagenek rangsor szerint (IX.,VI.,VII.,X.,II.,IV.,III.,V.,VIII.,I.)";
    EXPECT_EQ(From(once, heading, 6),
              (Lines{heading, "", "- IX. táblán (pszichaszténia, életképtelenség, szuicid veszély)",
                     "- IX. táblán (szuicid veszély, depresszió, diszfória)",
                     "- I. táblán (bemutatkozási csőd)", ""}));
    auto twice = Interpret(WithAnswers(Answers({{9, {260}}, {9, {260}}}) + Repeated(8, 401)));
    EXPECT_EQ(From(twice, "- IX. táblán (szuicid veszély, depresszió, diszfória)", 3),
              (Lines{"- IX. táblán (szuicid veszély, depresszió, diszfória)",
                     "     sorozatban: pszichózis, Wahn állapot, negativizmus, autizmus,",
                     "                 súlyos organikus károsodottság"}));
}

TEST(SpecialReactions, UnbestimmtOnlyWithAFormAnswer) {
    auto alone = Interpret(WithAnswers(Answers({{1, {255}}, {2, {301}}}) + Repeated(8, 401)));
    EXPECT_FALSE(Has(alone, "unbestimmt (1/10)"));
    auto withForm = Interpret(WithAnswers(Answers({{1, {255, 301}}, {2, {255, 323}}}) + Repeated(8, 401)));
    EXPECT_EQ(From(withForm, "unbestimmt (2/10)", 5),
              (Lines{"unbestimmt (2/10)", "", "- depresszív bizonytalanság, \"lelki restség\"",
                     "- mentális károsodottság vagy pszichózis", ""}));
}

TEST(SpecialReactions, ConditionalLinesInsideBlocks) {
    auto lines =
        Interpret(WithAnswers(Answers({{1, {223}}, {2, {259, 301}}}) + Forms(3, 0, 1) + Repeated(5, 401)));
    EXPECT_EQ(
        From(lines, "szubjektiv kritika (1/11)", 6),
        (Lines{"szubjektiv kritika (1/11)", "", "- szubjektivitás, önalulértékelés, kisebbrendűségi érzés",
               "- depressziv bizonytalanság, szorongás, teljesítményfélelem", "- önvád hajlama", ""}));
    // F+%1 = (4 + 0) * 100 / 5 = 80: the responsibility line is written.
    EXPECT_EQ(From(lines, "vagy-vagy (1/11)", 5),
              (Lines{"vagy-vagy (1/11)", "",
                     "- nem tud dönteni, többféle tartalmat mond, bizonytalanságot fejez ki",
                     "- felelősség elhárítás", ""}));
}

TEST(SpecialReactions, SexDependentLines) {
    auto answers = Answers({{10, {185}}, {7, {266}}}) + Repeated(8, 401);
    auto man = Interpret(WithAnswers(answers, "férfi"));
    auto woman = Interpret(WithAnswers(answers, "nő"));
    EXPECT_TRUE(Has(man, "- férfiaknál a női testtől való félelem"));
    EXPECT_FALSE(Has(man, "- nőknél férfias viselkedés"));
    EXPECT_TRUE(Has(man, "        nőies vonások elutasítása"));
    EXPECT_TRUE(Has(woman, "- nőknél férfias viselkedés"));
    EXPECT_TRUE(Has(woman, "  nőknél - anyasági és nőiségi problémák"));
    EXPECT_FALSE(Has(woman, "        nőies vonások elutasítása"));
    auto unknown = Interpret(WithAnswers(answers, ""));
    EXPECT_TRUE(Has(unknown, "- férfiaknál a női testtől való félelem")) << "anything but nő counts as male";
}

TEST(SpecialReactions, DisplacedShockByCard) {
    auto lines = Interpret(WithAnswers(Answers({{5, {136}}, {6, {136}}}) + Repeated(8, 401)));
    EXPECT_EQ(From(lines, "eltolódott sokk", 5), (Lines{"eltolódott sokk", "", "- neurotikus jegy",
                                                        "- V. táblán: reaktív, enyhén neurotikus tünetképzés",
                                                        "- VI. táblán: súlyosabb neurotikus tünetképzés"}));
}

TEST(Contents, AdolescentLineFromNineHumanAnswers) {
    auto eight = Interpret(WithAnswers(Repeated(8, 345) + Repeated(12, 401)));
    ASSERT_TRUE(Has(eight, "M sok, (8/20)"));
    EXPECT_FALSE(Has(eight, "- adoleszcens (8 felett)"));
    auto nine = Interpret(WithAnswers(Repeated(9, 345) + Repeated(11, 401)));
    EXPECT_TRUE(Has(nine, "- adoleszcens (8 felett)"));
}

TEST(Contents, AnimalShareFrom35To40) {
    auto share = [](int animals, int answers) {
        return Has(Interpret(WithAnswers(Repeated(animals, 346) + Repeated(answers - animals, 401))),
                   "T, Td");
    };
    EXPECT_TRUE(share(7, 20));   // 35
    EXPECT_TRUE(share(8, 20));   // 40
    EXPECT_FALSE(share(9, 20));  // 45
    EXPECT_FALSE(share(15, 43)); // 34.9
}

TEST(Contents, ObjectFiguresAndTheDdObjDifference) {
    auto lines = Interpret(WithAnswers(Repeated(3, 348) + Repeated(5, 402) + Repeated(16, 401)));
    EXPECT_TRUE(Has(lines, "         (itt Obj%= 12.5%,  T%=  0.0%)"));
    EXPECT_TRUE(Has(lines, "          Dd - Obj = szorgalom, pedanteria (itt Dd-Obj=  2)"));
    auto negative = Interpret(WithAnswers(Repeated(5, 348) + Repeated(3, 402) + Repeated(16, 401)));
    EXPECT_TRUE(Has(negative, "          Dd - Obj = szorgalom, pedanteria (itt Dd-Obj= -2)"));
}

TEST(Contents, MaskHeadingCarriesThreeCounts) {
    auto lines = Interpret(WithAnswers(Repeated(1, 388) + Repeated(9, 401)));
    auto at = Find(lines, "Álarc ( I. II. III.) (0/10) (0/10) (1/10)");
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at + 1], "");
    EXPECT_EQ(lines[at + 2], "- rejtőzködéses válasz, \"arcelrejtés\"");
    EXPECT_EQ(lines[at + 3], "Álarc III. (jelmez) (1/10)") << "only the Álarc III sub-block";
    EXPECT_EQ(lines[at + 4], "ßßßßßßßßßßßßßßßßßßß");
    EXPECT_TRUE(Has(lines, "Álarc I.                 Álarc II.                Álarc III."));
}

TEST(Contents, MythWithoutSzorny) {
    auto lines = Interpret(WithAnswers(Repeated(1, 372) + Repeated(9, 401)));
    EXPECT_TRUE(Has(lines, "Myth, Szörny (1/10) (0/10)"));
}

TEST(Colour, FixedOpeningAndSubtitleForEveryProtocol) {
    auto lines = Interpret(WithAnswers(Repeated(5, 401)));
    EXPECT_EQ(
        From(lines, "Színek jelentése az ÉT-ben", 9),
        (Lines{"Színek jelentése az ÉT-ben", "ßßßßßßßßßßßßßßßßßßßßßßßßßß", "",
               "A színek és érzelmek összefüggése", "  piros - agresszió", "  kék-zöld - nőiség",
               "  sárga - promiszkuitás, gátlástalan kapcsolódás", "  barna - analitás, kényszer", ""}));
    EXPECT_EQ(From(lines, "Az MF összetevői", 3), (Lines{"Az MF összetevői", "ßßßßßßßßßßßßßßßß", ""}));
}

TEST(Colour, HighFormLineAboveNinety) {
    auto at90 = Interpret(WithAnswers(Answers({{8, {307}}}) + Forms(9, 0, 1)));
    EXPECT_FALSE(Has(at90, "- magas F1%-kal együtt ( 90.0 %) beszabályozottság"));
    // 19 F+, 1 F+/-, 0 F-: 97.5.
    auto high = Interpret(WithAnswers(Answers({{8, {307}}}) + Forms(19, 1, 0)));
    EXPECT_TRUE(Has(high, "- magas F1%-kal együtt ( 97.5 %) beszabályozottság"));
}

TEST(Colour, MovementWithoutAnyB) {
    auto lines = Interpret(WithAnswers(Repeated(1, 305) + Repeated(9, 401)));
    EXPECT_TRUE(Has(lines, "BF (1/10)"));
    EXPECT_TRUE(Has(lines, "- gyerekeknél: kétszer annyi BF, mint B (azonosítás bizonytalansága)"));
    EXPECT_FALSE(Has(lines, "  gyerekeknél: több B, mint BF, korai zárást jelöl a személyiségben"));
    EXPECT_FALSE(Has(lines, "            a B-k több, mint fele B+ , ezért jó prognózis"));
    auto withB =
        Interpret(WithAnswers(Repeated(1, 305) + Repeated(2, 302) + Repeated(1, 324) + Repeated(6, 401)));
    EXPECT_TRUE(Has(withB, "  gyerekeknél: több B, mint BF, korai zárást jelöl a személyiségben"));
    EXPECT_TRUE(Has(withB, "            a B-k több, mint fele B+ , ezért jó prognózis"));
}

TEST(Colour, HdBlockHasItsLowerRuleAbove) {
    auto lines = Interpret(WithAnswers(Repeated(1, 338) + Repeated(9, 401)));
    auto at = Find(lines, "Hd-jelentések: értelmezési körük (1/10)");
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at - 1], "ÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜÜ");
}

TEST(ExperienceType, CoarctatedWithBarrenFormulaAndNoForms) {
    auto lines = Interpret(WithAnswers(Repeated(5, 401)));
    auto at = Find(lines, "Koartált ÉT");
    ASSERT_LT(at + 2, lines.size());
    EXPECT_EQ(lines[at + 1], "");
    EXPECT_EQ(lines[at + 2], "Beszűkült érdeklődés, beszűkült személy. önismereti igénye nincs,")
        << "the body's first line begins without a blank";
    EXPECT_TRUE(Has(lines, "Koartált ÉT + sivár MF + sivár IT"));
    EXPECT_FALSE(Has(lines, "Koartált ÉT + magas F%"));
    EXPECT_EQ(From(lines, "Koartált ÉT + alacsony F%", 4),
              (Lines{"Koartált ÉT + alacsony F%", "ßßßßßßßßßßßßßßßßßßßßßßßßß",
                     " F1% alacsony (  0.0%), a kóros csop.-k közül regressziós képeknél gyakori", ""}));
}

TEST(ExperienceType, CoarctatedFormBands) {
    auto has = [](std::vector<ScoredAnswer> answers, const char* line) {
        return Has(Interpret(WithAnswers(answers)), line);
    };
    EXPECT_FALSE(has(Forms(4, 0, 1), "Koartált ÉT + alacsony F%")); // 80
    EXPECT_FALSE(has(Forms(4, 0, 1), "Koartált ÉT + magas F%"));
    EXPECT_FALSE(has(Forms(17, 0, 2), "Koartált ÉT + magas F%")); // 89.5
    EXPECT_TRUE(has(Forms(9, 0, 1), "Koartált ÉT + magas F%"));   // 90
    EXPECT_TRUE(has(Forms(9, 0, 1), " F1% magas ( 90.0%), a kóros csoportok közül depressziónál gyakori"));
}

TEST(ExperienceType, DilatativeExtraversiveWithTenseInnerTension) {
    // ÉT 1 : 6 (B+ 1; Fb 4 = 6); IT 2 : 3 (zw 2; HdF 3) is "feszült".
    auto lines = Interpret(
        WithAnswers(Answers({{1, {302}}}) + Repeated(4, 335) + Repeated(2, 412) + Repeated(3, 337)));
    auto at = Find(lines, " Dilatatív extravertált ÉT");
    ASSERT_LT(at, lines.size());
    EXPECT_TRUE(Has(lines, "Dilatatív extravertált ÉT + feszült IT vagy ford. tendenciájú MF"));
    auto closing = Find(lines, " Előfordulhat akut szkizofréneknél is.", at);
    ASSERT_LT(closing, lines.size());
    EXPECT_EQ(lines[closing + 1], "");
}

TEST(ExperienceType, GoodIntrovertNeedsElevenContentCategories) {
    // ÉT 3 : 1 (B+ 3; FbF 1); F+%1 85.7 (F+ 6, F- 1); a Kombináció.
    auto base = [](int categories) {
        std::vector<ScoredAnswer> answers =
            Repeated(3, 302) + Repeated(1, 334) + Forms(6, 0, 1) + Repeated(1, 193);
        const SignCode contents[] = {345, 346, 347, 348, 349, 350, 351, 352, 353, 354, 355};
        for (int i = 0; i < categories; ++i) {
            answers.push_back({2, {contents[i]}});
        }
        return Interpret(WithAnswers(answers));
    };
    auto eleven = base(11);
    ASSERT_TRUE(Has(eleven, "Introvertált ÉT"));
    EXPECT_TRUE(Has(eleven, "Introvertált ÉT + jó F% + 10-nél nagyobb tart. kör + elaborációs reakció"));
    EXPECT_FALSE(Has(base(10), "Introvertált ÉT + jó F% + 10-nél nagyobb tart. kör + elaborációs reakció"));
}

TEST(TextTables, EveryLineIsWritten) {
    const auto lines = AllTextTableLines();
    for (auto line : lines) {
        EXPECT_NE(line.substr(0, 2), "@@") << std::string(line);
    }
    // The check covers the five tables: a line of each is among the lines looked at.
    for (std::string_view line :
         {"- elvont, általánosító gondolkodás, a helyzet egészének megragadása", "- önvád hajlama",
          "- adoleszcens (8 felett)", "- impulzív, kontrollálatlan érzelmi kisülés, labilitás (Rorschach)",
          " Előfordulhat akut szkizofréneknél is."}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

} // namespace
} // namespace quelvarin::interpretation
