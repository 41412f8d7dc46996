#include "joint/SignDescriptions.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "platform/LineFile.h"

namespace quelvarin::joint {

const std::array<std::string_view, kSignCount>& BuiltInDescriptions() {
    static constexpr std::array<std::string_view, kSignCount> lines = {
        "Független indítás (>-): önálló, a partnerre nem figyelő kezdés. Az egyén a saját elképzelésével nyit, a közös munkát nem keresi. Dominanciára, függetlenségre törekszik.",
        "Indító javaslat (>+): együttműködő kezdeményezés. Az egyén a megoldásra tesz ajánlatot, és azt a partner elé tárja. Irányítani kíván, de a megegyezést keresi.",
        "Indító kérdés (>?): együttműködési szándékra utal már a kezdésnél. Az egyén a partner véleményét kéri, mielőtt a sajátját kimondaná. Igazodásra, megegyezésre törekszik.",
        "Indító felszólítás (>H): a partnert szólítja fel a kezdésre. Az egyén a felelősséget átadja, a közös munkát mégis elindítja. Közvetett együttműködésre, alárendelődésre utal.",
        "Indító bizonytalanság (>O): a kezdés elakad a kétségen. Az egyén nem vállalja az első lépést, a döntést halogatja. Közvetett akadályozásra, alárendelődésre utal.",
        "Indító zavar (>Y): a feladat már a kezdéskor megzavarja az egyént. Szorongása a közös munkát fékezi. Közvetett akadályozásra utal.",
        "Tartalmatlan indítás (>X): üres, tartalom nélküli nyitás. Az egyén jelzi a részvételét, de ajánlatot nem tesz. Közvetett, passzív együttműködésre utal.",
        "Kérdés (?): együttműködési szándékra utal. Az egyén mástól várja a megoldást, megerősítést. Alárendelődésre, igazodásra, megegyezésre törekszik.",
        "Tisztázó magyarázat ($): a saját vagy a partner válaszát világosabbá teszi. Az egyén a kölcsönös megértést szolgálja. Közvetlen együttműködésre utal.",
        "Független válaszajánlás (-): a partner ajánlatától független új válasz. Az egyén a saját útját járja, a közös megoldást nem építi. Dominanciára, nonkooperációra utal.",
        "Részletezés (#): a válasz részleteinek aprólékos kifejtése. A közös döntést inkább hátráltatja, mint segíti. Közvetlen akadályozásra, a saját álláspont érvényesítésére utal.",
        "Visszatérés a saját javaslathoz (@): a partner ajánlata után az egyén a saját korábbi válaszához tér vissza. Ragaszkodik az elképzeléséhez. Dominanciára, nonkooperációra utal.",
        "Visszatérés a partner javaslatához (@*): az egyén a partner korábbi ajánlatát veszi újra elő. Elismeri és támogatja a másik válaszát. Közvetett együttműködésre, igazodásra utal.",
        "Továbbszövés (&): a partner válaszát kiegészíti, továbbépíti. Az egyén a közös megoldáson dolgozik. Közvetlen együttműködésre, megegyezésre utal.",
        "Felszólítás (H): a partnert cselekvésre, válaszra szólítja fel. A közös munkát fenntartja, de a lépést a másiktól várja. Közvetett együttműködésre utal.",
        "Korrigálás (%): a partner válaszát kijavítja, módosítja. A közös munkát formálisan folytatja, de a másik ajánlatát gyengíti. Közvetett akadályozásra utal.",
        "Kritika (*): a partner válaszának bírálata. A megegyezést megnehezíti, a másik ajánlatát leértékeli. Közvetlen akadályozásra, dominanciára utal.",
        "Tagadás (N): a partner válaszának elutasítása. Az egyén nyíltan szembehelyezkedik a másik ajánlatával. Közvetlen akadályozásra, dominanciára utal.",
        "Bizonytalanság (O): kétség, habozás a válasz körül. Az egyén nem foglal állást, a döntést elodázza. Közvetett akadályozásra, alárendelődésre utal.",
        "Zavar (Y): a helyzet megzavarja az egyént, gondolatmenete megakad. Szorongása a közös munkát fékezi. Közvetett akadályozásra utal.",
        "Dicséret (L): a partner válaszának elismerése. Az egyén megerősíti a másikat, és a megegyezést segíti. Közvetlen együttműködésre utal.",
        "Tartalmatlan verbalizáció (X): üres, a feladathoz nem tartozó beszéd. Az egyén részt vesz a helyzetben, de a megoldáshoz nem járul hozzá. Közvetett nonkooperációra utal.",
        "Indulat (!): indulatos megnyilvánulás a közös munka közben. A megegyezést nyíltan akadályozza. Közvetlen akadályozásra, dominanciára utal.",
        "Saját záróválasz (zvS): az egyén a saját válaszát mondja ki közös válaszként. A döntést magához vonja, a partnerét nem veszi figyelembe. Dominanciára, nonkooperációra utal.",
        "Záróválasz a partneré (zvA): az egyén a partner ajánlatát mondja ki záróválaszként. A döntést a másikra bízza, annak képviselője lesz. Alárendelődésre, közvetett együttműködésre utal.",
        "Közös döntés (zvW): a záróválasz mindkettőjük munkájából születik. Az egyén a megegyezést valóban létrehozza. Közvetlen együttműködésre utal.",
        "Döntésképtelenség (zvX): a pár nem jut közös válaszhoz. Az egyén a döntést nem vállalja, a feladat megoldatlan marad. Közvetett akadályozásra utal.",
        "Kongruens egyetértés (=<): a döntéssel belső egyetértés társul. Az egyén a közös választ a magáénak érzi. Közvetlen együttműködésre utal.",
        "Passzív beletörődés (pb): az egyén egyetértés nélkül hagyja jóvá a döntést. Alárendelődik, de belül nem fogadja el a választ. Közvetett akadályozásra utal.",
        "Egyetértés haraggal, indulattal (eh): az egyén elfogadja a döntést, de haraggal, indulattal. Külsőleg enged, belül ellenáll. Közvetlen akadályozásra utal.",
        "Független döntés (§<): az egyén a partnertől függetlenül dönt. A közös munkát figyelmen kívül hagyja. Dominanciára, nonkooperációra utal.",
    };
    return lines;
}

DescriptionLines DescriptionsFromBytes(std::string_view bytes) {
    DescriptionLines lines;
    const auto& builtIn = BuiltInDescriptions();
    for (std::size_t i = 0; i < kSignCount; ++i) {
        lines[i] = std::string(builtIn[i]);
    }
    auto read = SplitLines(DecodeCp1250(bytes));
    for (std::size_t i = 0; i < kSignCount && i < read.size(); ++i) {
        lines[i] = WithoutLineBreaks(std::move(read[i])); // a lone CR reads as a blank
    }
    return lines;
}

DescriptionLines ReadDescriptions(const std::filesystem::path& file) {
    return DescriptionsFromBytes(ReadFileBytes(file).value_or(std::string()));
}

std::string DescriptionBytes(const DescriptionLines& lines) {
    Lines out;
    for (const auto& line : lines) {
        out.push_back(WithoutLineBreaks(line));
    }
    return EncodeCp1250(JoinLines(out));
}

bool WriteDescriptions(const std::filesystem::path& file, const DescriptionLines& lines) {
    return ReplaceFileAtomically(file, DescriptionBytes(lines));
}

} // namespace quelvarin::joint
