// The colour section "Színek jelentése az ÉT-ben", with the movement signs under "Az MF
// összetevői", ending with the Hd block.
#include "interpretation/Blocks.h"
#include "interpretation/Sections.h"
#include "model/SignNames.h"

namespace quelvarin::interpretation {
namespace {

int BSum(const Context& c) {
    return c.Count(Sign("B +")) + c.Count(Sign("B +/-")) + c.Count(Sign("B -"));
}
int BFSum(const Context& c) {
    return c.Count(Sign("BF +")) + c.Count(Sign("BF +/-")) + c.Count(Sign("BF -"));
}

std::string HighFormLine(const Context& c) {
    return "- magas F1%-kal együtt (" + Percent51(c.FormPlusPercent1()) + " %) beszabályozottság";
}
std::string LowerRule32(const Context&) {
    return RuleLine(RuleKind::Lower, 32);
}

const std::vector<Block>& ColourBlocks() {
    static const std::vector<Block> blocks = {
        {.sign = Sign("Fbn"),
         .heading = "Fbn",
         .body = {{"- színmegnevezés: tehetetlenség a színinger hatásával szemben"},
                  {"- organikus, epilepsziás, oligofrén protokollokban gyakori (Rorschach)"},
                  {"- egészségesnél pillanatnyi zavar, affektív sokk; gyermekeknél gyakori"}}},
        {.sign = Sign("Fb"),
         .heading = "Fb",
         .body = {{"- impulzív, kontrollálatlan érzelmi kisülés, labilitás (Rorschach)"}}},
        {.sign = Sign("FbF"),
         .heading = "FbF",
         .body = {{"- labilis, egocentrikus, ingerlékeny, szuggesztibilis érzelmesség"},
                  {"  (Rorschach); gyermekeknél természetes, felnőttnél impulzivitás jele"}}},
        {.sign = Sign("FFb +"),
         .heading = "FFb+",
         .body = {{"- jól szabályozott, alkalmazkodó érzelmesség, empátiás készség (Rorschach)"},
                  {.when = [](const Context& c) { return c.FormPlusPercent1() > 90; },
                   .make = HighFormLine}}},
        {.sign = Sign("FFb +/-"),
         .heading = "FFb+-",
         .body = {{"- alkalmazkodási törekvés, de bizonytalan érzelmi szabályozással"}}},
        {.sign = Sign("FFb -"),
         .heading = "FFb-",
         .body = {{"- az alkalmazkodás kudarca: az érzelmi inger szétzilálja a formát"},
                  {"- kényszeredett, felszínes, álalkalmazkodó kapcsolódás"},
                  {"- erőltetett kontroll, amelyen az indulat áttör"},
                  {"- organikus és pszichotikus protokollokban gyakoribb (Bohm)"},
                  {"- sok FFb- és kevés FFb+: a szociális alkalmazkodás zavara"}}},
    };
    return blocks;
}

const std::vector<Block>& MovementBlocks() {
    static const std::vector<Block> blocks = {
        {.sign = Sign("B klein +"),
         .heading = "B klein+",
         .counted = false,
         .body = {{"- ábrándozás (Dd-B klein együtt)",
                   [](const Context& c) { return c.Together(Sign("Dd"), Sign("B klein +")); }},
                  {"- kicsinyített emberalak mozgásban: a belső élet szűkített, óvatos formája"},
                  {"- ábrándozásra, fantáziába húzódásra való hajlam, visszahúzódás"},
                  {"- a valós kapcsolatok helyett távolított, miniatűr világ"},
                  {"- kényszeres, aprólékos, pedáns vonások (Dd-vel együtt)"},
                  {"  pl.: \"kis manók táncolnak\", \"apró emberkék másznak fel\""}}},
        {.sign = Sign("B klein +/-"),
         .heading = "B klein+-",
         .counted = false,
         .body = {{"- bizonytalan kontrollú ábrándozás, a fantázia elszakad a valóságtól"}}},
        {.sign = Sign("B klein -"),
         .heading = "B klein-",
         .counted = false,
         .body = {{"- irreális, autisztikus fantáziálás, a valóságvesztés veszélye"}}},
        {.sign = Sign("BF +"),
         .heading = "BF",
         .when =
             [](const Context& c) {
                 return c.Presence(Sign("BF +")) || c.Presence(Sign("BF +/-")) || c.Presence(Sign("BF -"));
             },
         .body = {{"- állatmozgás: ösztönkésztetések, közvetlen vágyteljesítési igény"},
                  {"- a belső élet éretlenebb, kevésbé integrált rétege (Klopfer)"},
                  {"- sok BF: türelmetlenség, az azonnali kielégülés igénye, éretlenség"},
                  {"- kevés BF felnőttnél: az ösztönkésztetések elfojtása, gátoltság"},
                  {"- agresszív állatmozgás (harc, támadás): indulati feszültség"},
                  {"  pl.: \"két medve mászik fel\", \"kutyák verekednek\""},
                  {"- gyerekeknél: kétszer annyi BF, mint B (azonosítás bizonytalansága)",
                   [](const Context& c) { return BFSum(c) >= 2 * BSum(c); }},
                  {"  gyerekeknél: több B, mint BF, korai zárást jelöl a személyiségben",
                   [](const Context& c) { return BSum(c) > BFSum(c); }},
                  {"- serdülőknél a konfliktusos BF pubertáskori, átmeneti jelenség (Zulliger)"},
                  {"            a B-k több, mint fele B+ , ezért jó prognózis",
                   [](const Context& c) { return BSum(c) > 0 && c.Count(Sign("B +")) * 2 > BSum(c); }},
                  {"- felnőtteknél több B legyen, mint BF"}}},
        {.sign = Sign("b +"),
         .heading = "b+",
         .body = {{"- élettelen tárgyak mozgása: feszültség, nyomás a személyiségen belül"},
                  {"- a kontrollon kívüli erők élménye, tehetetlenség, kiszolgáltatottság"},
                  {"- konfliktusos, frusztrált késztetések jele (Klopfer)"},
                  {"- jó formával: a feszültség tudatosítható, megfogalmazható"},
                  {"- sok b: helyzeti stressz, szorongásos, túlfeszült állapot"},
                  {"- b+  FbF  Tűz   szociális kudarc",
                   [](const Context& c) { return c.Together3(Sign("b +"), Sign("FbF"), Sign("Tűz")); }},
                  {"- b+  FbF  Víz   csábítási fantáziák, kudarc",
                   [](const Context& c) { return c.Together3(Sign("b +"), Sign("FbF"), Sign("Víz")); }},
                  {"- b+  Explózió    indulati kitörés veszélye, agresszív feszültség"},
                  {"- b+  Felhő, Füst diffúz, megfoghatatlan szorongás"},
                  {"- b+  Jármű       mozgásigény, menekülési, kitörési vágy"},
                  {"  pl.: \"hulló levél\", \"lobogó zászló\", \"szétrobbanó tűzijáték\""},
                  {"- gyermekeknél, serdülőknél gyakoribb; felnőttnél feszültségjelző"}}},
        {.sign = Sign("b +/-"),
         .heading = "b+/-",
         .body = {{"- a feszültség csak részben kontrollált, a belső nyomás bizonytalanul"},
                  {"  feldolgozott; szorongásos készenlét"},
                  {"- tárgyak mozgása labilis formával: fenyegetettség-élmény"},
                  {"  pl.: \"valami robban, szétfolyik\", elmosódó körvonalú mozgás"}}},
        {.sign = Sign("b -"),
         .heading = "b-",
         .body = {{"- kontrollálatlan feszültség, dezintegráció; pszichotikus veszély"}}},
        {.sign = Sign("asszoc.B"),
         .heading = "Asszoc B",
         .body = {{"- nem látott, hanem asszociált mozgás: a mozgás csak a szóhasználatban"},
                  {"  jelenik meg (\"mintha táncolnának\"), a belső élet közvetett kifejezése"},
                  {"- intellektualizáló, távolító elhárítás; fékezett beleélés (Mérei)"}}},
        {.sign = Sign("absztr.B"),
         .heading = "Absztrakt B",
         .body = {{"- elvont mozgásélmény: erők, feszültségek, irányok mozgása"},
                  {"  pl.: \"emelkedés\", \"két erő harca\", \"a szétválás lendülete\""},
                  {"- elvonatkoztatási készség, intellektualizálás; túlsúlyában szkizoid jegy"}}},
        {.sign = Sign("Hd"),
         .heading = "Hd-jelentések: értelmezési körük",
         .before = {{.make = LowerRule32}},
         .body = {{"- 1. hangulati reakció: diszfória, lehangoltság -------|"},
                  {"     (a sötét mint nyomasztó hangulati háttér)         |"},
                  {"                                                       |--> szorongás"},
                  {"- 2. félelmi reakció: fenyegetettség, bizonytalanság --|"},
                  {"     (a sötét mint ismeretlen, fenyegető mélység)"},
                  {"- Hd (forma nélküli sötétszürke válasz): a fekete-szürke árnyalat"},
                  {"  tompa, nyomasztó hatása formai kontroll nélkül érvényesül"},
                  {"- a színnel szemben a lefojtott, befelé forduló érzelmi hangoltság jele"},
                  {"- FHd: formába rendezett, kezelt szorongás; HdF: már elárasztóbb;"},
                  {"  Hd: a szorongás formátlan, elárasztó, kontrollálatlan"},
                  {"  \"Szívem a semmi ágán ül, / kis teste hangtalan vacog\" (József Attila)"},
                  {"- sok Hd és kevés Fb: depresszív beállítódás, gátolt érzelmesség"},
                  {"- sok Hd és sok Fb: labilis, ingerlékeny, szorongásos érzelmi élet"},
                  {"- sötétsokk (IV., VI. tábla): a sötét árnyalat megrendítő hatása,"},
                  {"  neurotikus szorongás, depresszív készenlét jele"},
                  {"- a Hd mint hangulati réteg (Binder); a sötétsokk szorongásjele (Bohm)"},
                  {"- kórképek: depresszió, szorongásos neurózis, hipochondria, fóbiák"}}},
    };
    return blocks;
}

} // namespace

void WriteColourInterpretation(const Context& context, TextOut& out) {
    out.Empty();
    out.Line("Színek jelentése az ÉT-ben");
    out.Line(RuleLine(RuleKind::Upper, 26));
    out.Empty();
    out.Line("A színek és érzelmek összefüggése");
    out.Line("  piros - agresszió");
    out.Line("  kék-zöld - nőiség");
    out.Line("  sárga - promiszkuitás, gátlástalan kapcsolódás");
    out.Line("  barna - analitás, kényszer");
    out.Empty();
    WriteBlocks(context, out, ColourBlocks());

    out.Empty();
    out.Line("Az MF összetevői");
    out.Line(RuleLine(RuleKind::Upper, 16));
    out.Empty();
    WriteBlocks(context, out, MovementBlocks());
}

std::vector<std::string_view> ColourTextLines() {
    std::vector<std::string_view> lines;
    CollectTexts(ColourBlocks(), lines);
    CollectTexts(MovementBlocks(), lines);
    return lines;
}

} // namespace quelvarin::interpretation
