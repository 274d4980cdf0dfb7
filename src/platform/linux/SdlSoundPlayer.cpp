#include "SdlSoundPlayer.h"

#include <SDL.h>

#include <optional>

namespace {

// SDL's audio subsystem, initialised for as long as this object lives.
class AudioSubsystem
{
public:
    AudioSubsystem()
    {
        // SDL must not take over SIGINT/SIGTERM from the application.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        m_ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    ~AudioSubsystem()
    {
        if (m_ok)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    AudioSubsystem(const AudioSubsystem&) = delete;
    AudioSubsystem& operator=(const AudioSubsystem&) = delete;

    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
};

// An open audio device; 0 when opening failed.
class AudioDevice
{
public:
    explicit AudioDevice(const SDL_AudioSpec& format)
    {
        // No allowed changes: SDL converts from the WAV's format to whatever the hardware takes.
        m_id = SDL_OpenAudioDevice(nullptr, 0, &format, nullptr, 0);
    }
    ~AudioDevice()
    {
        if (m_id != 0)
            SDL_CloseAudioDevice(m_id);
    }
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    SDL_AudioDeviceID id() const { return m_id; }

private:
    SDL_AudioDeviceID m_id = 0;
};

struct WavBufferFree
{
    void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};

bool sameFormat(const SDL_AudioSpec& a, const SDL_AudioSpec& b)
{
    return a.freq == b.freq && a.format == b.format && a.channels == b.channels;
}

} // namespace

struct SdlSoundPlayer::State
{
    // The last image seen and, when it parsed, its samples and format.
    QByteArray wav;
    bool parsed = false;
    std::unique_ptr<Uint8, WavBufferFree> samples;
    Uint32 length = 0;
    SDL_AudioSpec format{};

    // Declared before the device so that it is shut down after it.
    std::optional<AudioSubsystem> subsystem;
    std::optional<AudioDevice> device;
    SDL_AudioSpec deviceFormat{};

    void parse(const QByteArray& bytes);
    SDL_AudioDeviceID deviceFor(const SDL_AudioSpec& wanted);
};

void SdlSoundPlayer::State::parse(const QByteArray& bytes)
{
    wav = bytes;
    samples.reset();
    length = 0;
    parsed = false;
    SDL_RWops* source = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    if (source == nullptr) // also for an empty image
        return;
    Uint8* buffer = nullptr;
    // freesrc = 1: SDL closes the source whatever happens.
    if (SDL_LoadWAV_RW(source, 1, &format, &buffer, &length) == nullptr)
        return;
    samples.reset(buffer);
    parsed = length > 0;
}

SDL_AudioDeviceID SdlSoundPlayer::State::deviceFor(const SDL_AudioSpec& wanted)
{
    if (!subsystem)
        subsystem.emplace();
    if (!subsystem->ok())
        return 0;
    // A device that failed to open for this format stays failed; another format tries again.
    if (device && sameFormat(deviceFormat, wanted))
        return device->id();
    device.reset();
    SDL_AudioSpec request{};
    request.freq = wanted.freq;
    request.format = wanted.format;
    request.channels = wanted.channels;
    request.samples = 512; // short buffer, so a restart is heard promptly
    device.emplace(request);
    deviceFormat = request;
    return device->id();
}

SdlSoundPlayer::SdlSoundPlayer() : m_state(std::make_unique<State>()) {}

SdlSoundPlayer::~SdlSoundPlayer() = default;

void SdlSoundPlayer::play(const QByteArray& wav)
{
    State& s = *m_state;
    // The same image comes back on every tick, usually sharing its data with the cached copy.
    const bool cached = (wav.constData() == s.wav.constData() && wav.size() == s.wav.size()) || wav == s.wav;
    if (!cached)
        s.parse(wav);
    if (!s.parsed)
        return;
    const SDL_AudioDeviceID id = s.deviceFor(s.format);
    if (id == 0)
        return;
    SDL_ClearQueuedAudio(id);
    SDL_QueueAudio(id, s.samples.get(), s.length);
    SDL_PauseAudioDevice(id, 0);
}
