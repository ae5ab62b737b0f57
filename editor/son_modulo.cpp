// The sound module: the engine on SDL2_mixer, the audio subsystem alone, one music stream playing
// at a time. Streams are decoded as they play, so creating and playing return at once.
#include "editor/son_modulo.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <map>

namespace quibel {

namespace {

class MotorSDL : public MotorSonModulo {
public:
    ~MotorSDL() override;
    bool iniciar() override;
    void pechar() override;
    quint32 crear(const QString& arquivo) override;
    void liberar(quint32 canal) override;
    void tocar(quint32 canal) override;
    void parar(quint32 canal) override;
    bool activo() const override { return activo_; }
    bool tocando() const override;
    int streams() const override { return int(streams_.size()); }

private:
    bool activo_ = false;
    quint32 ultimo_ = 0;
    quint32 tocado_ = 0; // the stream last played
    std::map<quint32, Mix_Music*> streams_;
};

MotorSDL::~MotorSDL() {
    pechar();
}

bool MotorSDL::iniciar() {
    if (activo_) return true;
    // Qt keeps SIGINT and SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Without an output device there is no sound: SDL picks no dummy driver unless told to.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3);
    activo_ = true;
    return true;
}

void MotorSDL::pechar() {
    if (!activo_) return;
    Mix_HaltMusic();
    for (auto& [canal, musica] : streams_)
        Mix_FreeMusic(musica);
    streams_.clear();
    tocado_ = 0;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    activo_ = false;
}

quint32 MotorSDL::crear(const QString& arquivo) {
    if (!activo_ || arquivo.isEmpty()) return 0;
    Mix_Music* musica = Mix_LoadMUS(arquivo.toUtf8().constData());
    if (!musica) return 0;
    streams_[++ultimo_] = musica;
    return ultimo_;
}

void MotorSDL::liberar(quint32 canal) {
    const auto i = streams_.find(canal);
    if (i == streams_.end()) return;
    if (canal == tocado_) {
        Mix_HaltMusic();
        tocado_ = 0;
    }
    Mix_FreeMusic(i->second);
    streams_.erase(i);
}

void MotorSDL::tocar(quint32 canal) {
    const auto i = streams_.find(canal);
    if (i == streams_.end()) return;
    if (Mix_PlayMusic(i->second, 0) == 0) tocado_ = canal;
}

void MotorSDL::parar(quint32 canal) {
    if (activo_ && canal != 0 && canal == tocado_) Mix_HaltMusic();
}

bool MotorSDL::tocando() const {
    return activo_ && Mix_PlayingMusic() != 0;
}

} // namespace

} // namespace quibel

extern "C" Q_DECL_EXPORT quibel::MotorSonModulo* quibel_motorson() {
    return new quibel::MotorSDL;
}
