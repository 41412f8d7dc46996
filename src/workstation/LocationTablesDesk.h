#pragma once

#include "model/LocationList.h"
#include "platform/Picture.h"
#include "workstation/ScoringDesk.h"
#include "workstation/Session.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// The file type of the card and location pictures: ".jpg" from the start, ".bmp" by the main
// window's hidden item.
enum class PictureExtension { Jpg, Bmp };
std::string_view ExtensionText(PictureExtension extension);

// What the location tables window shows.
struct LocationTablesView {
    int card = 0;         // the card loaded; 0 before the first
    std::string title;    // " IV. tábla"
    std::string caption;  // "4. tábla lokalizációi"
    std::string sentence; // the kind of situation the card represents
    std::vector<std::string> labels;
    std::optional<std::size_t> chosen;  // the location clicked last
    std::vector<std::string> signNames; // its context menu
    std::filesystem::path picture;      // the file of the picture shown; "" before the first
};

// The location tables: the picture of CurrentCard with the list of its numbered locations
// (lok/<card>.lok), a location's outlined picture (lok/<card>/<name>), and its sign names, which
// score the current answer as the location-tables entry path does. A file that cannot be read
// is told and changes nothing of what is shown.
class LocationTablesDesk : private SessionObserver {
public:
    LocationTablesDesk(Session& session, ScoringDesk& scoring);
    ~LocationTablesDesk() override;
    LocationTablesDesk(const LocationTablesDesk&) = delete;
    LocationTablesDesk& operator=(const LocationTablesDesk&) = delete;

    const Session& State() const { return m_session; }
    const LocationTablesView& View() const { return m_view; }
    // The picture shown (none before the first could be read); its number grows with every
    // picture read, so that a window converts only a new one.
    const Picture& ShownPicture() const { return m_picture; }
    unsigned PictureNumber() const { return m_pictureNumber; }

    // The window shown (it loads CurrentCard at once) or hidden. While it is shown it follows
    // CurrentCard: a selected answer, a card chosen anywhere, a protocol replaced.
    void SetShown(bool shown);
    bool Shown() const { return m_shown; }

    // Loads CurrentCard: title, caption, sentence, the list file, the card picture. False when
    // nothing changed: CurrentCard is 0, or the list cannot be read (told). A picture that
    // cannot be read is told and the one shown before stays.
    bool ShowCardLocations();
    // An item of the "táblák" menu: the card becomes CurrentCard (the main window follows it)
    // and is loaded. False for a number out of 1..10.
    bool ChooseCard(int card);
    // A click on a location: it is chosen, its sign names make the context menu, and its
    // outlined picture is shown. False for a row that is not there.
    bool ChooseLocation(std::size_t index);
    // An item of the context menu: its sign scored into the current answer.
    EntryResult ChooseSign(std::size_t item);
    // The caption while the pointer is over a location: its label.
    std::string HoverCaption(std::size_t index) const;

    // "jpg-ket mutass!" / "bmp-ket mutass!": the picture shown is read again in the new type.
    PictureExtension Extension() const { return m_extension; }
    void SetPictureExtension(PictureExtension extension);

    std::filesystem::path LocationListPath(int card) const;
    std::filesystem::path CardPicturePath(int card) const;

    // How pictures other than JPEG are read: the Qt face gives its reader of BMP files.
    using PictureReader = std::function<PictureOrError(const std::filesystem::path&)>;
    void SetBitmapReader(PictureReader reader) { m_bitmapReader = std::move(reader); }

private:
    void SelectionChanged() override;
    void ProtocolReplaced(ProtocolSource) override;

    // The picture of the file shown, or told (with the file) and the old one kept.
    bool ShowPicture(const std::filesystem::path& path);
    // The outlined picture of a location; none for a name that is not a plain file name.
    std::optional<std::filesystem::path> LocationPicturePath(std::size_t index) const;

    Session& m_session;
    ScoringDesk& m_scoring;
    LocationTablesView m_view;
    std::vector<Location> m_locations;
    Picture m_picture;
    unsigned m_pictureNumber = 0;
    PictureExtension m_extension = PictureExtension::Jpg;
    PictureReader m_bitmapReader;
    bool m_shown = false;
    bool m_choosingCard = false;
};

} // namespace quelvarin
