// What the sound module gives the program: the engine on SDL2_mixer, made by its one entry point
// `quibel_motorson`.
#pragma once

#include "editor/servizos.h"

namespace quibel {

class MotorSonModulo : public SoundEngine {
public:
    virtual bool activo() const = 0;
    virtual bool tocando() const = 0; // a stream is playing
    virtual int streams() const = 0;  // streams created and not freed
};

using CrearMotorSon = MotorSonModulo*();

} // namespace quibel
