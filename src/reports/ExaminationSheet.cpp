#include "reports/ExaminationSheet.h"

#include "indices/neiger.h"
#include "model/SignNames.h"
#include "model/StarredText.h"
#include "model/SymbolCatalogue.h"
#include "platform/HtmlEntities.h"
#include "platform/NumberFormat.h"
#include "platform/Rounding.h"
#include "reports/HtmlText.h"
#include "reports/PageHead.h"
#include "reports/SignPopup.h"
#include "scoring/AnswerCounts.h"
#include "scoring/Apprehension.h"
#include "scoring/ContentFigures.h"
#include "scoring/Typologies.h"

#include <array>

namespace quelvarin::reports {
namespace {

// A value typed by the examiner, as the page shows it: special characters escaped, accented
// letters as entities.
std::string Shown(std::string_view value) {
    return EncodeHtmlEntities(EscapeHtmlText(value));
}

std::string Int(long long value, int width = 0) {
    return FormatInteger(value, width);
}

// The rows of the scale table: label, and the value cell from the scales.
struct ScaleRow {
    std::string_view label;
    std::string (*values)(const SheetInputs&);
};

std::string NeigerValues(const SheetInputs& in) {
    std::string score, rating;
    neiger::RealityIndex(in.protocol, "szam", score);
    neiger::RealityIndex(in.protocol, "szoveg", rating);
    return score + ", " + rating;
}

const ScaleRow kScaleRows[] = {
    {"Realitásindex (Neiger)", NeigerValues},
    {"Szociabilitási skála (Mérei)",
     [](const SheetInputs& in) {
         return Int(in.scales.sociability, 2) + " / " + EncodeHtmlEntities(in.scales.sociabilityVerdict);
     }},
    {"Regressziós index (Neiger)",
     [](const SheetInputs& in) {
         return FormatFixed(in.scales.regressionIndex, 0, 3) + " / " +
                EncodeHtmlEntities(in.scales.regressionVerdict);
     }},
    {"Organikus skála (Piotrowski)",
     [](const SheetInputs& in) {
         return Int(in.scales.organic) + " / " + EncodeHtmlEntities(in.scales.organicVerdict);
     }},
    {"Az alkoholizmus szindrómája (Bohm)",
     [](const SheetInputs& in) {
         return Int(in.scales.alcoholism, 2) + " / " + EncodeHtmlEntities(in.scales.alcoholismVerdict);
     }},
    {"Szociopátia-Neurozis-skála (Mérei)",
     [](const SheetInputs& in) {
         return Int(in.scales.sociopathy) + " : " + Int(in.scales.neurosis) + " / " +
                EncodeHtmlEntities(in.scales.sociopathyNeurosisVerdict);
     }},
    {"A szimbolikus elaboráció indexe (Cassiers)", [](const SheetInputs&) { return std::string(); }},
    {"Epileptoiditás-hiszteroiditás skála (Bohm nyoman)",
     [](const SheetInputs& in) {
         return Int(in.scales.epileptoidHysteroid, 2) + " / " +
                EncodeHtmlEntities(in.scales.epileptoidHysteroidVerdict);
     }},
    {"A szuicidium-veszély jegyei (Bohm)",
     [](const SheetInputs& in) {
         return Int(in.scales.suicideBasic, 2) + " alapjegy " + Int(in.scales.suicideSupplementary, 2) +
                " kieg.jegy";
     }},
    {"Szuicid predikciós skála (Piotrowsky)",
     [](const SheetInputs& in) {
         return Int(in.scales.suicidePrediction) + " / " +
                EncodeHtmlEntities(in.scales.suicidePredictionVerdict);
     }},
    {"A szkizoid személyiség Rorschach mutatói (Bohm-Zulliger)",
     [](const SheetInputs& in) { return Int(in.scales.schizoid) + " jegy kimutathat&oacute;"; }},
    {"A szkizofrénia skálája (Bohm)",
     [](const SheetInputs& in) {
         return Int(in.scales.schizophreniaPlus) + "+ ," + Int(in.scales.schizophreniaSecond) +
                "- jegy kimutathat&oacute;";
     }},
    {"ALFA mutató (Piotrowski)", [](const SheetInputs&) { return std::string(); }},
    {"A szkizofrénia prognosztikai indexe (Piotrowski)", [](const SheetInputs&) { return std::string(); }},
};

constexpr std::array<std::string_view, 12> kConstellationTitles = {
    "1. Elfojt&aacute;s:",
    "2. Regresszi&oacute;:",
    "3. Izol&aacute;ci&oacute;:",
    "4. Projekci&oacute;:",
    "5. Meg nem t&ouml;rt.tev.:",
    "6. Reakci&oacute;k&eacute;pz&eacute;s:",
    "7. Azonos&iacute;t&aacute;s:",
    "8: Kompenz&aacute;ci&oacute;:",
    "9. Ment&aacute;lis sz&iacute;nvonal:",
    "10. Kontaktus:",
    "11. Tolerancia:",
    "12. Elabor&aacute;ci&oacute;:",
};

class Sheet {
public:
    explicit Sheet(const SheetInputs& inputs) : m_in(inputs), m_p(inputs.protocol) {}

