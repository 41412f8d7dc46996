#pragma once

#include <filesystem>

namespace quelvarin {

// Asynchronous playback of a sign's .wav file.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const std::filesystem::path& wavFile) = 0;
};

class SilentSoundPlayer : public SoundPlayer {
public:
    void Play(const std::filesystem::path&) override {}
};

} // namespace quelvarin
