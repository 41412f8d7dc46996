#pragma once

#include "platform/LineFile.h"
#include "workstation/Session.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace quelvarin {

// The text fields of the personal data.
enum class PersonalField {
    Name,              // "a Vsz. neve"
    Code,              // "a vizsgálat kódja"
    Number,            // "szám"
    Occupation,        // "foglalkozása"
    Sex,               // "neme"
    ClinicalQuestions, // "klinikai kérdések", every question followed by "*"
    Ward,              // "osztály"
    Examiner,          // "Vv."
    Diagnosis,         // "Dg"
    Education,         // "iskolázottsága"
    Date,              // "dátum"
};

// The clinic's own list files the personal data are chosen from.
enum class ChoiceListKind { Occupation, Diagnosis, Ward, Examiner, ClinicalQuestions };

inline constexpr std::int32_t kLowestAge = 0;
inline constexpr std::int32_t kHighestAge = 120;

// The subject's personal data, as the personal-data window edits them: every change is stored
// at once. The window's opening takes over the identity a sibling program handed over, once,
// for a new protocol; the choices come from the clinic's list files, which the list editor
// rewrites.
class PersonalDataDesk : private SessionObserver {
public:
    explicit PersonalDataDesk(Session& session);
    ~PersonalDataDesk() override;
    PersonalDataDesk(const PersonalDataDesk&) = delete;
    PersonalDataDesk& operator=(const PersonalDataDesk&) = delete;

    const Session& State() const { return m_session; }

    // --- The window's opening ------------------------------------------------------------
    // Every opening reads the list files again. The first opening after "új Ro." (or for the
    // empty protocol of the start) applies and deletes the hand-over file, and returns true:
    // the code is then to be typed over. A protocol opened from the archive is never given
    // another subject's identity.
    bool Open();
    // The choices of a list (its file's lines; what was read last when the file is missing).
    const Lines& Choices(ChoiceListKind list) const { return m_choices[Index(list)]; }
    // The education levels offered: the eight levels, in the order of the clinic's isk.lst.
    const std::vector<std::string_view>& EducationChoices() const { return m_education; }

    // --- The fields ---------------------------------------------------------------------------
    // Stores the text of a field (a line break becomes a blank: the protocol file keeps each
    // field on one line). The code's change is what the main window's caption follows.
    void SetField(PersonalField field, std::string_view text);
    // A text field as the protocol holds it.
    const std::string& FieldText(PersonalField field) const;
    // The age, kept within 0..120.
    void SetAge(std::int32_t age);
    // The education typed or chosen, once the examiner leaves the field: one of the levels
    // offered is stored (the Neiger school level follows it); any other text empties the field,
    // with "Csak a listáról választhat!". False then.
    bool CommitEducation(std::string_view text);
    // A date chosen: stored, and the code carries the date as its suffix.
    void SetDate(std::string_view date);

    // --- The clinical questions -------------------------------------------------------------
    Lines ClinicalQuestions() const;
    // The questions picked, in the list's order; one already there is told and not added again.
    void AddClinicalQuestions(const Lines& picked);
    // Removes the rows given (any order; a row out of range is ignored).
    void DeleteClinicalQuestions(std::vector<int> rows);

    // --- The list editor ------------------------------------------------------------------
    struct ListEditing {
        ChoiceListKind list = ChoiceListKind::Occupation;
        std::string_view title;
        std::filesystem::path path;
        Lines lines; // the file as it is, empty when there is none
    };
    const ListEditing& OpenListEditor(ChoiceListKind list);
    // "rendben": the lines become the file, and the choices are read again. False, with the
    // examiner told, when the file cannot be written (it stays as it was).
    bool SaveListEditor(const Lines& lines);
    // "mégse": the file stays as it was (no file is made where there was none).
    void CancelListEditor() { m_editing.reset(); }
    const std::optional<ListEditing>& ListEditor() const { return m_editing; }

private:
    static std::size_t Index(ChoiceListKind list) { return static_cast<std::size_t>(list); }
    void ProtocolReplaced(ProtocolSource source) final;
    void ApplyHandOver();
    void ReadLists();
    void StoreQuestions(const Lines& questions);
    // A changed value is stored, marks the protocol modified and is told to the observers.
    template <typename Value>
    void Store(Value& stored, Value value);

    Session& m_session;
    // The protocol is new and the hand-over has not been looked at for it yet.
    bool m_handOverDue = true;
    std::array<Lines, 5> m_choices;
    std::vector<std::string_view> m_education;
    std::optional<ListEditing> m_editing;
};

} // namespace quelvarin