    Lines Write() {
        Head();
        PersonalData();
        Locations();
        Apprehension();
        Times();
        Determinants();
        ColourAndShading();
        Figures();
        Scales();
        SensitivityParanoia();
        Contents();
        ContentFigures();
        Frequencies();
        ConstellationTable();
        SpecialReactions();
        L("<P><TABLE><TR><TD>x</TD></TR><TR><TD>x</TD></TR><TR><TD>x</TD></TR><TR><TD>x</TD></TR><TR><TD>x</TD>"
          "</TR><TR><TD>x</TD></TR></TABLE>");
        L("</BODY></HTML>");
        return std::move(m_lines);
    }

private:
    void L(std::string line) { m_lines.push_back(std::move(line)); }
    int Count(SignCode code) const { return m_p.counts[code]; }
    std::string Tally(SignCode code) const { return TallyText(m_p, m_in.help, code); }
    std::string Tally(SignCode code, std::string_view name) const {
        return TallyText(m_p, m_in.help, code, name);
    }
    void Cell(SignCode code) { L("<TD>" + Tally(code) + "</TD>"); }
    void WideCell(SignCode code) { L("<TD COLSPAN=2>" + Tally(code) + "</TD>"); }
    void SumCell(int sum) {
        L("<TD><IMG SRC=\"pictures/szumma.gif\" WIDTH=\"37\" HEIGHT=\"21\">" + Int(sum) + "</TD>");
    }

    void Head() {
        L("<HTML><HEAD>");
        L(kCharsetLine);
        for (auto& line : PopupStyleLines()) {
            L(line);
        }
        L("<TITLE>Rorschach vizsg. jegyzőkönyv</TITLE></HEAD>");
        L("<BODY LINK=\"#ff0000\" VLINK=\"#ff0000\">");
        L("<DIV ID=\"topdeck\" CLASS=\"popper\">&nbsp;</DIV><SCRIPT>");
        for (auto& line : PopupScriptLines(PopupPlacement::BelowMouse)) {
            L(line);
        }
        L("<A NAME=\"eleje\"></A>");
        L("<H2 ALIGN=Center>");
        L("RORSCHACH vizsg&aacute;lati lap");
        L("</H2>");
        L("<H5 ALIGN=Center>");
        L(EncodeHtmlEntities("Generálta a Quelvarin szoftvere.<BR>"));
        L(EncodeHtmlEntities("<A HREF=\"https://quelvarin.example/\">A Quelvarin munkaállomás honlapja</A>"));
        L("</H5>");
        L("<HR>");
    }

