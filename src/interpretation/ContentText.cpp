// The content blocks: one block for each content (or group of contents) present, right after
// the special reactions and without a title of their own.
#include "interpretation/Blocks.h"
#include "interpretation/Sections.h"
#include "model/SignNames.h"
#include "platform/NumberFormat.h"

namespace quelvarin::interpretation {
namespace {

std::string ObjFiguresLine(const Context& c) {
    return "         (itt Obj%=" + Percent51(c.Share(Sign("Obj."))) +
           "%,  T%=" + Percent51(c.Share(Sign("T"))) + "%)";
}
std::string HumanInterestLine(const Context& c) {
    return "- értelmezésben: M% = személyi érdeklődés (itt M%=" + Percent51(c.Share(Sign("M"))) + "%)";
}
std::string ObjectInterestLine(const Context& c) {
    return "               Obj% = tárgyi érdeklődés (itt Obj%=" + Percent51(c.Share(Sign("Obj."))) + "%)";
}
std::string DdObjLine(const Context& c) {
    return "          Dd - Obj = szorgalom, pedanteria (itt Dd-Obj=" +
           FormatInteger(c.Count(Sign("Dd")) - c.Count(Sign("Obj.")), 3) + ")";
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
    return c.Presence(Sign("Álarc I")) || c.Presence(Sign("Álarc II")) || c.Presence(Sign("Álarc III"));
}
bool Mask1(const Context& c) {
    return c.Presence(Sign("Álarc I"));
}
bool Mask2(const Context& c) {
    return c.Presence(Sign("Álarc II"));
}
bool Mask3(const Context& c) {
    return c.Presence(Sign("Álarc III"));
}

const std::vector<Block>& ContentBlocks() {
    static const std::vector<Block> blocks = {
        {.sign = Sign("M"),
         .heading = "M sok,",
         .when = [](const Context& c) { return c.NormTest(Sign("M")); },
         .body = {{"- prepubertás"},
                  {"- adoleszcens (8 felett)", [](const Context& c) { return c.Count(Sign("M")) >= 9; }}}},
        {.heading = "Myth, Szörny",
         .when = [](const Context& c) { return c.Presence(Sign("Myth.")) || c.Presence(Sign("Szörny")); },
         .counts = {Sign("Myth."), Sign("Szörny")},
         .body = {{"- naiv hiedelmek, szorongás"}}},
        {.sign = Sign("(M)"), .heading = "(M)", .body = {{"- távolított, irreális emberkép: kapcsolati szorongás, óvatos közeledés"}}},
        {.sign = Sign("Md Obj."), .heading = "Md obj.", .body = {{"- fokozott félelem"}, {"  a testi sérüléstől, csonkulástól való szorongás (kasztrációs félelem)"}}},
        {.heading = "T, Td",
         .when = [](const Context& c) { return c.ShareInRange(Sign("T"), 35, 40) || c.ShareInRange(Sign("Td"), 35, 40); },
         .counted = false,
         .body = {{"- ?????"}}},
        {.sign = Sign("Anat."), .heading = "Anat", .body = {{"- intelligencia komplexus"}}},
        {.heading = "Anat+Rtg.",
         .when = [](const Context& c) { return c.Together(Sign("Anat."), Sign("Rtg.")); },
         .counted = false,
         .body = {{"- testtel összefüggő szorongás"}}},
        {.sign = Sign("Vér"),
         .heading = "Vér",
         .body = {{"- indulati feszültség, agresszív késztetések, sérülékenység-élmény"},
                  {"- epilepsziásoknál és indulatilag labilisaknál gyakoribb (Bohm)"},
                  {"Vér+Csonkitás: magas hőfokú indulatok, félelmek, ezek kezelési nehézségei",
                   [](const Context& c) { return c.Together(Sign("Vér"), Sign("Csonkítás")); }}}},
        {.sign = Sign("Szex"),
         .heading = "Szex",
         .body = {{"- vulger válaszban 1-2 normális"},
                  {"- itt 2-nél több van = szexuális feszültségek", [](const Context& c) { return c.Count(Sign("Szex")) >= 3; }},
                  {"- a standardhoz képest sok a szex: krónikus megvonásban, megszállottságban",
                   [](const Context& c) { return c.NormTest(Sign("Szex")); }},
                  {"- bizarr szex (inadekvát áreákra) = irrealitás"},
                  {"Szex+Anat: orvosnál szakmai jegy", [](const Context& c) { return c.Together(Sign("Szex"), Sign("Anat.")); }},
                  {""},
                  {"- Szexuális hivóáreákra egyéb tartalmak - pl. víz, jég, ruha, álarc, stb."},
                  {"                          így viselkedik a szex-ben"},
                  {"- sok szex orvosnál, pszichológusnál: szakmai beállítottsággal védi mély",
                   [](const Context& c) { return c.NormTest(Sign("Szex")); }},
                  {"                                      érdeklődését a nemiség iránt",
                   [](const Context& c) { return c.NormTest(Sign("Szex")); }}}},
        {.sign = Sign("Obj."),
         .heading = "Obj.",
         .body = {{"- tárgyak, eszközök = ambició, érdeklődés"},
                  {"- ha optimális: 12-15% és T% kevesebb, mint 35%,"},
                  {.make = ObjFiguresLine},
                  {"  akkor erőfeszítési készség"},
                  {"- serdülőknél magasabb (20%), lányoknál ritkábban"},
                  {.make = HumanInterestLine},
                  {.make = ObjectInterestLine},
                  {.make = DdObjLine}}},
        {.sign = Sign("Matéria"),
         .heading = "Matéria",
         .body = {{"- Miből van?, selyem, fából faragott, stb."},
                  {"- infantilis kiváncsiság,"},
                  {"  amely jelen esetben jó formával elmélyülő, kutató érdeklődést jelöl",
                   [](const Context& c) { return c.Together(Sign("Matéria"), Sign("F +")); }}}},
        {.sign = Sign("Jármű"), .heading = "Jármű", .body = {{"- mozgás, helyváltoztatás igénye, kitörési, menekülési vágy"}, {"- technikai érdeklődés, férfias szerepminta (serdülő fiúknál gyakori)"}, {"- autonómia-, teljesítmény- és hatalomigény; gyermekeknél gyakori"}, {"  pl.: \"repülőgép\", \"rakéta\", \"autó\" - expanzív, dinamikus beállítódás"}}},
        {.sign = Sign("Architek"),
         .heading = "Architektúra",
         .body = {{"- épület, ház, torony, híd = biztonság, otthon, védettség igénye"},
                  {"- ház: anyai, védő közeg; torony: fallikus szimbólum, ambíció"},
                  {"- kompenzált bizonytalanság, kontrollra törekvés, formális rendezettség"},
                  {"  pl.: \"kapu\", \"ablak\", \"bejárat\" - kapcsolati nyitottság vagy elzárkózás"},
                  {"Archit.+Sacrum: bűntudat az otthonnal kapcsolatban",
                   [](const Context& c) { return c.Together(Sign("Architek"), Sign("Sacrum")); }},
                  {"Archit.+Deform: (pl. romos ház) a biztonságadó helyzettől való szorongás",
                   [](const Context& c) { return c.Together(Sign("Architek"), Sign("Deformálás")); }},
                  {"  a biztonságot adó személlyel kapcsolatban",
                   [](const Context& c) { return c.Together(Sign("Architek"), Sign("Deformálás")); }}}},
        {.sign = Sign("Ruha"),
         .heading = "Ruha",
         .body = {{"- 1. rejtőzködés (saját vizsgálatban: pszichopátia)"},
                  {"- 2. tetszeni vágyás, külsőségekhez kötődés, hiszteroid jegy"},
                  {"- 3. szerepjáték, alkalmazkodás a külső elváráshoz, \"persona\""},
                  {"- 4. testi szégyen, a meztelenségtől való szorongás elhárítása"},
                  {"- 5. nőknél nárcisztikus nőiség; férfiaknál passzív, feminin vonás"}}},
        {.heading = "Álarc ( I. II. III.)",
         .when = AnyMask,
         .counts = {Sign("Álarc I"), Sign("Álarc II"), Sign("Álarc III")},
         .body = {{"- rejtőzködéses válasz, \"arcelrejtés\""},
                  {.when = Mask1, .make = [](const Context& c) { return MaskLine(c, "Álarc I. (Gzw)", Sign("Álarc I")); }},
                  {"- egész táblán, fehér közökkel látott álarc (vulgerhez közeli válasz)", Mask1},
                  {"- a fehér köz mint szem, száj: oppozíció, dac, belső üresség-élmény", Mask1},
                  {"- sok vagy hangsúlyos: leplezett depresszió, kapcsolati bizalmatlanság", Mask1},
                  {"  pl.: I. tábla \"farsangi álarc\", \"ördögmaszk\"", Mask1},
                  {.when = Mask2, .make = [](const Context& c) { return MaskLine(c, "Álarc II. (D, Dd)", Sign("Álarc II")); }},
                  {.when = Mask2, .make = Rule17},
                  {"- részleten látott maszk: körülhatárolt, helyzethez kötött rejtőzés", Mask2},
                  {"- szociális szorongás, szégyen; Dd-ben paranoid gyanakvás", Mask2},
                  {.when = Mask3, .make = [](const Context& c) { return MaskLine(c, "Álarc III. (jelmez)", Sign("Álarc III")); }},
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
        {.sign = Sign("Táj"), .heading = "Táj - térképként", .body = {{"- énes, kiégett, nem érdekli a reális világ"}}},
        {.heading = "Táj + Szcéna",
         .when = [](const Context& c) { return c.Together(Sign("Táj"), Sign("Szcéna")); },
         .counted = false,
         .body = {{"- hangulati, festői beállítódás, az élmény távolítása látvánnyá"},
                  {"- menekülés a képzeletbeli tájba, a valós kapcsolatok kerülése"}}},
        {.heading = "M% alacsony + Táj% magas",
         .when = [](const Context& c) { return c.ShareInRange(Sign("M"), 0, 20) && c.ShareInRange(Sign("Táj"), 50, 100); },
         .counted = false,
         .body = {{"- rossz kötődés"}}},
        {.sign = Sign("Pfl."), .heading = "Pfl.", .body = {{"- passzív, befogadó, nőies beállítódás; gyengédségigény, függőség"}}},
        {.sign = Sign("Asztron."), .heading = "Asztronómia", .body = {{"- 1. távolságigény, elvont, kozmikus érdeklődés, a földi gondok kerülése"}, {"- 2. grandiózus, nárcisztikus fantáziák (nap, csillag = hatalom, fény)"}, {"- 3. szorongás a kontrollálhatatlantól; sok esetén szkizoid távolítás"}}},
        {.sign = Sign("Sacrum"),
         .heading = "Sacrum",
         .body = {{"- 1. vallásos, rituális tartalom: bűntudat, megváltásigény"},
                  {"- 2. tekintélytisztelet, a felettes-én nyomása, szigorú normák"},
                  {"- 3. kompenzált szorongás: védelem keresése a transzcendensben"},
                  {"- 4. sok Sacrum: misztikus, mágikus gondolkodás, pszichotikus jegy is"}}},
        {.sign = Sign("Felhő"), .heading = "Felhő", .body = {{"- 1. diffúz szorongás, bizonytalanság, megfoghatatlan félelem"}, {"- 2. depresszív, borús alaphangoltság (Hd-val együtt erősebb)"}, {"- 3. elmosódó identitás, formátlanságba menekülés, passzivitás"}}},
        {.sign = Sign("Füst"), .heading = "Füst", .body = {{"- szorongás, diffúz veszélyérzet, fojtott agresszió"}, {"- a tűz utáni állapot: kiégettség, a rombolás nyoma"}}},
        {.sign = Sign("Hegy"), .heading = "Hegy", .body = {{"- teljesítményigény, akadályélmény, küzdelem a nehézségekkel"}, {"- tekintélyszemély, apakép szimbóluma; nagyság, elérhetetlenség"}}},
        {.sign = Sign("Szikla"), .heading = "Szikla", .body = {{"- keménység, merevség, érzelmi elzárkózás, rigid elhárítás"}, {"- stabilitásigény, a biztos támasz keresése; akadályélmény"}}},
        {.sign = Sign("Tűz"),
         .heading = "Tűz",
         .body = {{"- 1. heves indulat, agresszív feszültség, a harag fellobbanása"},
                  {"     pl.: \"lángol\", \"ég az erdő\" - robbanékonyság"},
                  {"- 2. szexuális izgalom, szenvedély, libidinális feszültség"},
                  {"- 3. pusztítástól, megsemmisüléstől való félelem (b-vel, FbF-fel)"},
                  {"     a kontrollvesztés veszélye, az indulat elhatalmasodása"}}},
        {.sign = Sign("Víz"),
         .heading = "Viz",
         .body = {{"- 1. anyai, befogadó közeg: regresszív vágy, oralitás"},
                  {"- 2. érzelmi áradás, elárasztottság, passzivitás"},
                  {"- 3. elmerülés-, fulladásfantáziák, depresszió; szuicid jegy lehet"},
                  {"- 4. szexuális szimbolika, nőiség; b-vel csábítási fantáziák"},
                  {"- 5. orális függőség; alkoholistáknál gyakoribb válasz"}}},
        {.sign = Sign("Jég"), .heading = "Jég", .body = {{"- érzelmi hidegség, elfojtott, \"befagyott\" affektivitás"}, {"- elszigetelés, kontaktushiány, rideg elhárítás"}, {"- szexuális hívóáreán: frigiditás, a nemiség hűvös elhárítása"}, {"  pl.: \"jégcsap\", \"jégtábla\", \"befagyott tó\""}}},
        {.sign = Sign("Explózió"), .heading = "Explózió", .body = {{"- indulati kitörés, agresszív feszültség, a kontrollvesztés veszélye"}}},
        {.sign = Sign("Térkép"),
         .heading = "Térkép",
         .body = {{"- intellektualizáló távolítás, a szorongás elvont síkra helyezése"},
                  {"- bizonytalanság, tájékozódási igény; rossz formával kudarcélmény"},
                  {"- Bohm szerint: kisebbértékűség-érzés, \"zavarválasz\" jellege lehet"},
                  {"F+ és Térkép = önbecsülés, önértékelési zavar", [](const Context& c) { return c.Together(Sign("Térkép"), Sign("F +")); }}}},
        {.sign = Sign("Geomet."), .heading = "Geometria", .body = {{"- intellektuális kontroll, absztrakció, távolság az érzelmektől"}, {"- kényszeres, rigid rendezési igény; a szimmetria hangsúlyozása"}, {"- sok: szkizoid, elidegenedett beállítódás, érzelmi sivárság"}}},
        {.sign = Sign("Ornament."),
         .heading = "Ornamentika",
         .body = {{"- esztétizálás, díszítés: az indulat elhárítása formába rendezéssel"},
                  {"- hiszteroid, tetszeni vágyó, külsőségekhez tapadó vonás"},
                  {"- kényszeres részletezés, pedantéria (Dd-vel együtt)"},
                  {"  pl.: \"címer\", \"indás díszítés\", \"csipkeminta\""}}},
        {.sign = Sign("Jel"), .heading = "Jel", .body = {{"- jelentéskereső gondolkodás, a tartalom jellé absztrahálása"}, {"- kényszeres, paranoid jegy: rejtett üzenetek, utalások keresése"}}},
        {.heading = "Festmény, szobor, illusztráció, karikatura",
         .when = [](const Context& c) { return c.Presence(Sign("Festmény")) || c.Presence(Sign("Szobor")) || c.Presence(Sign("Illusztr.")) || c.Presence(Sign("Karikat.")); },
         .counts = {Sign("Festmény"), Sign("Szobor"), Sign("Illusztr."), Sign("Karikat.")},
         .body = {{"- elidegenedés, védekezés, paranoiditás"},
                  {"Festmény - indulattalanítás ", [](const Context& c) { return c.Presence(Sign("Festmény")); }},
                  {"Szobor - személytelenítés", [](const Context& c) { return c.Presence(Sign("Szobor")); }},
                  {"Illusztráció - távolítás, élettelenítés", [](const Context& c) { return c.Presence(Sign("Illusztr.")); }},
                  {"Karikatúra - bagatellizálás, értékhigítás", [](const Context& c) { return c.Presence(Sign("Karikat.")); }}}},
        {.sign = Sign("Szcéna"),
         .heading = "Szcéna",
         .body = {{"- képzeleti kompenzáció, hiszteroid, teátrális"},
                  {"Szcéna + Dd + B klein = \"Tagtraum\" (nappali álmodozás),",
                   [](const Context& c) {
                       return c.Together3(Sign("Szcéna"), Sign("Dd"), Sign("B klein +")) || c.Together3(Sign("Szcéna"), Sign("Dd"), Sign("B klein +/-")) ||
                              c.Together3(Sign("Szcéna"), Sign("Dd"), Sign("B klein -"));
                   }},
                  {"                        nincs reális önkifejtés",
                   [](const Context& c) {
                       return c.Together3(Sign("Szcéna"), Sign("Dd"), Sign("B klein +")) || c.Together3(Sign("Szcéna"), Sign("Dd"), Sign("B klein +/-")) ||
                              c.Together3(Sign("Szcéna"), Sign("Dd"), Sign("B klein -"));
                   }}}},
        {.sign = Sign("Ennivaló"), .heading = "Ennivaló", .body = {{"- orális igények, függőség, szeretetéhség"}, {"- frusztrált oralitás, gondoskodásvágy, regresszív kielégülés"}, {"- gyermekeknél gyakori; felnőttnél orális karakter, addikciós hajlam"}, {"  pl.: \"sült csirke\", \"torta\", \"fagylalt\" (a színes táblákon)"}}},
        {.sign = Sign("Szimból."), .heading = "Szimbólum", .body = {{"- elvonatkoztatás, intellektualizálás, a jelentéstudattal rokon (Mérei)"}, {"- túlsúlyában irreális, szkizoid gondolkodásmód"}}},
        {.sign = Sign("Absztr."), .heading = "Absztrakt", .body = {{"- elvont tartalom: kilépés az élményből, távolítás"}, {"- intellektualizáló elhárítás; rossz formával gondolkodászavar"}}},
        {.sign = Sign("Szem"),
         .heading = "Szem",
         .body = {{"- megfigyeltség-élmény, a másik tekintetétől való félelem"},
                  {"- paranoid készenlét, gyanakvás, vonatkoztatási hajlam"},
                  {"- a felettes-én kontrollja, bűntudat (\"Isten szeme\")"},
                  {"- fokozott önmegfigyelés, szégyen, önreflexió"},
                  {"  pl.: \"szemek néznek rám\", \"figyelő szempár\" (zw-ben gyakori)"}}},
        {.sign = Sign("Tőr"), .heading = "Tőr", .body = {{"- szúró, agresszív indulatok, fallikus szimbólum, kasztrációs szorongás"}}},
        {.sign = Sign("Sár"), .heading = "Sár", .body = {{"- anális tartalom: piszok, szennyezettség-élmény"}, {"- értéktelenség-érzés, bűntudat, megalázottság"}, {"- regresszív, anális-agresszív késztetések (barna színnel gyakori)"}}},
        {.sign = Sign("Szakadék"), .heading = "Szakadék", .body = {{"- zuhanástól, megsemmisüléstől való félelem; depresszív, szuicid jegy"}}},
        {.sign = Sign("Kő"), .heading = "Kő", .body = {{"- keménység, érzéketlenség, merev elhárítás, érzelmi bezárkózás"}, {"- depresszív, \"megkövült\" affektus; szexuális hívóáreán frigiditás"}}},
        {.sign = Sign("Barlang"), .heading = "Barlang", .body = {{"- regresszív, anyaméhbe visszahúzódó vágy; védettség, rejtőzés igénye"}}},
        {.sign = Sign("Szín"), .heading = "Szín", .body = {{"- a szín mint tartalom: tehetetlenség a színnel szemben, primitív affektus"}}},
        {.sign = Sign("Amorf"), .heading = "Amorf", .body = {{"- formátlan, alaktalan tartalom: gyenge kontroll, diffúz szorongás"}}},
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
