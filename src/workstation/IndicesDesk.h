#pragma once

#include "indices/Alkohol.h"
#include "indices/KiegInf.h"
#include "indices/SzenziPara.h"
#include "workstation/Session.h"

#include <array>
#include <optional>
#include <string_view>

namespace quelvarin {

// The indices the examiner codes or ticks, and the sensitivity-paranoia index: the Neiger
// check list and school level, SZEI, the transference scale, the alcoholism and the
// supplementary-information check lists.
class IndicesDesk : private SessionObserver {
public:
    explicit IndicesDesk(Session& session);
    ~IndicesDesk() override;
    IndicesDesk(const IndicesDesk&) = delete;
    IndicesDesk& operator=(const IndicesDesk&) = delete;

    const Session& State() const { return m_session; }

    // --- Neiger -------------------------------------------------------------------------------
    // A row of the check list of 16 vulgar answers ticked or cleared.
    void SetNeigerTick(std::size_t row, bool ticked);
    // "kiindulási állapot": the rows as they were when the window was opened.
    void SetNeigerTicks(const std::array<bool, kNeigerVulgarCount>& ticks);
    // The window's school level: the education of the personal data becomes level `index`
    // (0..7 of the eight levels). False for another index.
    bool SetSchoolLevel(int index);

    // --- SZEI and transference ------------------------------------------------------------
    // "jelöld !" of the SZEI coding window: the code of the selected answer. False (nothing
    // stored) when no answer is selected.
    bool SetSzeiCode(std::string_view code);
    // Every change of the transference field is stored at once as the selected answer's code.
    bool SetTransference(std::string_view text);

    // --- The alcoholism check list, whose ticks live for the whole run ----------------------
    // Opening it recounts the answers (as the glossary does) and takes the protocol's
    // effective answer count.
    const alkohol::Checklist& OpenAlcoholismChecklist();
    const alkohol::Checklist& AlcoholismChecklist() const { return m_alcoholism; }
    void SetAlcoholismTick(int item, bool ticked);
    void SetAlcoholismShortProtocolTick(bool ticked);

    // --- The supplementary-information check list -------------------------------------------
    // Opening it from the menu takes the ticks from the flags (ticked when not 0); a tick
    // change writes all eighteen flags from the ticks.
    const kieginf::Ticks& OpenSupplementaryChecks();
    // The check list as the last load or opening set it (a new protocol clears it).
    const kieginf::Ticks& SupplementaryChecks() const { return m_supplementaryChecks; }
    void SetSupplementaryCheck(std::size_t item, bool ticked);
    // The mouse over item k, or a click on it in HelpEditMode: the help texts of 480 + k.
    std::optional<HelpTexts> PointAtSupplementaryItem(std::size_t item);
    std::optional<HelpTexts> ClickSupplementaryItemForEditing(std::size_t item);

    // --- The sensitivity-paranoia index ---------------------------------------------------
    // As its window and the sheet compute it, storing its figures into 416..427.
    const szenzipara::Standing& ComputeSensitivityParanoia() {
        return m_session.ComputeSensitivityParanoia();
    }
    const szenzipara::Standing& SensitivityParanoia() const { return m_session.SensitivityParanoia(); }

private:
    void ProtocolReplaced(ProtocolSource source) final;
    bool SetAnswerText(std::string Answer::*field, std::string_view text);
    void TellChecksChanged();

    Session& m_session;
    kieginf::Ticks m_supplementaryChecks{};
    alkohol::Checklist m_alcoholism;
};

} // namespace quelvarin
