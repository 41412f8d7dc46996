#include "joint/InteractometricReport.h"

#include "model/SymbolCatalogue.h"
#include "platform/HtmlEntities.h"
#include "platform/NumberFormat.h"

#include <vector>

namespace quelvarin::joint {
namespace {

// The eight qualitative types: their row labels and the codes their frequency sums; type 2
// adds the person's obstructive-direct group sum.
struct InteractionType {
    std::string_view label;
    std::vector<std::string_view> codes;
    bool plusObstructiveDirect = false;
};
const std::array<InteractionType, kTypeCount>& InteractionTypes() {
    static const std::array<InteractionType, kTypeCount> types = {{
        {"1. Egyetértő ( = , A )", {"=<", "zvA"}},
        {"2. Egoisztikus ( - , S , #&nbsp;)", {"-", "zvS"}, true},
        {"3. Facilitáló ( H , ? )", {"H", "?"}},
        {"4. Impulzív-kritikus ( N , * , ! )", {"N", "*", "!"}},
        {"5. Gátolt-passzív ( X , Y , 0 )", {"zvX", ">Y", "Y", ">O", "O"}},
        {"6. Megoldásra törekvő ( &amp; , W )", {"&", "zvW"}},
        {"7. Kapcsolódó ( @* , + )", {"@*", ">+"}},
        {"8. Megerősítő ( L , $ )", {"L", "$"}},
    }};
    return types;
}

// Table 1: the signs under their groups, with the labels the report gives them.
struct SignRow {
    std::string_view label;
    std::string_view code;
};
struct GroupBlock {
    std::string_view caption;
    std::vector<SignRow> signs;
};
const std::vector<GroupBlock>& GroupBlocks() {
    // clang-format off
    static const std::vector<GroupBlock> blocks = {
        {"KOOPERATÍV<BR>DIREKT",
         {{"Indító kérdés", ">?"}, {"Kérdés", "?"}, {"Indító javaslat", ">+"}, {"Továbbszövés", "&"},
          {"Tisztázó magyarázat", "$"}, {"Dicséret", "L"}, {"Kongruens egyetértés", "=<"}, {"Közös döntés", "zvW"}}},
        {"KOOPERATÍV<BR>INDIREKT",
         {{"Vissza a másik ajánlásához", "@*"}, {"Záróválasz partneré", "zvA"}, {"Tartalmatlan indítás", ">X"},
          {"Indító felszólítás", ">H"}, {"Felszólítás", "H"}}},
        {"AKADÁLYOZÓ<BR>DIREKT",
         {{"Tagadás", "N"}, {"Indulat", "!"}, {"Kritika", "*"}, {"Részletezés", "#"}, {"Egyetértés haraggal", "eh"}}},
        {"AKADÁLYOZÓ<BR>INDIREKT",
         {{"Indító bizonytalanság", ">O"}, {"Indító zavar", ">Y"}, {"Bizonytalanság", "O"}, {"Zavar", "Y"},
          {"Korrigálás", "%"}, {"Passzív beletörődés", "pb"}, {"Döntésképtelenség", "zvX"}}},
        {"NONKOOPERATÍV<BR>DIREKT",
         {{"Független indítás", ">-"}, {"Független válaszajánlás", "-"}, {"Független döntés", "§<"},
          {"Vissza saját ajánlásához", "@"}, {"Saját záróválasz", "zvS"}}},
        {"NONKOOPERATÍV<BR>INDIREKT", {{"Tartalmatlan verbalizáció", "X"}}},
    };
    // clang-format on
    return blocks;
}

// A row of one figure per person.
struct IndexRow {
    std::string_view label;
    int (*value)(const PersonTally&);
};

// Table 2: the figures by behaviour; bold rows carry summation pictures.
struct FigureRow {
    std::string_view label; // "{S}" stands for a summation picture
    int (*value)(const PersonTally&);
    bool bold = false;
};
const std::vector<FigureRow>& FigureRows() {
    using T = const PersonTally&;
    using G = BehaviourGroup;
    static const std::vector<FigureRow> rows = {
        {"Direkt kooperativitás", [](T p) { return p.Group(G::CD); }},
        {"Indirekt kooperativitás", [](T p) { return p.Group(G::CI); }},
        {"1. {S} kooperativitás", [](T p) { return p.Cooperative(); }, true},
        {"Direkt akadályozó aktivitás", [](T p) { return p.Group(G::OD); }},
        {"Indirekt akadályozó aktivitás", [](T p) { return p.Group(G::OI); }},
        {"2. {S} akadályozó aktivitás", [](T p) { return p.Obstructive(); }, true},
        {"Direkt nonkooperatív akció", [](T p) { return p.Group(G::ND); }},
        {"Indirekt nonkooperatív akció", [](T p) { return p.Group(G::NI); }},
        {"3. {S} nonkooperatív akció", [](T p) { return p.NonCooperative(); }, true},
        {"Direkt akciók összege", [](T p) { return p.Group(G::CD) + p.Group(G::OD) + p.Group(G::ND); }},
        {"Indirekt akciók összege", [](T p) { return p.Group(G::CI) + p.Group(G::OI) + p.Group(G::NI); }},
        {"{S}{S} Interakció (1+2+3)", [](T p) { return p.Total(); }, true},
    };
    return rows;
}
const std::vector<IndexRow>& IndexRows() {
    using T = const PersonTally&;
    static const std::vector<IndexRow> rows = {
        {"Kooperációs index:", [](T p) { return p.Cooperative(); }},
        {"Akadályozó aktivitás indexe:", [](T p) { return p.Obstructive(); }},
        {"Nonkooperációs index:", [](T p) { return p.NonCooperative(); }},
    };
    return rows;
}

// Table 3: the decision types, each label one or two lines of the page.
struct DecisionRow {
    std::vector<std::string_view> label; // the lines of its first cell, from its opening tag
    std::string_view code;               // "" for the rows left empty
};
const std::vector<DecisionRow>& DecisionRows() {
    static const std::vector<DecisionRow> rows = {
        {{"<TR><TD>1. Saját záróválasz (zvS)<BR>", "(saját válaszajánlását deklarálja)</TD>"}, "zvS"},
        {{"<TR><TD>2. A partner ajánlásának kimondása,<BR>",
          "\"kirakati\" vagy \"képviselt\" döntés (zvA)</TD>"},
         "zvA"},
        {{"<TR><TD>3. Közös döntés (zvW)</TD>"}, "zvW"},
        {{"<TD>4. Döntésképtelenség (zvX)</TD>"}, "zvX"},
        {{"<TR><TD>5. Független döntés (&#167;)</TD>"}, "§<"},
        {{"<TR><TD>Penetrancia és %-a (index)</TD>"}, ""},
        {{"<TD>Dominancia index</TD>"}, ""},
    };
    return rows;
}

constexpr std::string_view kSummation = "<IMG SRC=\"PICTURES/SZUMMA.GIF\" WIDTH=\"36\" HEIGHT=\"25\">";
constexpr std::string_view kTableStart = "<TABLE BORDER CELLPADDING=\"2\">";

std::string Html(std::string_view text) {
    return EncodeHtmlEntities(text);
}

std::string WithPictures(std::string_view label) {
    std::string out;
    for (std::size_t i = 0; i < label.size();) {
        if (label.substr(i, 3) == "{S}") {
            out += kSummation;
            i += 3;
        } else {
            out.push_back(label[i++]);
        }
    }
    return Html(out);
}

std::string Cell(std::string_view html) {
    return "<TD>" + std::string(html) + "</TD>";
}
std::string Cell(int value) {
    return Cell(std::to_string(value));
}
std::string Bold(std::string_view html) {
    return "<B>" + std::string(html) + "</B>";
}

// A section heading: a black cell of white bold centred text across the table.
Lines Heading(int columns, const std::vector<std::string_view>& lines) {
    Lines out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line;
        if (i == 0) {
            line = "<TR><TD COLSPAN=\"" + std::to_string(columns) +
                   "\" BGCOLOR=\"#000000\" ALIGN=\"CENTER\"><FONT COLOR=\"#FFFFFF\"><B>";
        }
        line += Html(lines[i]);
        if (i + 1 == lines.size()) {
            line += "</B></FONT></TD></TR>";
        }
        out.push_back(std::move(line));
    }
    return out;
}

void Append(Lines& out, Lines more) {
    for (auto& line : more) {
        out.push_back(std::move(line));
    }
}

Lines SignTable(const std::array<PersonTally, 2>& persons) {
    Lines out = Heading(4, {"Interaktometriai feldolgozás (1)"});
    out.push_back("<TR><TD></TD>");
    for (std::string_view head : {"Jelek", "Gyakoriság (1. személy)", "Gyakoriság (2. személy)"}) {
        out.push_back(Cell(Html(head)));
    }
    out.push_back("</TR>");
    for (const auto& block : GroupBlocks()) {
        for (std::size_t i = 0; i < block.signs.size(); ++i) {
            out.push_back(i == 0 ? "<TR><TD ROWSPAN=\"" + std::to_string(block.signs.size()) + "\">" +
                                       Html(block.caption) + "</TD>"
                                 : std::string("<TR>"));
            out.push_back(Cell(Html(block.signs[i].label)));
            for (const auto& person : persons) {
                out.push_back(Cell(person.Count(block.signs[i].code)));
            }
            out.push_back("</TR>");
        }
    }
    using T = const PersonTally&;
    const IndexRow totals[] = {{"Kooperatív", [](T p) { return p.Cooperative(); }},
                               {"Akadályozó", [](T p) { return p.Obstructive(); }},
                               {"Nonkooperatív", [](T p) { return p.NonCooperative(); }},
                               {"Interakció", [](T p) { return p.Total(); }}};
    for (std::size_t i = 0; i < std::size(totals); ++i) {
        out.push_back(i == 0 ? "<TR><TD ROWSPAN=\"" + std::to_string(std::size(totals)) + "\"></TD>"
                             : std::string("<TR>"));
        out.push_back(Cell(std::string(kSummation) + Html(totals[i].label)));
        for (const auto& person : persons) {
            out.push_back(Cell(totals[i].value(person)));
        }
        out.push_back("</TR>");
    }
    return out;
}

Lines FigureTable(const std::array<PersonTally, 2>& persons) {
    Lines out = Heading(5, {"Interaktometriai feldolgozás (2): mutatók"});
    out.push_back("<TR>" + Cell(Html("Interakció típus")));
    for (std::string_view head : {"Gyakoriság<BR>(1. személy)", "%", "Gyakoriság<BR>(2. személy)", "%"}) {
        out.push_back(Cell(Html(head)));
    }
    out.push_back("</TR>");
    for (const auto& row : FigureRows()) {
        auto shown = [&](std::string html) { return row.bold ? Bold(html) : html; };
        out.push_back("<TR>" + Cell(shown(WithPictures(row.label))));
        for (const auto& person : persons) {
            int value = row.value(person);
            out.push_back(Cell(shown(std::to_string(value))));
            out.push_back(Cell(shown(InteractionPercent(value, person.Total()))));
        }
        out.push_back("</TR>");
    }
    for (const auto& row : IndexRows()) {
        out.push_back("<TR>" + Cell(Html(row.label)));
        for (const auto& person : persons) {
            out.push_back("<TD COLSPAN=\"2\" ALIGN=\"RIGHT\">" +
                          Bold(InteractionPercent(row.value(person), person.Total())) + "</TD>");
        }
        out.push_back("</TR>");
    }

    Append(out, Heading(5, {"Interakció típusok minőségi", "jellemzői"}));
    out.push_back("<TR><TD ROWSPAN=\"2\"></TD>");
    for (std::string_view head : {"1. személy", "2. személy"}) {
        out.push_back("<TD COLSPAN=\"2\">" + Html(head) + "</TD>");
    }
    out.push_back("</TR>");
    out.push_back("<TR>");
    for (std::string_view head : {"Gyakoriság<BR>(ffi)", "%", "Gyakoriság<BR>(nő)", "%"}) {
        out.push_back(Cell(Html(head)));
    }
    out.push_back("</TR>");
    const auto& types = InteractionTypes();
    for (std::size_t t = 0; t < types.size(); ++t) {
        out.push_back("<TR>" + Cell(Html(types[t].label)));
        for (const auto& person : persons) {
            out.push_back(Cell(person.types[t]));
            out.push_back(Cell(InteractionPercent(person.types[t], person.Total())));
        }
        out.push_back("</TR>");
    }
    // The closing row's shares are a fixed text, not a sum.
    out.push_back("<TR>" + Cell(Html("Összesen")));
    for (int person = 0; person < 2; ++person) {
        out.push_back(Cell(""));
        out.push_back(Cell("100 %"));
    }
    out.push_back("</TR>");
    return out;
}

Lines DecisionTable(const std::array<PersonTally, 2>& persons) {
    Lines out = Heading(3, {"Interaktometriai feldolgozás (3)"});
    out.push_back("<TR>" + Cell(Bold(Html("Döntés típusa"))));
    for (int person = 0; person < 2; ++person) {
        out.push_back(Cell(Bold(Html("Előfordulás helye a Ro. tábla<BR>megjelölésével"))));
    }
    out.push_back("</TR>");
    for (const auto& row : DecisionRows()) {
        for (auto line : row.label) {
            out.push_back(Html(line));
        }
        std::size_t code = 0;
        while (code < kDecisionCodes.size() && kDecisionCodes[code] != row.code) {
            ++code;
        }
        for (const auto& person : persons) {
            out.push_back(Cell(code < kDecisionCodes.size() ? person.decisionPlaces[code] : std::string()));
        }
        out.push_back("</TR>");
    }
    return out;
}

} // namespace

