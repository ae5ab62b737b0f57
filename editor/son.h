// The program's sound engine on SDL2_mixer: the audio subsystem alone, one music stream playing at
// a time. Streams are decoded as they play, so creating and playing return at once.
#pragma once

#include "editor/servizos.h"

#include <map>

struct _Mix_Music;

namespace quibel {

class MotorSon : public SoundEngine {
public:
    ~MotorSon() override;
    bool iniciar() override;
    void pechar() override;
    quint32 crear(const QString& arquivo) override;
    void liberar(quint32 canal) override;
    void tocar(quint32 canal) override;
    void parar(quint32 canal) override;

    bool activo() const { return activo_; }
    bool tocando() const;                                // a stream is playing
    int streams() const { return int(streams_.size()); } // streams created and not freed

private:
    bool activo_ = false;
    quint32 ultimo_ = 0;
    quint32 tocado_ = 0; // the stream last played
    std::map<quint32, _Mix_Music*> streams_;
};

} // namespace quibel
