#include "workstation/PersonalDataDesk.h"

#include "model/ChoiceList.h"
#include "model/EducationLevels.h"
#include "model/ExaminationDate.h"
#include "model/HandOver.h"
#include "model/StarredText.h"
#include "platform/AtomicFile.h"
#include "workstation/Messages.h"
#include "workstation/PersonalDataTexts.h"

#include <algorithm>
#include <system_error>

namespace quelvarin {

namespace fs = std::filesystem;
namespace texts = window_texts;

namespace {

// The field of either a stored or a shown personal data.
template <typename Personal>
auto& FieldOf(Personal& personal, PersonalField field) {
    switch (field) {
    case PersonalField::Name:
        return personal.name;
    case PersonalField::Code:
        return personal.code;
    case PersonalField::Number:
        return personal.number;
    case PersonalField::Occupation:
        return personal.occupation;
    case PersonalField::Sex:
        return personal.sex;
    case PersonalField::ClinicalQuestions:
        return personal.clinicalQuestions;
    case PersonalField::Ward:
        return personal.ward;
    case PersonalField::Examiner:
        return personal.examiner;
    case PersonalField::Diagnosis:
        return personal.diagnosis;
    case PersonalField::Education:
        return personal.education;
    case PersonalField::Date:
        break;
    }
    return personal.date;
}

struct ListFileInfo {
    std::string_view stem;
    std::string_view editorTitle;
};

// By ChoiceListKind.
constexpr ListFileInfo kListFiles[] = {
    {"fogl", texts::kOccupationListTitle},
    {"dg", texts::kDiagnosisListTitle},
    {"oszt", texts::kWardListTitle},
    {"vv", texts::kExaminerListTitle},
    {"klinker", texts::kClinicalQuestionsListTitle},
};

constexpr std::string_view kEducationListStem = "isk";

// A question is one row of the starred field: a "*" inside it would split it in two.
std::string AsQuestion(std::string_view text) {
    std::string question = WithoutLineBreaks(std::string(text));
    std::replace(question.begin(), question.end(), '*', ' ');
    return question;
}

} // namespace

PersonalDataDesk::PersonalDataDesk(Session& session) : m_session(session) {
    m_session.AddObserver(*this);
    m_education = quelvarin::EducationChoices(std::nullopt);
}

PersonalDataDesk::~PersonalDataDesk() {
    m_session.RemoveObserver(*this);
}

void PersonalDataDesk::ProtocolReplaced(ProtocolSource source) {
    m_handOverDue = source == ProtocolSource::New;
}

template <typename Value>
void PersonalDataDesk::Store(Value& stored, Value value) {
    if (stored == value) {
        return;
    }
    stored = std::move(value);
    m_session.Changed();
    m_session.Tell([](SessionObserver& o) { o.PersonalDataChanged(); });
}

bool PersonalDataDesk::Open() {
    bool fresh = m_handOverDue;
    if (m_handOverDue) {
        m_handOverDue = false;
        ApplyHandOver();
    }
    ReadLists();
    return fresh;
}

void PersonalDataDesk::ApplyHandOver() {
    auto path = m_session.Paths().HandOverFile();
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return;
    }
    auto handOver = ParseHandOver(*bytes);
    if (handOver.code) {
        SetField(PersonalField::Code, *handOver.code);
    }
    if (handOver.name) {
        SetField(PersonalField::Name, *handOver.name);
    }
    if (handOver.sex) {
        SetField(PersonalField::Sex, *handOver.sex);
    }
    // Left behind, the file would give the next new protocol this subject's identity.
    std::error_code error;
    if (!fs::remove(path, error) || error) {
        m_session.Notify().Warning(texts::HandOverNotDeleted(path.string()));
    }
}

void PersonalDataDesk::ReadLists() {
    const auto& paths = m_session.Paths();
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        if (auto choices = ReadChoiceList(paths.ListFile(kListFiles[i].stem))) {
            m_choices[i] = std::move(*choices);
        }
    }
    m_education = quelvarin::EducationChoices(ReadChoiceList(paths.ListFile(kEducationListStem)));
}

const std::string& PersonalDataDesk::FieldText(PersonalField field) const {
    return FieldOf(m_session.CurrentProtocol().personal, field);
}

void PersonalDataDesk::SetField(PersonalField field, std::string_view text) {
    Store(FieldOf(m_session.EditProtocol().personal, field), WithoutLineBreaks(std::string(text)));
}

void PersonalDataDesk::SetAge(std::int32_t age) {
    Store(m_session.EditProtocol().personal.age, std::clamp(age, kLowestAge, kHighestAge));
}

bool PersonalDataDesk::CommitEducation(std::string_view text) {
    bool listed = std::find(m_education.begin(), m_education.end(), text) != m_education.end();
    SetField(PersonalField::Education, listed ? text : std::string_view());
    if (!listed) {
        m_session.Notify().Message(messages::kOnlyFromList);
    }
    return listed;
}

void PersonalDataDesk::SetDate(std::string_view date) {
    SetField(PersonalField::Date, date);
    SetField(PersonalField::Code, CodeWithDate(m_session.CurrentProtocol().personal.code, date));
}

Lines PersonalDataDesk::ClinicalQuestions() const {
    return SplitStarred(m_session.CurrentProtocol().personal.clinicalQuestions);
}

void PersonalDataDesk::StoreQuestions(const Lines& questions) {
    SetField(PersonalField::ClinicalQuestions, JoinStarred(questions));
}

void PersonalDataDesk::AddClinicalQuestions(const Lines& picked) {
    auto questions = ClinicalQuestions();
    for (const auto& row : picked) {
        auto question = AsQuestion(row);
        if (question.find_first_not_of(' ') == std::string::npos) {
            continue;
        }
        if (std::find(questions.begin(), questions.end(), question) != questions.end()) {
            m_session.Notify().Message(texts::QuestionAlreadyListed(question));
        } else {
            questions.push_back(std::move(question));
        }
    }
    StoreQuestions(questions);
}

void PersonalDataDesk::DeleteClinicalQuestions(std::vector<int> rows) {
    auto questions = ClinicalQuestions();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the last row to the first, so that each row still names its question.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (*row >= 0 && static_cast<std::size_t>(*row) < questions.size()) {
            questions.erase(questions.begin() + *row);
        }
    }
    StoreQuestions(questions);
}

const PersonalDataDesk::ListEditing& PersonalDataDesk::OpenListEditor(ChoiceListKind list) {
    const auto& info = kListFiles[Index(list)];
    ListEditing editing{list, info.editorTitle, m_session.Paths().ListFile(info.stem), {}};
    if (auto lines = ReadLineFile(editing.path)) {
        editing.lines = std::move(*lines);
    }
    m_editing = std::move(editing);
    return *m_editing;
}

bool PersonalDataDesk::SaveListEditor(const Lines& lines) {
    if (!m_editing) {
        return false;
    }
    Lines written;
    for (const auto& line : lines) {
        written.push_back(WithoutLineBreaks(line));
    }
    if (!WriteLineFile(m_editing->path, written)) {
        m_session.Notify().Warning(messages::CannotWrite(m_editing->path.string()));
        return false;
    }
    m_editing.reset();
    ReadLists();
    return true;
}

} // namespace quelvarin