int PersonTally::Count(std::string_view code) const {
    const InteractionSign* sign = SignByCode(code);
    return sign ? counts[static_cast<std::size_t>(sign->number - 1)] : 0;
}

std::array<PersonTally, 2> EvaluateInteractions(const std::vector<InteractionRow>& rows) {
    std::array<PersonTally, 2> persons;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        for (int p = 0; p < 2; ++p) {
            const std::string& cell = p == 0 ? rows[r].left : rows[r].right;
            auto code = CodeOfCell(cell);
            const InteractionSign* sign = SignByCode(code);
            if (!sign) {
                continue; // " -", an emptied cell, or a text that holds no sign
            }
            auto& person = persons[static_cast<std::size_t>(p)];
            ++person.counts[static_cast<std::size_t>(sign->number - 1)];
            ++person.groups[static_cast<std::size_t>(sign->group)];
            auto card = CardOfCell(cell);
            for (std::size_t d = 0; d < kDecisionCodes.size() && card; ++d) {
                if (kDecisionCodes[d] == code) {
                    person.decisionPlaces[d] += std::string(CardName(*card)) + ", ";
                }
            }
        }
    }
    const auto& types = InteractionTypes();
    for (auto& person : persons) {
        for (std::size_t t = 0; t < types.size(); ++t) {
            int frequency = types[t].plusObstructiveDirect ? person.Group(BehaviourGroup::OD) : 0;
            for (auto code : types[t].codes) {
                frequency += person.Count(code);
            }
            person.types[t] = frequency;
        }
    }
    return persons;
}

std::string InteractionPercent(int count, int total) {
    if (total == 0) {
        return "  0.0 %";
    }
    return FormatFixed(count * 100.0 / total, 1, 4) + " %";
}

Lines WriteInteractometricReport(const std::array<PersonTally, 2>& persons) {
    Lines out = {"<HTML><HEAD>", "<TITLE>Tamrel KRV jkv.</TITLE>",
                 "</HEAD><BODY>" + std::string(kTableStart)};
    Append(out, SignTable(persons));
    for (auto table : {FigureTable, DecisionTable}) {
        out.push_back("</TABLE><BR>");
        out.push_back(std::string(kTableStart));
        Append(out, table(persons));
    }
    out.push_back("</TABLE>");
    out.push_back("</BODY></HTML>");
    return out;
}

} // namespace quelvarin::joint
