// The experience-type analysis: the block of the protocol's experience type, with the combined
// readings that also look at the secondary formula, the inner tension, F+%1, the content range
// and the elaboration reactions.
#include "interpretation/Blocks.h"
#include "interpretation/Sections.h"
#include "model/SignNames.h"

#include <array>

namespace quelvarin::interpretation {
namespace {

// Group 10 of the special reactions, "Elaborációk".
constexpr std::array<SignCode, 14> kElaborations = {Sign("FH"),
                                                    Sign("Feszültség-elaboráció"),
                                                    Sign("Hd-elaboráció"),
                                                    Sign("Hd-utalás"),
                                                    Sign("Int. Fb"),
                                                    Sign("Kombináció"),
                                                    Sign("Kettős válasz"),
                                                    Sign("Kettős B"),
                                                    Sign("Medián-utalás"),
                                                    Sign("Perspektíva"),
                                                    Sign("Színelaboráció"),
                                                    Sign("Statikai reakció"),
                                                    Sign("Távolítás"),
                                                    Sign("Zw-utalás")};

bool MfIs(const Context& c, std::string_view label) {
    return c.TypologyFigures().secondaryFormulaLabel == label;
}
bool ItIs(const Context& c, std::string_view label) {
    return c.TypologyFigures().innerTensionLabel == label;
}

bool BarrenFormulaAndTension(const Context& c) {
    return MfIs(c, "sivár") && ItIs(c, "sivár");
}
bool HighForm(const Context& c) {
    return c.FormPlusPercent1() >= 90;
}
bool LowForm(const Context& c) {
    return c.FormPlusPercent1() < 80;
}
bool TenseTension(const Context& c) {
    return ItIs(c, "feszült");
}
bool BarrenTensionAndFormula(const Context& c) {
    return ItIs(c, "sivár") && MfIs(c, "sivár");
}
bool GoodIntrovert(const Context& c) {
    bool elaborated = false;
    for (auto code : kElaborations) {
        elaborated = elaborated || c.Count(code) >= 1;
    }
    return elaborated && c.FormPlusPercent1() >= 80 && c.FormPlusPercent1() <= 90 &&
           c.ContentRangeCount() > 10;
}

std::string HighFormLine(const Context& c) {
    return " F1% magas (" + Percent51(c.FormPlusPercent1()) +
           "%), a kóros csoportok közül depressziónál gyakori";
}
std::string LowFormLine(const Context& c) {
    return " F1% alacsony (" + Percent51(c.FormPlusPercent1()) +
           "%), a kóros csop.-k közül regressziós képeknél gyakori";
}
std::string UpperRule25(const Context&) {
    return RuleLine(RuleKind::Upper, 25);
}

struct TypeBlock {
    std::string_view label; // the ÉT label it is written for
    std::string_view heading;
    std::vector<BodyLine> body; // body lines and then the sub-blocks and closing lines
    bool closingEmpty = true;
};

const std::vector<TypeBlock>& TypeBlocks() {
    static const std::vector<TypeBlock> blocks = {
        {"Koartált",
         "Koartált ÉT",
         {{"Beszűkült érdeklődés, beszűkült személy. önismereti igénye nincs,"},
          {" belső élményeit nem dolgozza fel, a külvilág ingereire is alig reagál."},
          {" Sem mozgásos, sem színes válasz nem jelenik meg: az érzelmi és a"},
          {" fantáziaélet elszegényedett, a viselkedést a forma és a szokás vezérli."},
          {" Gyakori pedáns egyéneknél, depressziónál, dementia simplexnél (Rorschach)."},
          // a: with a barren secondary formula and a barren inner tension
          {"Koartált ÉT + sivár MF + sivár IT", BarrenFormulaAndTension},
          {"", BarrenFormulaAndTension},
          {" A védőgátlásos neurózis volt az egyetlen, amelynél  észlelték:", BarrenFormulaAndTension},
          {" ezt a sajátos szituatív tünetképződést az élményvilág beszűkülése", BarrenFormulaAndTension},
          {" (érdeklődéscsökkenés, fáradtság, exhaustio, hőfok-vesztés) jellemzi.", BarrenFormulaAndTension},
          // b: with a high form level
          {"Koartált ÉT + magas F%", HighForm},
          {"", HighForm},
          {.when = HighForm, .make = HighFormLine},
          {"", HighForm},
          // c: with a low form level
          {"Koartált ÉT + alacsony F%", LowForm},
          {.when = LowForm, .make = UpperRule25},
          {.when = LowForm, .make = LowFormLine},
          {"", LowForm}},
         false},
        {"Koartatív",
         "Koartatív ÉT",
         {{" A személyiség beszűkülése jellemzi. Csökkent az örömforrások köre,"},
          {" az érzelmi kapcsolatok szegényesek, a belső élet is keveset táplálja."},
          {" Az introverzió és az extraverzió egyaránt gyenge, de nem szűnt meg:"},
          {" a személy még képes beleélésre és alkalmazkodásra, csak visszafogottan."},
          {" Józan, kötelességtudó, de kevéssé spontán; a terhelést nehezen bírja."},
          {" Fáradtságnál, enyhe depressziónál, neuraszténiás állapotokban gyakori."}}},
        {"Ambiekvális",
         "Ambiekvális ÉT",
         {{" Beszabályozott, fékezett személyiség. Indulatait tartósan tudja"},
          {" kordában tartani, a belső élmények és a külső ingerek között egyensúlyt"},
          {" tart. Az introverzív és az extratenzív tendenciák nagyjából egyenlő"},
          {" erővel vannak jelen, így egyik sem uralkodik el: a személy alkalmazkodó,"},
          {" megbízható, de döntéseiben gyakran habozó, ambivalens. Feszültségeit"},
          {" többnyire szublimálja; az egyensúly megbomlása esetén kényszeres,"},
          {" szorongásos tünetek jelentkezhetnek. Az egészséges átlagnál gyakori."}}},
        {"Dilatált",
         "Dilatált ÉT.",
         {{" Lendületes, szenvedélyes, feszült ember."},
          {" Gazdag belső élet és erős érzelmi reaktivitás egyszerre jellemzi: sok"},
          {" mozgásos és sok színes válasza egyaránt van. Tehetséges, sokoldalú,"},
          {" alkotó képességű, de a kétirányú feszültség ritkán oldódik meg benne,"},
          {" ezért hangulata ingadozó, élményei intenzívek. Művészeknél, tehetséges"},
          {" embereknél gyakori; kóros esetben mániás állapotokra, a ciklotim körre"},
          {" és hisztériás reakciókra kell gondolnunk."}}},
        {"Introverzió nélküli extr.",
         "Introverzió nélküli extr. ÉT",
         {{" Fékezetlen indulati feszültségre és az ennek következtében mutatkozó"},
          {" impulzív, meggondolatlan cselekvésre utal. Belső élete szegényes, a"},
          {" kinesztéziás élmények hiányában nincs, ami az indulatokat fékezné vagy"},
          {" feldolgozná: a külvilág ingereire azonnal, közvetlenül reagál. Labilis,"},
          {" szuggesztibilis, könnyen befolyásolható, kapcsolatai felszínesek."},
          {" Gyakori hisztériánál, pszichopátiánál, organikus és epilepsziás körben."}}},
        {"Extravertált",
         "Extravertált ÉT.",
         {{" Vonzzák a külső ingerek. Nagy fantáziájú, könnyen csábuló, gyakran"},
          {" változtat irányt. Érzelmileg élénk, könnyen teremt kapcsolatot, de"},
          {" kötődései kevésbé mélyek és tartósak. Alkalmazkodása inkább reproduktív,"},
          {" a környezet igényeihez igazodó; mozgékony, ügyes, gyakorlatias."},
          {" A belső élmények ellensúlya csekélyebb, ezért terhelésben hangulata"},
          {" labilis lehet; kóros esetben hisztériás, neurotikus reakciók jellemzők."}}},
        {"Ellensúlyos extravertált",
         " Ellensúlyos extravertált ÉT",
         {{" A művészi érdeklődés gyakori. Életvezetésükben sok a szabálytalanság:"},
          {" hirtelen fellángolások és visszahúzódások váltják egymást, de a belső"},
          {" élet ellensúlya megóvja őket a tartós felborulástól, jól kompenzálnak."}}},
        {"Dilatatív extravertált",
         " Dilatatív extravertált ÉT",
         {{" Ezek a személyek nagyon szuggesztibilisek, kézben tartható dependensek."},
          // d: with a tense inner tension
          {"Dilatatív extravertált ÉT + feszült IT vagy ford. tendenciájú MF", TenseTension},
          {"", TenseTension},
          {" Fordított tendenciájú, hangsúlyozott MF vagy feszült IT esetén", TenseTension},
          {" neurotikus feszültségre, kapcsolódási zavarra (irreális kötődésre), s így", TenseTension},
          {" az elmagányosodás veszélyére kell gondolnunk.", TenseTension},
          // e: with a barren inner tension and a barren secondary formula
          {" Sivár MF és sivár zw-hangsúlyú IT mellett az antiszociális sodródás", BarrenTensionAndFormula},
          {" a valószínű, a feszültség átmeneti, a személy a túlzott dependenciából",
           BarrenTensionAndFormula},
          {" és a kötődési irrealitásból visszazökken a szabályos extraverzióba.", BarrenTensionAndFormula},
          {" Előfordulhat akut szkizofréneknél is."}}},
        {"Extraverzió nélküli intr.",
         "Extraverzió nélküli intr. ÉT",
         {{" Kizárólag pszichopaták és szociopaták jegyzőkönyveiben találkozunk vele,"},
          {" ezért mindig kóros jelentőségű. A belső élet túlsúlya mellett hiányzik"},
          {" az érzelmi ráhangolódás a környezetre: a személy kapcsolatai hidegek,"},
          {" érzelmileg elszigetelt, mások igényeit nem érzi át. Fantáziái és"},
          {" tervei nem kapcsolódnak a valósághoz, így könnyen antiszociális"},
          {" cselekvésbe fordulhatnak, bűntudat és belátás nélkül."}}},
        {"Introvertált",
         "Introvertált ÉT",
         {{" Új helyzetben nehezen alkalmazkodó, aggályoskodó, de a kialakult"},
          {" kapcsolataihoz, szokásaihoz hűségesen ragaszkodik. Belső élete gazdag,"},
          {" produktív, önálló gondolkodású, érzelmei stabilak, de kevéssé mutatja"},
          {" ki őket; inkább intenzív, mint extenzív kapcsolatokra képes (Rorschach)."},
          // f: good form, a wide range of contents and an elaboration reaction
          {"Introvertált ÉT + jó F% + 10-nél nagyobb tart. kör + elaborációs reakció", GoodIntrovert},
          {"", GoodIntrovert},
          {" Szellemi munkában jól beválnak: teljesítményük folyamatos, kiegyensúlyozott.", GoodIntrovert},
          {" Kóros tünetképződés esetén paranoid vonások jellemzőek."},
          {" Tartós frusztrációban: aktuálneurotikus feszültség."}}},
        {"Ellensúlyos introvertált",
         "Ellensúlyos introvertált ÉT",
         {{" Iskolázottságukhoz képest jó színvonalú egyének adják. Legtöbbször"},
          {" szellemi pályán dolgoznak, vagy ilyenre törekszenek. A belső élet"},
          {" túlsúlya mellett érzelmi reaktivitásuk is megmarad: képesek a"},
          {" környezet felé fordulni, kapcsolataik melegek, de válogatott körűek."},
          {" Alkalmazkodásuk rugalmas, teljesítményük kiegyensúlyozott, feszültségeiket"},
          {" jól szublimálják. Kóros tünetképződés esetén inkább kényszeres,"},
          {" szorongásos neurózisra, pszichoszomatikus panaszokra kell gondolni."}}},
        {"Dilatatív introvertált",
         "Dilatatív introvertált ÉT",
         {{" Jó képességek, a rendezett életvezetés igénye, a társas kapcsolatok"},
          {" iránti nyitottság jellemzi. A gazdag belső élet mellett erős érzelmi"},
          {" reaktivitás is jelen van, ami produktív, de feszültségteli alkatot ad."}}},
    };
    return blocks;
}

} // namespace

void WriteExperienceTypeAnalysis(const Context& context, TextOut& out) {
    out.Empty();
    out.Line("Az ÉT elemzése");
    out.Empty();
    out.Empty();
    const auto& label = context.TypologyFigures().experienceTypeLabel;
    for (const auto& block : TypeBlocks()) {
        if (block.label != label) {
            continue;
        }
        out.Line(block.heading);
        out.Empty();
        WriteLines(context, out, block.body);
        if (block.closingEmpty) {
            out.Empty();
        }
        break;
    }
    out.Empty();
}

std::vector<std::string_view> ExperienceTypeTextLines() {
    std::vector<std::string_view> lines;
    for (const auto& block : TypeBlocks()) {
        for (const auto& line : block.body) {
            lines.push_back(line.text);
        }
    }
    return lines;
}

} // namespace quelvarin::interpretation
