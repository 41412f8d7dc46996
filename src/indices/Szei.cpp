#include "indices/Szei.h"

#include "platform/NumberFormat.h"

namespace quelvarin::szei {
namespace {

// The conclusions by the mean: the last band whose condition holds wins.
struct ConclusionBand {
    bool (*holds)(double mean);
    std::string_view text;
};
const ConclusionBand kConclusions[] = {
    {[](double m) { return m > 0.5; }, "inkább neurotikus folyamatnak tekinthetők."},
    {[](double m) { return m >= 1; }, "a nagy valószínűséggel meglévő neurotikus hátteret bizonyítják."},
    {[](double m) { return m <= 0.5; }, "inkább pszichopátiás folyamatra vezethetők vissza."},
    {[](double m) { return m <= 0; },
     "a nagy valószínűséggel meglévő pszichopátiás személyiségfejlődésre utalnak."},
};

} // namespace

const std::vector<Category>& Categories() {
    // Trailing blanks inside the description lines are part of the texts.
    static const std::vector<Category> categories = {
        {"A",
         0,
         "Nincs megragadható szimbolikus tartalom (0 pont)",
         {"SZEI-A: ", "A válasznak nincs megragadható szimbolikus ",
          "tartalma, vagy jelképes tartalma bizonytalan. ", "Többnyire sablon, vulger válaszok, pl. denevér,",
          "lepke, pók, illatok, festmény, légy, faág stb."}},
        {"E",
         -2,
         "Elsődleges szexuális vagy agresszív tartalom (-2 pont)",
         {"SZEI-E: ", "Elsődlegesen szexuális vagy agresszív tartalmú ",
          "válasz, pl. nemiszerv, anus, véres testrészek, ", "szétvágott állat, oszló hús stb."}},
        {"D",
         -1,
         "Eltávolodott, áttételes válasz (-1 pont)",
         {"SZEI-D:", "Az eredeti tartalomtól egy fokkal eltávolodott, ",
          "áttételes válasz, pl. alsótest, mell, medence, ", "meztelen alak, verekedés, veszekedés, ",
          "vulkánkitörés, tűz, füst."}},
        {"C",
         1,
         "Áttett és megszelidített tartalom (+1 pont)",
         {"SZEI-C: ", "Áttett és megszelidített tartalmak, pl. száj, melltartó,",
          "összeérő fejek, csókolózó mackók, macskaköröm, ", "fog, bomba, nyílhegy, atomfelhő, tüzijáték."}},
        {"B",
         2,
         "Szexuális és agresszív hátterű szimbolikus válasz (+2 pont)",
         {"SZEI-B:", "Szexuális és agresszív hátterű szimbolikus ",
          "válasz, pl. vázában egy ág, elefántormány, ", "hegycsúcs, vízcsepp, öböl, barlang, tank, ",
          "tigris, haláltánc, farkasszemet néző emberek."}},
    };
    return categories;
}

std::string_view Conclusion(double mean) {
    std::string_view conclusion;
    for (const auto& band : kConclusions) {
        if (band.holds(mean)) {
            conclusion = band.text;
        }
    }
    return conclusion;
}

Evaluation Evaluate(const Protocol& protocol) {
    Evaluation evaluation;
    const auto& categories = Categories();
    int sum = 0;
    for (const auto& answer : protocol.answers) {
        if (answer.szei == kUncoded) {
            continue;
        }
        ++evaluation.base;
        for (std::size_t i = 0; i < categories.size(); ++i) {
            if (answer.szei == categories[i].code) {
                ++evaluation.counts[i];
                sum += categories[i].weight;
            }
        }
    }
    evaluation.mean = evaluation.base == 0 ? 0 : static_cast<double>(sum) / evaluation.base;
    evaluation.conclusion = Conclusion(evaluation.mean);
    return evaluation;
}

std::optional<int> TabAfterClick(std::string_view code, std::optional<int> current) {
    if (code == kUncoded) {
        return current;
    }
    const auto& categories = Categories();
    for (std::size_t i = 0; i < categories.size(); ++i) {
        if (categories[i].code == code) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::string_view CodeOfTab(std::optional<int> tab) {
    const auto& categories = Categories();
    if (!tab || *tab < 0 || *tab >= static_cast<int>(categories.size())) {
        return "";
    }
    return categories[static_cast<std::size_t>(*tab)].code;
}

std::string MeanText(double mean) {
    return FormatFixed(mean, 1, 4);
}

} // namespace quelvarin::szei
