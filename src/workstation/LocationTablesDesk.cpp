#include "workstation/LocationTablesDesk.h"

#include "platform/Jpeg.h"
#include "platform/NumberFormat.h"
#include "workstation/LocationTablesTexts.h"

#include <variant>

namespace quelvarin {

namespace fs = std::filesystem;
namespace texts = window_texts;

std::string_view ExtensionText(PictureExtension extension) {
    return extension == PictureExtension::Bmp ? ".bmp" : ".jpg";
}

LocationTablesDesk::LocationTablesDesk(Session& session, ScoringDesk& scoring)
    : m_session(session), m_scoring(scoring) {
    m_session.AddObserver(*this);
}

LocationTablesDesk::~LocationTablesDesk() {
    m_session.RemoveObserver(*this);
}

fs::path LocationTablesDesk::LocationListPath(int card) const {
    return m_session.Paths().LocationFolder() / (FormatInteger(card) + ".lok");
}

fs::path LocationTablesDesk::CardPicturePath(int card) const {
    return m_session.Paths().CardPictureFolder() /
           (FormatInteger(card) + std::string(ExtensionText(m_extension)));
}

std::optional<fs::path> LocationTablesDesk::LocationPicturePath(std::size_t index) const {
    const auto& name = m_locations[index].picture;
    // The name comes from a file: it names a picture in the card's own folder, nowhere else.
    if (name.find_first_of("/\\") != std::string::npos || name == "." || name == "..") {
        return std::nullopt;
    }
    return m_session.Paths().LocationFolder() / FormatInteger(m_view.card) /
           (name + std::string(ExtensionText(m_extension)));
}

void LocationTablesDesk::SetShown(bool shown) {
    m_shown = shown;
    if (shown) {
        ShowCardLocations();
    }
}

void LocationTablesDesk::SelectionChanged() {
    // A card chosen here is loaded once, by ChooseCard.
    if (m_shown && !m_choosingCard) {
        ShowCardLocations();
    }
}

void LocationTablesDesk::ProtocolReplaced(ProtocolSource) {
    if (m_shown) {
        ShowCardLocations();
    }
}

bool LocationTablesDesk::ShowCardLocations() {
    int card = m_session.CurrentCard();
    if (!IsCard(card)) {
        return false;
    }
    auto listFile = LocationListPath(card);
    auto locations = ReadLocationList(listFile);
    if (!locations) {
        m_session.Notify().Warning(texts::LocationListUnreadable(listFile.string()));
        return false;
    }
    m_locations = std::move(*locations);
    m_view.card = card;
    m_view.title = texts::CardTitle(card);
    m_view.caption = texts::LocationsCaption(card);
    m_view.sentence = std::string(texts::kSituationSentences[static_cast<std::size_t>(card - 1)]);
    m_view.labels.clear();
    for (const auto& location : m_locations) {
        m_view.labels.push_back(location.label);
    }
    m_view.chosen.reset();
    m_view.signNames.clear();
    ShowPicture(CardPicturePath(card));
    return true;
}

bool LocationTablesDesk::ChooseCard(int card) {
    if (!IsCard(card)) {
        return false;
    }
    m_choosingCard = true;
    m_session.SetCurrentCard(card);
    m_choosingCard = false;
    return ShowCardLocations();
}

bool LocationTablesDesk::ChooseLocation(std::size_t index) {
    if (index >= m_locations.size()) {
        return false;
    }
    m_view.chosen = index;
    m_view.signNames = QuotedSignNames(m_locations[index].label);
    if (auto path = LocationPicturePath(index)) {
        ShowPicture(*path);
    } else {
        m_session.Notify().Warning(texts::PictureUnreadable(m_locations[index].picture, "nem fájlnév"));
    }
    return true;
}

EntryResult LocationTablesDesk::ChooseSign(std::size_t item) {
    if (item >= m_view.signNames.size()) {
        return {};
    }
    return m_scoring.ChooseLocationTableItem(m_view.signNames[item]);
}

std::string LocationTablesDesk::HoverCaption(std::size_t index) const {
    return index < m_view.labels.size() ? m_view.labels[index] : m_view.caption;
}

void LocationTablesDesk::SetPictureExtension(PictureExtension extension) {
    if (m_extension == extension) {
        return;
    }
    m_extension = extension;
    if (m_shown && IsCard(m_view.card)) {
        if (m_view.chosen) {
            if (auto path = LocationPicturePath(*m_view.chosen)) {
                ShowPicture(*path);
            }
        } else {
            ShowPicture(CardPicturePath(m_view.card));
        }
    }
    m_session.Tell([](SessionObserver& o) { o.ModeChanged(); });
}

bool LocationTablesDesk::ShowPicture(const fs::path& path) {
    PictureOrError read;
    if (path.extension() == ExtensionText(PictureExtension::Jpg)) {
        read = ReadJpegFile(path);
    } else if (m_bitmapReader) {
        read = m_bitmapReader(path);
    } else {
        read = std::string("ez a képformátum itt nem olvasható");
    }
    if (auto* reason = std::get_if<std::string>(&read)) {
        m_session.Notify().Warning(texts::PictureUnreadable(path.string(), *reason));
        return false;
    }
    m_picture = std::get<Picture>(std::move(read));
    m_view.picture = path;
    ++m_pictureNumber;
    return true;
}

} // namespace quelvarin
