#include "reports/ProtocolPage.h"

#include "model/SymbolCatalogue.h"
#include "reports/HtmlText.h"
#include "reports/PageHead.h"
#include "reports/SignPopup.h"

#include <array>
#include <vector>

namespace quelvarin::reports {
namespace {

constexpr std::array<SignColumn, kSignColumnCount> kColumns = {
    SignColumn::Locations, SignColumn::Determinants, SignColumn::Contents, SignColumn::Frequencies,
    SignColumn::SpecialReactions};

// The column entries of an answer as the main window lists them: each sign in slot order, by
// its display name, in its column.
std::array<std::vector<std::string>, kSignColumnCount> ColumnEntries(const Answer& answer) {
    std::array<std::vector<std::string>, kSignColumnCount> entries;
    for (auto code : answer.slots) {
        auto column = ColumnOfSlot(code);
        if (code != 0 && column != SignColumn::None) {
            entries[static_cast<std::size_t>(column) - 1].emplace_back(ColumnNameOfCode(code));
        }
    }
    return entries;
}

} // namespace

Lines WriteProtocolPage(const Protocol& protocol, const AnswerTexts& texts, const SignHelpTexts& help) {
    Lines lines;
    auto L = [&lines](std::string line) { lines.push_back(std::move(line)); };
    L("<HTML><HEAD>");
    L(kCharsetLine);
    for (auto& line : PopupStyleLines()) {
        L(line);
    }
    L("<TITLE>Quelvarin</TITLE></HEAD><BODY>");
    L("<DIV ID=\"topdeck\" CLASS=\"popper\">&nbsp;</DIV>");
    L("<SCRIPT language=JavaScript>");
    for (auto& line : PopupScriptLines(PopupPlacement::AboveLeftOfMouse)) {
        L(line);
    }

    int previousCard = -1;
    for (int n = 1; n <= kAnswerCount; ++n) {
        const auto& answer = protocol.answer(n);
        if (answer.card == 0) {
            continue;
        }
        if (answer.card != previousCard) {
            if (n > 1 && previousCard != -1) {
                L("</TABLE>");
            }
            L("<P><TABLE width=\"100%\">");
            L("<TR><TD><IMG SRC=\"PICTURES/" + std::to_string(answer.card) + ".jpg\"></TD>");
            CardTime times = IsCard(answer.card) ? protocol.cardTime(answer.card) : CardTime{};
            L("<TD COLSPAN=5>reakci&oacute;id&odblac;: " + std::to_string(times.reactionMinutes) + " perc " +
              std::to_string(times.reactionSeconds) + " sec<BR>");
            L("t&aacute;blaid&odblac;: " + std::to_string(times.cardMinutes) + " perc " +
              std::to_string(times.cardSeconds) + " sec</TD></TR>");
            previousCard = answer.card;
        }
        L("<TR>");
        L("<TD align=\"center\" bgcolor = \"#e7ffff\" width=\"40%\">" + std::to_string(n) + ". felelet az " +
          std::string(CardName(answer.card)) + " táblán</TD>");
        for (const char* header : {"-- felf. --", "-- det. --", "-- tart. --", "-- vulg. --"}) {
            L(std::string("<TD align=\"center\" bgcolor = \"#e7ffff\">") + header + "</TD>");
        }
        L("<TD align=\"center\" bgcolor = \"#e7ffff\">-- kül. re. --</TD></TR>");

        L("<TR><TD bgcolor = \"#ffede7\">");
        for (const auto& text : texts[static_cast<std::size_t>(n - 1)]) {
            L(EscapeHtmlText(text));
        }
        L("</TD>");

        auto entries = ColumnEntries(answer);
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            std::string cell;
            for (const auto& name : entries[c]) {
                if (kColumns[c] != SignColumn::Frequencies) {
                    cell += SignPopupLink(protocol, help, CodeOfName(name), PopupKind::Scoring);
                }
                cell += name + "</A><BR>";
            }
            L("<TD bgcolor = \"#ffede7\">" + cell + (c + 1 == kColumns.size() ? "</TD></TR>" : "</TD>"));
        }
    }
    L("<P></BODY></HTML>");
    return lines;
}

} // namespace quelvarin::reports
