#pragma once

#include "workstation/SoundPlayer.h"

#include <QSoundEffect>

namespace quelvarin::ui {

// A sign's .wav played asynchronously; a new sound stops the one still playing.
class QtSoundPlayer : public SoundPlayer {
public:
    void Play(const std::filesystem::path& wavFile) override;

private:
    QSoundEffect m_effect;
};

} // namespace quelvarin::ui
