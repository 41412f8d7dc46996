#pragma once

#include "indices/Alkohol.h"
#include "indices/KiegInf.h"
#include "indices/SzenziPara.h"
#include "workstation/CodingWindows.h"
#include "workstation/IndexEvaluationViews.h"
#include "workstation/IndexWindowViews.h"
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
    using NeigerTicks = std::array<bool, kNeigerVulgarCount>;
    // A row of the check list of 16 vulgar answers ticked or cleared.
    void SetNeigerTick(std::size_t row, bool ticked);
    // The window opened: the rows as they are now become its initial state.
    void OpenNeiger();
    // "kiindulási állapot": the rows of the initial state again. A protocol replaced since the
    // window opened has its own rows as the initial state, so that one subject's rows are never
    // written into another's protocol.
    void RestoreNeigerTicks();
    const NeigerTicks& NeigerInitialState() const { return m_neigerInitial; }
    // "kiindulási állapot" stays pressed from an opening, a restore or a protocol replaced until
    // the next tick change.
    bool NeigerAtInitialState() const { return m_neigerAtInitial; }
    NeigerView Neiger() const { return BuildNeigerView(m_session.CurrentProtocol()); }
    // The window's school level: the education of the personal data becomes level `index`
    // (0..7 of the eight levels). False for another index.
    bool SetSchoolLevel(int index);

    // --- SZEI and transference ------------------------------------------------------------
    // "jelöld !" of the SZEI coding window: the code of the selected answer. False (nothing
    // stored) when no answer is selected.
    bool SetSzeiCode(std::string_view code);
    // Every change of the transference field is stored at once as the selected answer's code.
    bool SetTransference(std::string_view text);

    // --- The SZEI coding and evaluation windows ---------------------------------------------
    const SzeiCoding& SzeiCodingWindow() const { return m_szeiCoding; }
    // A click on an answer's row of the SZEI column selects the answer as the answer list does
    // (asking for its card when it has none), sets the coding window's tab by the row's code and
    // puts it into coding mode; an uncoded row asks for the window modally.
    void ClickSzeiRow(int answer);
    // A double click on a row, or Enter on it: the same, the window asked for not modally.
    void OpenSzeiRow(int answer);
    // A category button of the evaluation window: the coding window on that tab, read only, modally.
    void ShowSzeiCategory(int tab);
    void ChooseSzeiTab(std::optional<int> tab);
    // "jelöld !": the chosen tab's code for the selected answer. False, and nothing stored,
    // without a tab, while only a category is shown, or without a selected answer (told).
    bool MarkSzei();
    // The coding window asked for, once the card choice the same click asked for is over.
    std::optional<WindowOpening> SzeiWindowRequested() const;
    void SzeiWindowOpened() { m_szeiRequest.reset(); }
    SzeiEvaluationView SzeiEvaluation() const { return BuildSzeiEvaluationView(m_session.CurrentProtocol()); }

    // --- The transference coding and evaluation windows ---------------------------------
    const CodingTabs& TransferenceCodingWindow() const { return m_transferenceCoding; }
    void ChooseTransferenceTab(std::optional<int> tab) { m_transferenceCoding.Choose(tab); }
    // "jelöld !": the chosen category's heading becomes the selected answer's code and the
    // transference field's hint. False, and nothing changed, without a tab or without a
    // selected answer (told).
    bool MarkTransference();
    // The transference field's hint: the heading marked last, its own hint before.
    std::string_view TransferenceFieldHint() const;
    TransferenceEvaluationView TransferenceEvaluation() const {
        return BuildTransferenceEvaluationView(m_session.CurrentProtocol());
    }

    // --- The alcoholism check list, whose ticks live for the whole run ----------------------
    // Opening it recounts the answers (as the glossary does), takes the protocol's effective
    // answer count and judges the ticks against it.
    const alkohol::Checklist& OpenAlcoholismChecklist();
    const alkohol::Checklist& AlcoholismChecklist() const { return m_alcoholism; }
    AlcoholismView Alcoholism() const { return BuildAlcoholismView(m_alcoholism); }
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
    // The window's table, sum, index and zone after the last computation.
    SensitivityParanoiaView SensitivityParanoiaTable() const {
        return BuildSensitivityParanoiaView(m_session.SensitivityParanoia());
    }

private:
    void ProtocolReplaced(ProtocolSource source) final;
    void CardChoiceChanged() final;
    void TellSzeiCodingChanged();
    bool SetAnswerText(std::string Answer::*field, std::string_view text);
    void TellChecksChanged();
    void WriteNeigerTicks(const NeigerTicks& ticks, bool atInitialState);

    Session& m_session;
    kieginf::Ticks m_supplementaryChecks{};
    alkohol::Checklist m_alcoholism;
    NeigerTicks m_neigerInitial{};
    bool m_neigerAtInitial = true;
    SzeiCoding m_szeiCoding;
    std::optional<WindowOpening> m_szeiRequest;
    CodingTabs m_transferenceCoding = TransferenceTabs();
    std::optional<std::string_view> m_transferenceMarked;
};

} // namespace quelvarin