    void PersonalData() {
        const auto& d = m_p.personal;
        std::string questions;
        for (const auto& question : SplitStarred(d.clinicalQuestions)) {
            questions += question + ", ";
        }
        struct Row {
            std::string left;
            std::string right;
        };
        const Row rows[] = {
            {Shown("Név: ") + Shown(d.name), Shown("Szám: ") + Shown(d.number)},
            {Shown("Életkora: ") + Int(d.age), Shown("Osztály: ") + Shown(d.ward)},
            {Shown("Foglalkozása: ") + Shown(d.occupation), Shown("Dátum: ") + Shown(d.date)},
            {Shown("Neme: ") + Shown(d.sex), Shown("Vizsg. Vez.: ") + Shown(d.examiner)},
            {Shown("Klin. kérdések: ") + Shown(questions), Shown("Dg: ") + Shown(d.diagnosis)},
        };
        L("<TABLE>");
        for (const auto& row : rows) {
            L("<TR><TD>" + row.left + "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</TD>");
            L("<TD>" + row.right + "</TD>");
            L("</TR>");
        }
        L("</TABLE>");
    }

    void Locations() {
        L("<TABLE BORDER CELLPADDING=\"2\">");
        L("<TR><TD COLSPAN=6 BGCOLOR=\"ffe7ca\"><B>a felfogásmód jelei</B></TD></TR>");
        L("<TR>");
        for (SignCode code : {codes::kAnswerCount, codes::kAnswersEarly, codes::kAnswersLate}) {
            L("<TD COLSPAN=2>" + std::string(NameOfCode(code)) + "=" + Int(Count(code)) + "</TD>");
        }
        L("</TR>");
        L("<TR>");
        for (SignCode code = Sign("G"); code <= Sign("Gzw"); ++code) {
            Cell(code);
        }
        L("</TR>");
        L("<TR>");
        WideCell(Sign("DG komb."));
        WideCell(Sign("DG konf."));
        Cell(Sign("DG kont."));
        Cell(Sign("DzwG"));
        L("</TR>");
        L("<TR>");
        WideCell(Sign("Dzw"));
        WideCell(Sign("Ddzw"));
        WideCell(Sign("zw"));
        L("</TR>");
        L("</TABLE>");
    }

    void Apprehension() {
        auto sums = ComputeLocationSums(m_p);
        L("<P>");
        L("FT - csoportos&iacute;t&aacute;s:");
        L("<TABLE BORDER CELLPADDING=\"6\">");
        L("<TR>");
        L("<TD>G = " + Int(sums.g) + "</TD>");
        L("<TD>D = " + Int(sums.d) + "</TD>");
        L("<TD>Dd = " + Int(sums.dd) + "</TD>");
        L("<TD>zw = " + Int(sums.zw) + "</TD>");
        L("<TD>Do = " + Int(Count(Sign("Do"))) + ",</TD>");
        L("<TD>DG konf = " + Int(Count(Sign("DG konf."))) + ",</TD>");
        L("</TR>");
        L("</TABLE>");
    }

    void Times() {
        long long minutes = 0, seconds = 0;
        for (const auto& times : m_p.cardTimes) {
            minutes += times.cardMinutes;
            seconds += times.cardSeconds;
        }
        long long total = 60 * minutes + seconds;
        // Without answers the time per answer is 0.
        long long perAnswer = RoundedQuotient(total, Count(codes::kAnswerCount));
        L("<P>");
        L("<TABLE BORDER CELLPADDING=\"6\">");
        L("<TR>");
        L("<TD>Sz&iacute;nes i. = " + Int(ColourIndex(m_p)) + "</TD>");
        L("<TD>&Ouml;sszid&odblac; = " + Int(total / 60) + " perc " + Int(total % 60) + " mp </TD>");
        L("<TD>Id&odblac;/fsz&aacute;m = " + Int(perAnswer) + " sec </TD>");
        L("</TR>");
        L("</TABLE>");
    }

    void Determinants() {
        L("<P>");
        L("<TABLE BORDER CELLPADDING=\"2\">");
        L("<TR><TD COLSPAN=4 BGCOLOR=\"ffe7ca\"><B>DETERMINÁNSOK</B></TD></TR>");
        L("<TR>");
        L("<TD>+</TD>");
        L("<TD>+&nbsp;/ -</TD>");
        L("<TD>-</TD>");
        L("<TD></TD>");
        L("</TR>");
        std::array<int, 3> totals{};
        for (SignCode plus = codes::kFirstDeterminant; plus <= Sign("nFFb +"); ++plus) {
            L("<TR>");
            int sum = 0;
            for (int level = 0; level < 3; ++level) {
                auto code = static_cast<SignCode>(plus + 11 * level);
                Cell(code);
                sum += Count(code);
                totals[static_cast<std::size_t>(level)] += Count(code);
            }
            SumCell(sum);
            L("</TR>");
        }
        L("<TR>");
        for (int total : totals) {
            SumCell(total);
        }
        L("</TR>");
        L("</TABLE>");
    }

