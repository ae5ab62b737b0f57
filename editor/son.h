// The program's sound engine: SDL2_mixer in the sound module, opened with the first sound. Without
// the module, as without an output device, there is no sound.
#pragma once

#include "editor/servizos.h"

#include <memory>

namespace quibel {

class MotorSonModulo;

class MotorSon : public SoundEngine {
public:
    MotorSon();
    ~MotorSon() override;
    bool iniciar() override;
    void pechar() override;
    quint32 crear(const QString& arquivo) override;
    void liberar(quint32 canal) override;
    void tocar(quint32 canal) override;
    void parar(quint32 canal) override;

    bool activo() const;
    bool tocando() const; // a stream is playing
    int streams() const;  // streams created and not freed

private:
    std::unique_ptr<MotorSonModulo> motor_; // from the module's first use on
};

} // namespace quibel
