#include "ui/app/QtSoundPlayer.h"

#include "ui/app/QtText.h"

#include <QUrl>

namespace quelvarin::ui {

void QtSoundPlayer::Play(const std::filesystem::path& wavFile) {
    m_effect.stop();
    m_effect.setSource(QUrl::fromLocalFile(ToQt(wavFile.string())));
    m_effect.play();
}

} // namespace quelvarin::ui