    void ColourAndShading() {
        L("<P>");
        L("<TABLE CELLPADDING=\"2\">");
        L("<TR>");
        for (SignCode code : std::array<SignCode, 5>{Sign("FbF"), Sign("HdF"), Sign("nFbF"), Sign("aFbF"),
                                                     Sign("asszoc.B")}) {
            Cell(code);
        }
        L("<TR>");
        for (SignCode code :
             std::array<SignCode, 5>{Sign("Fb"), Sign("Hd"), Sign("nFb"), Sign("aFb"), Sign("absztr.B")}) {
            Cell(code);
        }
        L("<TD>" + Tally(Sign("Fbn"), "Fbn") + "</TD>");
        L("</TABLE>");
        L("<P>");
    }

    void Figures() {
        auto formula = BuildApprehensionFormula(m_p).formula;
        auto et = ExperienceType(m_p), mf = SecondaryFormula(m_p), it = InnerTension(m_p);
        auto f41 = [](double v) { return FormatFixed(v, 1, 4); };
        L("<B><TT>FT = " + formula + "<BR>");
        L("&Eacute;T-1: " + f41(et.left) + " : " + f41(et.right) + "<BR>");
        L("&Eacute;T-2:<BR>");
        L("MF: " + f41(mf.left) + ":" + f41(mf.right) + "<BR>");
        L("IT: " + f41(it.left) + ":" + f41(it.right) + "<BR>");
        L("F+1%:" + FormatFixed(FormPlusPercent1(m_p), 1, 6) + "<BR>");
        L("F+2%:" + FormatFixed(FormPlusPercent2(m_p), 1, 6) + "<BR><P>");
    }

    void Scales() {
        L("<TABLE BORDER CELLPADDING=\"2\">");
        L("<TR><TD BGCOLOR=\"#9f9f9f\"><B>Sk&aacute;l&aacute;k</B></TD>");
        L("<TD BGCOLOR=\"#9f9f9f\"><B>&eacute;rt&eacute;kek / dg.</B></TD>");
        for (std::size_t i = 0; i < std::size(kScaleRows); ++i) {
            const auto& row = kScaleRows[i];
            bool last = i + 1 == std::size(kScaleRows);
            L("<TR><TD>" + std::string(row.label) + "</TD><TD>" + row.values(m_in) + "</TD></TR>" +
              (last ? "</TABLE>" : ""));
        }
    }

    void SensitivityParanoia() {
        const auto& sp = m_in.sensitivityParanoia;
        L("<P><B>Szenzitivitás-paranoiditás index: " + Int(sp.index) + "</B><BR>");
        L(sp.indicated + "<BR>");
        L(sp.alternative + "<P>");
    }

    void Contents() {
        L("<TABLE BORDER CELLPADDING=\"6\">");
        L("<TR><TD COLSPAN=4 BGCOLOR=\"ffe7ca\"><B>TARTALMAK</B></TD></TR>");
        for (SignCode r = 0; r <= 12; ++r) {
            L("<TR>");
            for (SignCode first :
                 std::array<SignCode, 4>{Sign("M"), Sign("(M)"), Sign("Md"), Sign("Md Obj.")}) {
                auto code = static_cast<SignCode>(first + r);
                L("<TD>" + Tally(code, EncodeHtmlEntities(NameOfCode(code))) + "</TD>");
            }
            L("</TR>");
        }
        L("</TABLE><P>");
    }

