#include "editor/son.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace quibel {

MotorSon::~MotorSon() {
    pechar();
}

bool MotorSon::iniciar() {
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

void MotorSon::pechar() {
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

quint32 MotorSon::crear(const QString& arquivo) {
    if (!activo_ || arquivo.isEmpty()) return 0;
    Mix_Music* musica = Mix_LoadMUS(arquivo.toUtf8().constData());
    if (!musica) return 0;
    streams_[++ultimo_] = musica;
    return ultimo_;
}

void MotorSon::liberar(quint32 canal) {
    const auto i = streams_.find(canal);
    if (i == streams_.end()) return;
    if (canal == tocado_) {
        Mix_HaltMusic();
        tocado_ = 0;
    }
    Mix_FreeMusic(i->second);
    streams_.erase(i);
}

void MotorSon::tocar(quint32 canal) {
    const auto i = streams_.find(canal);
    if (i == streams_.end()) return;
    if (Mix_PlayMusic(i->second, 0) == 0) tocado_ = canal;
}

void MotorSon::parar(quint32 canal) {
    if (activo_ && canal != 0 && canal == tocado_) Mix_HaltMusic();
}

bool MotorSon::tocando() const {
    return activo_ && Mix_PlayingMusic() != 0;
}

} // namespace quibel
