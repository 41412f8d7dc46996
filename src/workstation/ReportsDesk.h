#pragma once

#include "platform/LineFile.h"
#include "workstation/Session.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quelvarin {

// What is written from the protocol on request: the narrative interpretation, the HTML
// examination sheet and protocol page, the glossary and the help pages.
class ReportsDesk {
public:
    explicit ReportsDesk(Session& session) : m_session(session) {}

    const Session& State() const { return m_session; }

    // --- The narrative interpretation ----------------------------------------------------
    // Writes aktualis/Szov_Ert.txt (replacing it only once the whole text is written) and
    // returns its lines for the window; without effective answers nothing is written and the
    // examiner is told so, and a failed write is reported with the file's name.
    std::optional<Lines> WriteInterpretation();
    // The window's title: "Szöveges értelmezés: " and the examination code.
    std::string InterpretationTitle() const;

    // --- The HTML pages and the glossary ---------------------------------------------------
    // The examination sheet: recomputes the sensitivity-paranoia index (storing its figures),
    // the constellations and the scales, and gives the page's lines.
    Lines ExaminationSheetLines();
    // Writes html/aktualis.html atomically; its path for the browser, nothing on failure.
    std::optional<std::filesystem::path> WriteExaminationSheet();
    // The protocol page, with the texts of the answers.
    Lines ProtocolPageLines() const;
    // Writes html/akt_jkv.html; afterwards answer 90 is selected, as the page's walk over the
    // answers leaves it, without asking for its card.
    std::optional<std::filesystem::path> WriteProtocolPage();
    // The mechanical glossary (the answers are counted first) and its window's title.
    Lines BuildGlossary();
    std::string GlossaryTitle() const;
    // Regenerates the help pages of html/ertelmez and html/jelol; says when it is done.
    bool RegenerateHelpPages();

    // --- The Word documents ------------------------------------------------------------------
    // "doc": the examination's document doc/<code>.doc, made from the template when it is not
    // there yet; the path to open, or nothing with the examiner told why.
    std::optional<std::filesystem::path> WordDocument();
    // "az én Word sablonom": the examiner's own template, made from the shipped one when missing.
    std::optional<std::filesystem::path> OwnWordTemplate();

private:
    // Writes a page of the html folder atomically; the examiner is told when it cannot be.
    std::optional<std::filesystem::path> WriteHtmlFile(const std::filesystem::path& path, const Lines& lines);

    Session& m_session;
};

} // namespace quelvarin