    void ContentFigures() {
        auto f31 = [](double v) { return FormatFixed(v, 1, 3); };
        auto figures = ComputeContentFigures(m_p);
        L("Tartalmak &ouml;sszege = " + Int(figures.sum) + "<BR>");
        L("Tartalmak sz&oacute;r&oacute;d&aacute;sa = " + f31(figures.spread) + "<BR>");
        L("Tartalmi k&ouml;r&ouml;k sz&aacute;ma = " + Int(figures.rangeCount) + "<BR>");
        L("M% = " + f31(figures.humanPercent) + "<BR>");
        L("M : Md = " + Int(Count(Sign("M")) + Count(Sign("(M)"))) + " : " +
          Int(Count(Sign("Md")) + Count(Sign("Md Obj."))) + "<BR>");
        L("T% = " + f31(figures.animalPercent) + "<BR>");
        L("T : Td = " + Int(Count(Sign("T")), 2) + " : " + Int(Count(Sign("Td"))) + "<BR>");
        L("Obj% = " + f31(figures.objectPercent) + "<P>");
        L("<B>Tov&aacute;bbi gyakori tartalmak:</B><P>");
        L(EncodeHtmlEntities(figures.frequent[0]) + "<BR>");
        L(EncodeHtmlEntities(figures.frequent[1]) + "<BR>");
        L(EncodeHtmlEntities(figures.frequent[2]) + "<P>");
    }

    void Frequencies() {
        L("V1 : /V2+V3/ = " + Int(Count(Sign("V-1")), 2) + " : " +
          Int(Count(Sign("V-2")) + Count(Sign("V-3")), 2) + "<P>");
        L("<TABLE><TR>");
        FrequencyTable("Vulg&aacute;ris v&aacute;laszok</B></TD>", {"V1  : ", "V2  : ", "V3  : ", "V%  : "},
                       codes::kV1);
        L("</TD></TR></TABLE></TD>");
        FrequencyTable("Origin&aacute;lis v&aacute;laszok</B></TD>",
                       {"O+   : ", "O+/- : ", "O-   : ", "O%   : "}, codes::kOPlus);
        L("</TD></TR></TABLE></TD></TR></TABLE>");
    }

    void FrequencyTable(const char* title, std::array<const char*, 4> labels, SignCode first) {
        L("<TD><TABLE BORDER CELLPADDING=\"2\">");
        L("<TR><TD BGCOLOR=\"#9f9f9f\"><B>");
        L(title);
        L("<TR><TD>");
        for (int i = 0; i < 4; ++i) {
            L(std::string(labels[static_cast<std::size_t>(i)]) +
              Int(Count(static_cast<SignCode>(first + i)), 3) + (i < 3 ? "<BR>" : ""));
        }
    }

    void ConstellationTable() {
        L("<TABLE BORDER CELLPADDING=\"2\">");
        L("<TR><TD BGCOLOR=\"#9f9f9f\"><B>");
        L("K O N S T E L L &Aacute; C I &Oacute; K</B></TD>");
        L("<TD BGCOLOR=\"#9f9f9f\"><B>");
        L("alapjegy/kieg.jegy/dg.</B></TD>");
        for (std::size_t i = 0; i < kConstellationTitles.size(); ++i) {
            L("<TR><TD>" + std::string(kConstellationTitles[i]));
            if (i >= 8 && i <= 10) {
                L("</TD><TD>dg.: </TD>");
                continue;
            }
            const auto& row = m_in.constellations[i];
            L("</TD><TD>" + Int(row.basic) + " / " + Int(row.supplementary) +
              " / dg.: " + EncodeHtmlEntities(row.verdict) + "</TD>");
        }
        L("</TR></TABLE><P><HR>");
    }

    void SpecialReactions() {
        L(EncodeHtmlEntities("<B>Különleges reakciók:</B><P>"));
        for (SignCode code = codes::kFirstSpecialReaction; code <= codes::kLastSpecialReaction; ++code) {
            if (Count(code) > 0) {
                L(Tally(code) + "<BR>");
            }
        }
    }

    const SheetInputs& m_in;
    const Protocol& m_p;
    Lines m_lines;
};

} // namespace

Lines WriteExaminationSheet(const SheetInputs& inputs) {
    return Sheet(inputs).Write();
}

} // namespace quelvarin::reports
