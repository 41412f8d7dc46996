// The first section: the succession of good and poor forms, the form-level percentages with
// the reading of mental control, every location sign present, and the constellations of the
// apprehension formula.
#include "interpretation/Blocks.h"
#include "interpretation/Sections.h"
#include "model/SignNames.h"

#include <array>

namespace quelvarin::interpretation {
namespace {

// --- Mental control, by the band of F+%1 -----------------------------------------------------

struct MentalControlBand {
    double below; // the band holds F+%1 under this (the last band up to 100 inclusive)
    std::string_view control;
    std::string_view controlMore; // a second line, "" for none
    std::string_view thinking;
    std::string_view criticalFunctions;
    std::string_view perception;
};

constexpr MentalControlBand kMentalControl[] = {
    {65, "laza, org. / pszichózisra,", " (borderline szind.-ra, pszichopátiára) utaló jegy.", "sérült",
     "rosszul működnek", "gátolt"},
    {70, "laza, borderline szind.-ra,", "  (org. pszichózisra, pszichopátiára) utaló jegy.", "sérült",
     "rosszul működnek", "gátolt"},
    {75, "laza, pszichopátiára,", "  (org. pszichózisra, borderline szind.-ra) utaló jegy.", "sérült",
     "rosszul működnek", "gátolt"},
    {80, "alacsony.", "", "jó", "jól működnek", "optimális"},
    {85, "átlagos.", "", "jó", "jól működnek", "optimális"},
    {90, "perfekcionista, jó intellektuális teljesitményt nyújtó.", "", "jó", "jól működnek", "optimális"},
    {95, "feszült, depresszív túlfékezett.", "", "sérült", "rosszul működnek", "gátolt"},
    {1e300, "perfekcionista, túlfékezett, reaktív depresszióra, ", "kényszeres disszimulációra utaló jegy.",
     "sérült", "rosszul működnek", "gátolt"},
};

// --- The location signs -----------------------------------------------------------------------

const std::vector<Block>& LocationBlocks() {
    static const std::vector<Block> blocks = {
        {.sign = Sign("G"),
         .heading = "G",
         .body = {{"- áttekintő képesség, szintetizáló szinvonal, absztrakciós képesség"},
                  {"- elvont, általánosító gondolkodás, a helyzet egészének megragadása"}}},
        {.sign = Sign("G komb."),
         .heading = "Gkomb",
         .body = {{"- a részletek gyors szintetizálása,"},
                  {"  kombinatív intelligencia, szervezőkészség, konstruktív fantázia"},
                  {"- jó formával magas intellektuális színvonal, alkotó képesség"}}},
        {.sign = Sign("D"),
         .heading = "D",
         .body = {{"- prakticitás, gyakorlatiasság, realitás"},
                  {"- a konkrét, kézzelfogható helyzetek biztos megragadása, józan ész"}}},
        {.sign = Sign("Dd"),
         .heading = "Dd",
         .body = {{"- aprólékosság, szorgalom, pontosság, dolgosság"},
                  {"- a lényegre koncentrálás"},
                  {"  Dd - Obj. : ambició, kicsinyességgel",
                   [](const Context& c) { return c.Together(Sign("Dd"), Sign("Obj.")); }},
                  {"  Dd - HdF : fenyegetettség",
                   [](const Context& c) { return c.Together(Sign("Dd"), Sign("HdF")); }},
                  {"  - magas a Dd-k száma: acting out, baleseti hajlam, kényszer",
                   [](const Context& c) { return c.NormTest(Sign("Dd")); }},
                  {"  Dd  F+-  :  akadékosság",
                   [](const Context& c) { return c.Together(Sign("Dd"), Sign("F +/-")); }},
                  {"  Dd  F-  :  paranoiditás",
                   [](const Context& c) { return c.Together(Sign("Dd"), Sign("F -")); }},
                  {"  Dd  Szem : gyanakvás",
                   [](const Context& c) { return c.Together(Sign("Dd"), Sign("Szem")); }},
                  {"  Dd  kontúr : linkség, nem vállal felelősséget",
                   [](const Context& c) { return c.Together(Sign("Dd"), Sign("Kontúr-reakció")); }},
                  {"  Dd  Md  :  fóbia (arc sztereotípia)",
                   [](const Context& c) { return c.Together(Sign("Dd"), Sign("Md")); }},
                  {"  Dd  kontúr  Md(arc) : borderline jegy",
                   [](const Context& c) {
                       return c.Together3(Sign("Dd"), Sign("Kontúr-reakció"), Sign("Md"));
                   }}}},
        {.sign = Sign("Dzw"),
         .heading = "Dzw",
         .body = {{"- alaktörvények, a figura elöl - a háttér hátrébb, szemléleti átbillenés"},
                  {"  (a fehér köz figurává, a folt háttérré válik)"},
                  {"- ellenállás, dac, oppozíciós hajlam, szembefordulás a szokványossal"},
                  {"- feszültség a környezettel, amelyet a személy aktívan feldolgoz"}}},
        {.sign = Sign("zw"),
         .heading = "zw",
         .body = {{"- zw ---------> oppozició, energia"}},
         .closingEmpty = false},
        {.when = [](const Context& c) { return c.Presence(codes::kDzwKozep); },
         .body = {{"Középső Dzw : miliőkonfliktus, összeférhetetlenség, paramoiditás"}, {""}, {""}},
         .closingEmpty = false},
        {.when = [](const Context& c) { return c.Presence(codes::kDzwSzeli); },
         .body = {{"Széli Dzw : belső bizonytalanság erőszakkal kompenzálva"}, {""}, {""}},
         .closingEmpty = false},
        {.when = [](const Context& c) { return c.Presence(codes::kDzwLyuk); },
         .body = {{"Lyuk Dzw : félelem váltja ki az agressziót (horror vacui)"}, {""}, {""}},
         .closingEmpty = false},
        {.sign = Sign("Ddzw"), .heading = "Ddzw", .body = {{"- kicsinyesség + agresszió"}}},
        {.sign = Sign("DzwG"),
         .heading = "DzwG",
         .body = {{"- karakterfejlődési zavar (orális fixáció - orálszadizmus)"},
                  {"- a környezettel szembeni alapvető bizalmatlanság, ellenségesség"},
                  {"- az agresszió az egészet átható, nem kötött, diffúz formában jelenik meg"},
                  {"- alacsony frusztrációs tolerancia, indulati kitörések, negativizmus"},
                  {"  pl.: pszichopátia, karakterneurózis, impulzív-agresszív személyiség"}}},
        {.sign = Sign("Gzw"),
         .heading = "Gzw",
         .body = {{"- miliőfeszültség de magas szinten toleráns (eszmeivé teszi)"},
                  {"- az oppozíció szublimált, intellektuális formában jelenik meg"},
                  {"- kritikai érzék, vitakészség, önálló, független ítéletalkotás"},
                  {"- a környezettel szembeni ellentmondás elvi síkra terelődik"},
                  {"  (eszmék, meggyőződések, ideológiák szolgálatába állított energia)"},
                  {"- túlsúlya esetén: okoskodás, doktrinerség, rezonőr attitűd"}}},
        {.sign = Sign("zw"),
         .heading = "zw",
         .body = {{"- energetikai jegy, oppozició, jól alkalmazkodik, feltalálja magát"}}},
        {.sign = Sign("Do"),
         .heading = "Do",
         .body = {{"- nem oligofrénia, gyerekeknél normális"},
                  {"- a többség által egésznek látott figurából csak egy részt lát meg"},
                  {"  pl.: ahol mások egész embert látnak, ott csak a fejet vagy a kezet"},
                  {"- felnőtteknél szorongásos gátlás, óvatosság, a tévedéstől való félelem"},
                  {"- sok Do : homályállapotok jegye vagy oligofrénia",
                   [](const Context& c) { return c.NormTest(Sign("Do")); }},
                  {"- 2-3 Do : perceptiv gátoltság",
                   [](const Context& c) { return c.CountBetween(Sign("Do"), 2, 3); }},
                  {"    szelektív figyelmetlenség (selective inattention, Sullivan)",
                   [](const Context& c) { return c.CountBetween(Sign("Do"), 2, 3); }},
                  {"    perceptuális védekezés (perceptual defense), elfojtás",
                   [](const Context& c) { return c.CountBetween(Sign("Do"), 2, 3); }},
                  {"", [](const Context& c) { return c.CountBetween(Sign("Do"), 2, 3); }}},
         .closingEmpty = false},
        {.sign = Sign("DG komb."),
         .heading = "DGkomb",
         .body = {{"- részletből egész: építkező gondolkodás"},
                  {"- a részletekből kiindulva jut el az egész megragadásáig (induktív út)"},
                  {"- kombinatív, konstruktív intelligencia, alkotó fantázia"},
                  {"- jó formával: szervezőkészség, tervszerűség, magas szintű integráció"},
                  {"- rossz formával: erőltetett összefüggések, mesterkélt kombinációk"},
                  {"  pl.: VIII. tábla: két állat sziklákon, fán mászik felfelé"},
                  {"- sok DGkomb: teljesítményigény, ambíció, a szintézis igénye"}}},
        {.sign = Sign("DG konf."),
         .heading = "DGkonf",
         .body = {{"- generalizáció: (macska, bajusz VI.) rossz egész, amibe a részlet beleillik"},
                  {"- egyetlen jól látott részletből indokolatlanul következtet az egészre"},
                  {"- a kritikai kontroll lazulása, a valóságvizsgálat gyengesége"},
                  {"- gyerekeknél, oligofréneknél, organikus károsodásnál gyakori"},
                  {"- felnőtteknél: pszeudológia, konfabulációs hajlam, fantáziába menekülés"},
                  {"- sok DGkonf: szkizofrénia, mániás állapot vagy organikus pszichózis jegye"}}},
        {.sign = Sign("DG kont."),
         .heading = "DGkont",
         .body = {{"- sűrítés, teleszkopálás: két részből rossz harmadik, pl. pillangóember"},
                  {"- szkizofrénia jegy;"},
                  {"- a gondolkodás szétesése, a fogalmi határok elmosódása, realitásvesztés"},
                  {"- egyetlen DGkont is súlyos jel, ép személyiségnél szinte nem fordul elő"}}},
    };
    return blocks;
}

// --- Constellations of the formula ------------------------------------------------------------

// The grades of G, D, Dd, Do and zw: 0 absent, 1 under-represented, 2 normal, 3 emphasised
// (strongly emphasised counts as emphasised).
using Pattern = std::array<int, 5>;

enum class Required { Nothing, GKomb, DGKonf };

struct Constellation {
    Pattern pattern;
    Required required;
    std::vector<BodyLine> lines;
    bool closingEmpty = true;
};

bool FormIsGood(const Context& c) {
    return c.FormPlusPercent1() >= 80 && c.FormPlusPercent1() <= 90;
}

const std::vector<Constellation>& Constellations() {
    static const std::vector<Constellation> entries = {
        {{2, 2, 0, 0, 0}, Required::Nothing, {{"  G - D    átlagember"}}},
        {{3, 2, 0, 0, 0}, Required::Nothing, {{"  G - D    nem originális, de igénye az áttekintés"}}},
        {{2, 1, 0, 0, 0},
         Required::Nothing,
         {{"  G - (D)   valóságidegen, \"ügyetlen\", rosszul tájékozódik, magának való"}}},
        {{2, 3, 0, 0, 0},
         Required::Nothing,
         {{"  G - D    szűk látókörű, körülményvezérelt, prakticista, röghöz kötött"}}},
        {{2, 2, 2, 0, 0},
         Required::Nothing,
         {{"  G - D - Dd   átlagember, körülményvezérelt típuskép "},
          {"                           (statisztikailag neurózis és pszichopátia"}}},
        {{2, 2, 0, 0, 2}, Required::Nothing, {{"  G - D - zw    átlagos, aktív, lendületes"}}},
        {{2, 2, 2, 0, 2},
         Required::Nothing,
         {{"  G - D - Dd - zw    ambiciózus, expeditív, gazdag, sokoldalú"}}},
        {{2, 2, 0, 2, 2},
         Required::Nothing,
         {{"  G - D - zw - Do    nyitottság, széles érdeklődés, egzaltációs készség,"},
          {"                     de nem realizálja a képességeit, ált. jó szociabilitás"}}},
        {{2, 2, 2, 2, 2},
         Required::Nothing,
         {{"  G - D - Dd - zw - Do   magas szinvonal, de több aggályoskodás (Dd)"},
          {"                         és gátlás (Do), könnyen kiborul"}}},
        {{2, 2, 2, 2, 0},
         Required::Nothing,
         {{"  G - D - Dd - Do    statisztikailag normális, jól alkalmazkodik"},
          {"                     (a Szondi-teszt nyelvén: drillezett, túlszabályozott én)"}}},
        {{2, 2, 0, 2, 0},
         Required::Nothing,
         {{"  G - D - Do    nem specifikus pszichés anomália, korlátozott érdeklődés,"},
          {"                leblokkolási hajlam"}}},
        {{2, 0, 2, 0, 0},
         Required::Nothing,
         {{"  G - Dd      valóságidegen, részleteknél megtapadó,"},
          {"              felületesen általánosít (pszichózis jegy)"}}},
        {{2, 0, 0, 0, 2},
         Required::Nothing,
         {{"  G - zw     irreális adoleszcensek (pubertás-válság), egzaltált, bizarr"}}},
        {{2, 0, 0, 2, 2},
         Required::Nothing,
         {{"  G - zw - Do      valóságidegen és fékezett;"},
          {"                   ügyetlen, de jól gondolkodik, nem marad a valóságban"}}},
        {{0, 2, 2, 0, 0},
         Required::Nothing,
         {{"  D - Dd  infantilis FT (óvodáskép, kisiskolások), felnőtteknél beszűkültség"}}},
        {{0, 2, 2, 0, 2},
         Required::Nothing,
         {{"  D - Dd - zw      erőszakos prakticista, rámenős, primitív"}}},
        {{0, 2, 0, 0, 0},
         Required::GKomb,
         {{"  D - Gkomb belépése: "},
          {"                      jó F%-kal szervezőkészség", FormIsGood},
          {"                      rossz F%-kal paranoiditás",
           [](const Context& c) { return !FormIsGood(c); }}},
         false},
        {{0, 2, 0, 0, 0},
         Required::DGKonf,
         {{"  D - DGkonf belépése: fegyelmezetlenség, infantilizmus, pszeudológia,"},
          {"                       katatimia - a múlt átstruktúrálása"},
          {"                       pillanatnyi élményvezéreltség"}},
         false},
    };
    return entries;
}

int PatternGrade(Grade grade) {
    switch (grade) {
    case Grade::None:
        return 0;
    case Grade::UnderRepresented:
        return 1;
    case Grade::Normal:
        return 2;
    case Grade::Emphasised:
    case Grade::StronglyEmphasised:
        return 3;
    }
    return 0;
}

// An entry applies when the grades of G, D, Dd, Do and zw in the current formula are those of
// its pattern and, for the last two, the combined location it names is written in the formula.
bool Applies(const Constellation& entry, const ApprehensionFigures& figures) {
    const auto& g = figures.grades;
    Pattern current = {PatternGrade(g.g), PatternGrade(g.d), PatternGrade(g.dd),
                       PatternGrade(figures.doGrade), PatternGrade(g.zw)};
    if (current != entry.pattern) {
        return false;
    }
    switch (entry.required) {
    case Required::Nothing:
        return true;
    case Required::GKomb:
        return figures.gKombGrade != Grade::None;
    case Required::DGKonf:
        return figures.dgKonfGrade != Grade::None;
    }
    return false;
}

int AnswersCarryingBoth(const Context& context, SignCode a, SignCode b) {
    int answers = 0;
    for (int n = 1; n <= kAnswerCount; ++n) {
        answers += context.AnswerCarriesBoth(n, a, b) ? 1 : 0;
    }
    return answers;
}

} // namespace

void WriteFormLevelInterpretation(const Context& context, TextOut& out) {
    // 1. The succession of the form answers.
    out.Line("Az F%-ok jelentéséhez");
    out.Empty();
    out.Line("A formaválaszok létrejöttének empírikus szukcessziója");
    out.Empty();
    out.Line("F+ és F- válaszok váltakozása (Ön dönt, ha igen, akkor pszichózis)");
    out.Empty();
    WriteSuccessionLines(context, out, Sign("F +"), Sign("F -"));
    out.Empty();
    out.Line("F+ és F+/- válaszok váltakozása (Ön dönt, ha igen, akkor pszichopátia)");
    out.Empty();
    WriteSuccessionLines(context, out, Sign("F +"), Sign("F +/-"));
    out.Empty();

    // 2. Locations together with poor forms.
    if (int n = AnswersCarryingBoth(context, Sign("G"), Sign("F +/-")); n > 0) {
        out.Line("G és F+/- együtt jár " + std::to_string(n) + " feleletben -> felületesség");
    }
    if (int n = AnswersCarryingBoth(context, Sign("D"), Sign("F +/-")); n > 0) {
        out.Line("D és F+/- együtt jár " + std::to_string(n) + " feleletben -> praktikus elnagyoltság");
    }

    // 3. Poor forms.
    if (context.NormTest(Sign("F +/-"))) {
        out.Line("sok F+/-  " + context.CountSuffix(Sign("F +/-")) + " a pszichopatáknál");
    }
    if (context.Presence(Sign("F +/-"))) {
        out.Line("F+/- sorozatos előfordulását ítélje meg az előzőekből, ");
        out.Empty();
        out.Line("    ha kevés jelentésadási tudat reakcióval sorozatban látja, ");
        out.Line("    akkor pszichopátiára utaló jelzés)");
    }
    if (context.Presence(Sign("F -")) &&
        (context.Presence(Sign("Szubj. Kritika")) || context.Presence(Sign("Tehetetlenség")))) {
        out.Line("F- sorozatos előfordulását ítélje meg az előzőekből, ");
        out.Empty();
        out.Line("    ha sorozatban látja, akkor a jelen lévő szubj. krit. vagy ");
        out.Line("    \"tehetetlenség\" miatt organikus károsodásra utaló jelzés)");
    }

    // 4. The percentages.
    out.Line("Az F%-ok értékei alapján ( F+%1=" + Percent51(context.FormPlusPercent1()) +
             " , F+%2=" + Percent51(context.FormPlusPercent2()) + " ):");
    out.Empty();

    // 5. Mental control.
    const MentalControlBand* band = &kMentalControl[std::size(kMentalControl) - 1];
    for (const auto& candidate : kMentalControl) {
        if (context.FormPlusPercent1() < candidate.below) {
            band = &candidate;
            break;
        }
    }
    out.Line("- a mentális kontroll " + std::string(band->control));
    if (!band->controlMore.empty()) {
        out.Line("  " + std::string(band->controlMore));
    }
    out.Line("- a gondolkodás épsége " + std::string(band->thinking));
    out.Line("- a kritikai valóságfunkciók " + std::string(band->criticalFunctions));
    out.Line("- a percepció valóságvezérlése " + std::string(band->perception));
    out.Empty();

    // 6. The location signs.
    out.Line("FT elemzése (részjegyei)");
    out.Empty();
    WriteBlocks(context, out, LocationBlocks());

    // 7. The constellations of the formula.
    out.Empty();
    out.Line("FT konstellációk");
    out.Empty();
    out.Line("Az aktuális FT: " + context.Apprehension().formula);
    out.Line("     G           D           Dd          zw          Do         arányai");
    out.Line("  lényeg      valóság,   részletek,   energetika   fék vagy     szerint");
    out.Line("              reális     precizitás,                gátlás");
    out.Line("              tárgyi     szorgalom");
    out.Line("              világ");
    out.Empty();

    // 8. The entries that fit the formula.
    for (const auto& entry : Constellations()) {
        if (!Applies(entry, context.Apprehension())) {
            continue;
        }
        WriteLines(context, out, entry.lines);
        if (entry.closingEmpty) {
            out.Empty();
        }
    }

    // 9.
    out.Empty();
}

// The tables, for the test that no line is left unwritten.
std::vector<std::string_view> FormLevelTextLines() {
    std::vector<std::string_view> lines;
    CollectTexts(LocationBlocks(), lines);
    for (const auto& entry : Constellations()) {
        for (const auto& line : entry.lines) {
            lines.push_back(line.text);
        }
    }
    return lines;
}

} // namespace quelvarin::interpretation
