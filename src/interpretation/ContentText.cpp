// The content blocks: one block for each content (or group of contents) present, right after
// the special reactions and without a title of their own.
#include "interpretation/Blocks.h"
#include "interpretation/Sections.h"
#include "platform/NumberFormat.h"

namespace quelvarin::interpretation {
namespace {

constexpr SignCode kM = 345, kT = 346, kAnat = 347, kObj = 348, kRuha = 349, kTaj = 350, kSzcena = 355,
                   kTd = 359, kRtg = 360, kMateria = 361, kAlarc1 = 362, kAlarc2 = 375, kAlarc3 = 388,
                   kVer = 373, kSzex = 386, kArchitek = 387, kSacrum = 389, kTerkep = 353, kDd = 402,
                   kFPlus = 301;

std::string ObjFiguresLine(const Context& c) {
    return "         (itt Obj%=" + Percent51(c.Share(kObj)) + "%,  T%=" + Percent51(c.Share(kT)) + "%)";
}
std::string HumanInterestLine(const Context& c) {
    return "- értelmezésben: M% = személyi érdeklődés (itt M%=" + Percent51(c.Share(kM)) + "%)";
}
std::string ObjectInterestLine(const Context& c) {
    return "               Obj% = tárgyi érdeklődés (itt Obj%=" + Percent51(c.Share(kObj)) + "%)";
}
std::string DdObjLine(const Context& c) {
    return "          Dd - Obj = szorgalom, pedanteria (itt Dd-Obj=" +
           FormatInteger(c.Count(kDd) - c.Count(kObj), 3) + ")";
}
std::string MaskLine(const Context& c, std::string_view caption, SignCode code) {
    return std::string(caption) + c.CountSuffix(code);
}
std::string Rule17(const Context&) {
    return RuleLine(RuleKind::Upper, 17);
}
std::string Rule19(const Context&) {
    return RuleLine(RuleKind::Upper, 19);
}

bool AnyMask(const Context& c) {
    return c.Presence(kAlarc1) || c.Presence(kAlarc2) || c.Presence(kAlarc3);
}
bool Mask1(const Context& c) {
    return c.Presence(kAlarc1);
}
bool Mask2(const Context& c) {
    return c.Presence(kAlarc2);
}
bool Mask3(const Context& c) {
    return c.Presence(kAlarc3);
}

const std::vector<Block>& ContentBlocks() {
    static const std::vector<Block> blocks = {
        {.sign = kM,
         .heading = "M sok,",
         .when = [](const Context& c) { return c.NormTest(kM); },
         .body = {{"- prepubertás"},
                  {"- adoleszcens (8 felett)", [](const Context& c) { return c.Count(kM) >= 9; }}}},
        {.heading = "Myth, Szörny",
         .when = [](const Context& c) { return c.Presence(372) || c.Presence(385); },
         .counts = {372, 385},
         .body = {{"- naiv hiedelmek, szorongás"}}},
        {.sign = 358, .heading = "(M)", .body = {{"- távolított, irreális emberkép: kapcsolati szorongás, óvatos közeledés"}}},
        {.sign = 384, .heading = "Md obj.", .body = {{"- fokozott félelem"}, {"  a testi sérüléstől, csonkulástól való szorongás (kasztrációs félelem)"}}},
        {.heading = "T, Td",
         .when = [](const Context& c) { return c.ShareInRange(kT, 35, 40) || c.ShareInRange(kTd, 35, 40); },
         .counted = false,
         .body = {{"- ?????"}}},
        {.sign = kAnat, .heading = "Anat", .body = {{"- intelligencia komplexus"}}},
        {.heading = "Anat+Rtg.",
         .when = [](const Context& c) { return c.Together(kAnat, kRtg); },
         .counted = false,
         .body = {{"- testtel összefüggő szorongás"}}},
        {.sign = kVer,
         .heading = "Vér",
         .body = {{"- indulati feszültség, agresszív késztetések, sérülékenység-élmény"},
                  {"- epilepsziásoknál és indulatilag labilisaknál gyakoribb (Bohm)"},
                  {"Vér+Csonkitás: magas hőfokú indulatok, félelmek, ezek kezelési nehézségei",
                   [](const Context& c) { return c.Together(kVer, 129); }}}},
        {.sign = kSzex,
         .heading = "Szex",
         .body = {{"- vulger válaszban 1-2 normális"},
                  {"- itt 2-nél több van = szexuális feszültségek", [](const Context& c) { return c.Count(kSzex) >= 3; }},
                  {"- a standardhoz képest sok a szex: krónikus megvonásban, megszállottságban",
                   [](const Context& c) { return c.NormTest(kSzex); }},
                  {"- bizarr szex (inadekvát áreákra) = irrealitás"},
                  {"Szex+Anat: orvosnál szakmai jegy", [](const Context& c) { return c.Together(kSzex, kAnat); }},
                  {""},
                  {"- Szexuális hivóáreákra egyéb tartalmak - pl. víz, jég, ruha, álarc, stb."},
                  {"                          így viselkedik a szex-ben"},
                  {"- sok szex orvosnál, pszichológusnál: szakmai beállítottsággal védi mély",
                   [](const Context& c) { return c.NormTest(kSzex); }},
                  {"                                      érdeklődését a nemiség iránt",
                   [](const Context& c) { return c.NormTest(kSzex); }}}},
        {.sign = kObj,
         .heading = "Obj.",
         .body = {{"- tárgyak, eszközök = ambició, érdeklődés"},
                  {"- ha optimális: 12-15% és T% kevesebb, mint 35%,"},
                  {.make = ObjFiguresLine},
                  {"  akkor erőfeszítési készség"},
                  {"- serdülőknél magasabb (20%), lányoknál ritkábban"},
                  {.make = HumanInterestLine},
                  {.make = ObjectInterestLine},
                  {.make = DdObjLine}}},
        {.sign = kMateria,
         .heading = "Matéria",
         .body = {{"- Miből van?, selyem, fából faragott, stb."},
                  {"- infantilis kiváncsiság,"},
                  {"  amely jelen esetben jó formával elmélyülő, kutató érdeklődést jelöl",
                   [](const Context& c) { return c.Together(kMateria, kFPlus); }}}},
        {.sign = 374, .heading = "Jármű", .body = {{"- mozgás, helyváltoztatás igénye, kitörési, menekülési vágy"}, {"- technikai érdeklődés, férfias szerepminta (serdülő fiúknál gyakori)"}, {"- autonómia-, teljesítmény- és hatalomigény; gyermekeknél gyakori"}, {"  pl.: \"repülőgép\", \"rakéta\", \"autó\" - expanzív, dinamikus beállítódás"}}},
        {.sign = kArchitek,
         .heading = "Architektúra",
         .body = {{"- épület, ház, torony, híd = biztonság, otthon, védettség igénye"},
                  {"- ház: anyai, védő közeg; torony: fallikus szimbólum, ambíció"},
                  {"- kompenzált bizonytalanság, kontrollra törekvés, formális rendezettség"},
                  {"  pl.: \"kapu\", \"ablak\", \"bejárat\" - kapcsolati nyitottság vagy elzárkózás"},
                  {"Archit.+Sacrum: bűntudat az otthonnal kapcsolatban",
                   [](const Context& c) { return c.Together(kArchitek, kSacrum); }},
                  {"Archit.+Deform: (pl. romos ház) a biztonságadó helyzettől való szorongás",
                   [](const Context& c) { return c.Together(kArchitek, 132); }},
                  {"  a biztonságot adó személlyel kapcsolatban",
                   [](const Context& c) { return c.Together(kArchitek, 132); }}}},
        {.sign = kRuha,
         .heading = "Ruha",
         .body = {{"- 1. rejtőzködés (saját vizsgálatban: pszichopátia)"},
                  {"- 2. tetszeni vágyás, külsőségekhez kötődés, hiszteroid jegy"},
                  {"- 3. szerepjáték, alkalmazkodás a külső elváráshoz, \"persona\""},
                  {"- 4. testi szégyen, a meztelenségtől való szorongás elhárítása"},
                  {"- 5. nőknél nárcisztikus nőiség; férfiaknál passzív, feminin vonás"}}},
        {.heading = "Álarc ( I. II. III.)",
         .when = AnyMask,
         .counts = {kAlarc1, kAlarc2, kAlarc3},
         .body = {{"- rejtőzködéses válasz, \"arcelrejtés\""},
                  {.when = Mask1, .make = [](const Context& c) { return MaskLine(c, "Álarc I. (Gzw)", kAlarc1); }},
                  {"- egész táblán, fehér közökkel látott álarc (vulgerhez közeli válasz)", Mask1},
                  {"- a fehér köz mint szem, száj: oppozíció, dac, belső üresség-élmény", Mask1},
                  {"- sok vagy hangsúlyos: leplezett depresszió, kapcsolati bizalmatlanság", Mask1},
                  {"  pl.: I. tábla \"farsangi álarc\", \"ördögmaszk\"", Mask1},
                  {.when = Mask2, .make = [](const Context& c) { return MaskLine(c, "Álarc II. (D, Dd)", kAlarc2); }},
                  {.when = Mask2, .make = Rule17},
                  {"- részleten látott maszk: körülhatárolt, helyzethez kötött rejtőzés", Mask2},
                  {"- szociális szorongás, szégyen; Dd-ben paranoid gyanakvás", Mask2},
                  {.when = Mask3, .make = [](const Context& c) { return MaskLine(c, "Álarc III. (jelmez)", kAlarc3); }},
                  {.when = Mask3, .make = Rule19},
                  {"- jelmez, beöltözött alak: szerepjátszás, teátrális önmegjelenítés", Mask3},
                  {"- hiszteroid, exhibicionisztikus vonás, az identitás játékos váltogatása", Mask3},
                  {"  pl.: \"jelmezbe öltözött táncosok\", \"bohócok\" (III., IX. tábla)", Mask3},
                  // The explanatory text: a title naming the published source, three paragraphs.
                  {"Az álarcválaszok értelmezése (Mérei Ferenc nyomán)"},
                  {"Az álarcválasz arcot lát, de elfedve: a válasz egyszerre mutat és rejt,"},
                  {"a látott arc nem az igazi arc. Helye szerint három formája van: az"},
                  {"egész táblán, fehér közökkel látott álarc (I.), a részleten látott maszk"},
                  {"(II.) és a jelmezbe öltözött emberalak (III.)."},
                  {"Tüneti értéke: rejtőzködés, a valódi érzések és szándékok takarása, a"},
                  {"kapcsolatokban távolságtartás. Az álarc mögött szorongás, szégyen,"},
                  {"leplezett depresszió vagy ellenséges indulat húzódik meg. Több"},
                  {"álarcválasz esetén az identitás bizonytalan, az énhatárok gyengék;"},
                  {"egyetlen, jó formájú válasz még nem kóros jelentésű."},
                  {"Kik adják? Serdülők, identitásválságban lévők, szerepkonfliktusban élők;"},
                  {"felnőtteknél hiszteroid, pszichopátiás és paranoid struktúrák, valamint"},
                  {"a depressziójukat mosollyal leplező személyek. Gyakori a szerepben"},
                  {"dolgozóknál (színész, pedagógus, orvos) is: náluk a szerep vállalása"},
                  {"hivatásbeli jegy, nem feltétlenül tünet."},
                  {""},
                  // The comparison table of the three masks.
                  {"Álarc I.                 Álarc II.                Álarc III."},
                  {"hol látja:               hol látja:               hol látja:"},
                  {"egész táblán, a fehér    részleten (D, Dd),       jelmezes emberalakon,"},
                  {"köz a szem, száj (Gzw)   körülhatárolt arcként    M-mel (III., IX. tábla)"},
                  {"mit rejt:                mit rejt:                mit rejt:"},
                  {"belső ürességet, dacot,  szégyent, szociális      bizonytalan identitást,"},
                  {"ellenséges indulatot     szorongást, félelmet     szerepkonfliktust"},
                  {"------------------------------------------------------------------------- "},
                  {"tipikus diagnózis:       tipikus diagnózis:       tipikus diagnózis:"},
                  {"leplezett depresszió,    neurotikus szorongás,    hiszteroid, teátrális"},
                  {"szkizoid visszahúzódás,  kényszeres vonások,      személyiség,"},
                  {"határeseti (borderline)  szociális fóbia;         pszichopátiás vonások,"},
                  {"személyiségszerveződés   Dd-ben paranoid          serdülőkori"},
                  {"(mélyebb zavar)          gyanakvás                szerepkeresés"},
                  {"------------------------------------------------------------------------- "},
                  {"elhárítás:               elhárítás:               elhárítás:"},
                  {"tagadás, izoláció,       elfojtás, racionali-     dramatizálás, szerep-"},
                  {"oppozíció                zálás, projekció         játszás, áthelyezés"},
                  {"prognózis:               prognózis:               prognózis:"},
                  {"egyszeri válaszként jó;  kedvező, a rejtőzés      változó; B+ mellett"},
                  {"ismétlődve kedvezőtlen,  terápiában jól           kedvező, a szerepből"},
                  {"a rejtőzés rögzült       oldható                  kiléptethető"}}},
        {.sign = kTaj, .heading = "Táj - térképként", .body = {{"- énes, kiégett, nem érdekli a reális világ"}}},
        {.heading = "Táj + Szcéna",
         .when = [](const Context& c) { return c.Together(kTaj, kSzcena); },
         .counted = false,
         .body = {{"- hangulati, festői beállítódás, az élmény távolítása látvánnyá"},
                  {"- menekülés a képzeletbeli tájba, a valós kapcsolatok kerülése"}}},
        {.heading = "M% alacsony + Táj% magas",
         .when = [](const Context& c) { return c.ShareInRange(kM, 0, 20) && c.ShareInRange(kTaj, 50, 100); },
         .counted = false,
         .body = {{"- rossz kötődés"}}},
        {.sign = 363, .heading = "Pfl.", .body = {{"- passzív, befogadó, nőies beállítódás; gyengédségigény, függőség"}}},
        {.sign = 376, .heading = "Asztronómia", .body = {{"- 1. távolságigény, elvont, kozmikus érdeklődés, a földi gondok kerülése"}, {"- 2. grandiózus, nárcisztikus fantáziák (nap, csillag = hatalom, fény)"}, {"- 3. szorongás a kontrollálhatatlantól; sok esetén szkizoid távolítás"}}},
        {.sign = kSacrum,
         .heading = "Sacrum",
         .body = {{"- 1. vallásos, rituális tartalom: bűntudat, megváltásigény"},
                  {"- 2. tekintélytisztelet, a felettes-én nyomása, szigorú normák"},
                  {"- 3. kompenzált szorongás: védelem keresése a transzcendensben"},
                  {"- 4. sok Sacrum: misztikus, mágikus gondolkodás, pszichotikus jegy is"}}},
        {.sign = 351, .heading = "Felhő", .body = {{"- 1. diffúz szorongás, bizonytalanság, megfoghatatlan félelem"}, {"- 2. depresszív, borús alaphangoltság (Hd-val együtt erősebb)"}, {"- 3. elmosódó identitás, formátlanságba menekülés, passzivitás"}}},
        {.sign = 364, .heading = "Füst", .body = {{"- szorongás, diffúz veszélyérzet, fojtott agresszió"}, {"- a tűz utáni állapot: kiégettség, a rombolás nyoma"}}},
        {.sign = 377, .heading = "Hegy", .body = {{"- teljesítményigény, akadályélmény, küzdelem a nehézségekkel"}, {"- tekintélyszemély, apakép szimbóluma; nagyság, elérhetetlenség"}}},
        {.sign = 390, .heading = "Szikla", .body = {{"- keménység, merevség, érzelmi elzárkózás, rigid elhárítás"}, {"- stabilitásigény, a biztos támasz keresése; akadályélmény"}}},
        {.sign = 352,
         .heading = "Tűz",
         .body = {{"- 1. heves indulat, agresszív feszültség, a harag fellobbanása"},
                  {"     pl.: \"lángol\", \"ég az erdő\" - robbanékonyság"},
                  {"- 2. szexuális izgalom, szenvedély, libidinális feszültség"},
                  {"- 3. pusztítástól, megsemmisüléstől való félelem (b-vel, FbF-fel)"},
                  {"     a kontrollvesztés veszélye, az indulat elhatalmasodása"}}},
        {.sign = 365,
         .heading = "Viz",
         .body = {{"- 1. anyai, befogadó közeg: regresszív vágy, oralitás"},
                  {"- 2. érzelmi áradás, elárasztottság, passzivitás"},
                  {"- 3. elmerülés-, fulladásfantáziák, depresszió; szuicid jegy lehet"},
                  {"- 4. szexuális szimbolika, nőiség; b-vel csábítási fantáziák"},
                  {"- 5. orális függőség; alkoholistáknál gyakoribb válasz"}}},
        {.sign = 378, .heading = "Jég", .body = {{"- érzelmi hidegség, elfojtott, \"befagyott\" affektivitás"}, {"- elszigetelés, kontaktushiány, rideg elhárítás"}, {"- szexuális hívóáreán: frigiditás, a nemiség hűvös elhárítása"}, {"  pl.: \"jégcsap\", \"jégtábla\", \"befagyott tó\""}}},
        {.sign = 391, .heading = "Explózió", .body = {{"- indulati kitörés, agresszív feszültség, a kontrollvesztés veszélye"}}},
        {.sign = kTerkep,
         .heading = "Térkép",
         .body = {{"- intellektualizáló távolítás, a szorongás elvont síkra helyezése"},
                  {"- bizonytalanság, tájékozódási igény; rossz formával kudarcélmény"},
                  {"- Bohm szerint: kisebbértékűség-érzés, \"zavarválasz\" jellege lehet"},
                  {"F+ és Térkép = önbecsülés, önértékelési zavar", [](const Context& c) { return c.Together(kTerkep, kFPlus); }}}},
        {.sign = 366, .heading = "Geometria", .body = {{"- intellektuális kontroll, absztrakció, távolság az érzelmektől"}, {"- kényszeres, rigid rendezési igény; a szimmetria hangsúlyozása"}, {"- sok: szkizoid, elidegenedett beállítódás, érzelmi sivárság"}}},
        {.sign = 379,
         .heading = "Ornamentika",
         .body = {{"- esztétizálás, díszítés: az indulat elhárítása formába rendezéssel"},
                  {"- hiszteroid, tetszeni vágyó, külsőségekhez tapadó vonás"},
                  {"- kényszeres részletezés, pedantéria (Dd-vel együtt)"},
                  {"  pl.: \"címer\", \"indás díszítés\", \"csipkeminta\""}}},
        {.sign = 392, .heading = "Jel", .body = {{"- jelentéskereső gondolkodás, a tartalom jellé absztrahálása"}, {"- kényszeres, paranoid jegy: rejtett üzenetek, utalások keresése"}}},
        {.heading = "Festmény, szobor, illusztráció, karikatura",
         .when = [](const Context& c) { return c.Presence(354) || c.Presence(380) || c.Presence(367) || c.Presence(393); },
         .counts = {354, 380, 367, 393},
         .body = {{"- elidegenedés, védekezés, paranoiditás"},
                  {"Festmény - indulattalanítás ", [](const Context& c) { return c.Presence(354); }},
                  {"Szobor - személytelenítés", [](const Context& c) { return c.Presence(380); }},
                  {"Illusztráció - távolítás, élettelenítés", [](const Context& c) { return c.Presence(367); }},
                  {"Karikatúra - bagatellizálás, értékhigítás", [](const Context& c) { return c.Presence(393); }}}},
        {.sign = kSzcena,
         .heading = "Szcéna",
         .body = {{"- képzeleti kompenzáció, hiszteroid, teátrális"},
                  {"Szcéna + Dd + B klein = \"Tagtraum\" (nappali álmodozás),",
                   [](const Context& c) {
                       return c.Together3(kSzcena, kDd, 304) || c.Together3(kSzcena, kDd, 315) ||
                              c.Together3(kSzcena, kDd, 326);
                   }},
                  {"                        nincs reális önkifejtés",
                   [](const Context& c) {
                       return c.Together3(kSzcena, kDd, 304) || c.Together3(kSzcena, kDd, 315) ||
                              c.Together3(kSzcena, kDd, 326);
                   }}}},
        {.sign = 368, .heading = "Ennivaló", .body = {{"- orális igények, függőség, szeretetéhség"}, {"- frusztrált oralitás, gondoskodásvágy, regresszív kielégülés"}, {"- gyermekeknél gyakori; felnőttnél orális karakter, addikciós hajlam"}, {"  pl.: \"sült csirke\", \"torta\", \"fagylalt\" (a színes táblákon)"}}},
        {.sign = 381, .heading = "Szimbólum", .body = {{"- elvonatkoztatás, intellektualizálás, a jelentéstudattal rokon (Mérei)"}, {"- túlsúlyában irreális, szkizoid gondolkodásmód"}}},
        {.sign = 394, .heading = "Absztrakt", .body = {{"- elvont tartalom: kilépés az élményből, távolítás"}, {"- intellektualizáló elhárítás; rossz formával gondolkodászavar"}}},
        {.sign = 356,
         .heading = "Szem",
         .body = {{"- megfigyeltség-élmény, a másik tekintetétől való félelem"},
                  {"- paranoid készenlét, gyanakvás, vonatkoztatási hajlam"},
                  {"- a felettes-én kontrollja, bűntudat (\"Isten szeme\")"},
                  {"- fokozott önmegfigyelés, szégyen, önreflexió"},
                  {"  pl.: \"szemek néznek rám\", \"figyelő szempár\" (zw-ben gyakori)"}}},
        {.sign = 369, .heading = "Tőr", .body = {{"- szúró, agresszív indulatok, fallikus szimbólum, kasztrációs szorongás"}}},
        {.sign = 382, .heading = "Sár", .body = {{"- anális tartalom: piszok, szennyezettség-élmény"}, {"- értéktelenség-érzés, bűntudat, megalázottság"}, {"- regresszív, anális-agresszív késztetések (barna színnel gyakori)"}}},
        {.sign = 395, .heading = "Szakadék", .body = {{"- zuhanástól, megsemmisüléstől való félelem; depresszív, szuicid jegy"}}},
        {.sign = 357, .heading = "Kő", .body = {{"- keménység, érzéketlenség, merev elhárítás, érzelmi bezárkózás"}, {"- depresszív, \"megkövült\" affektus; szexuális hívóáreán frigiditás"}}},
        {.sign = 370, .heading = "Barlang", .body = {{"- regresszív, anyaméhbe visszahúzódó vágy; védettség, rejtőzés igénye"}}},
        {.sign = 383, .heading = "Szín", .body = {{"- a szín mint tartalom: tehetetlenség a színnel szemben, primitív affektus"}}},
        {.sign = 396, .heading = "Amorf", .body = {{"- formátlan, alaktalan tartalom: gyenge kontroll, diffúz szorongás"}}},
    };
    return blocks;
}

} // namespace

void WriteContentInterpretation(const Context& context, TextOut& out) {
    WriteBlocks(context, out, ContentBlocks());
}

std::vector<std::string_view> ContentTextLines() {
    std::vector<std::string_view> lines;
    CollectTexts(ContentBlocks(), lines);
    return lines;
}

} // namespace quelvarin::interpretation
