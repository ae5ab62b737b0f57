#include "editor/son.h"

#include "editor/modulos.h"
#include "editor/son_modulo.h"

namespace quibel {

MotorSon::MotorSon() = default;

MotorSon::~MotorSon() {
    pechar();
}

bool MotorSon::iniciar() {
    if (!motor_) {
        auto* crear = reinterpret_cast<CrearMotorSon*>(funcionmodulo("son", "quibel_motorson"));
        if (!crear) return false;
        motor_.reset(crear());
    }
    return motor_->iniciar();
}

void MotorSon::pechar() {
    if (motor_) motor_->pechar();
}

quint32 MotorSon::crear(const QString& arquivo) {
    return motor_ ? motor_->crear(arquivo) : 0;
}

void MotorSon::liberar(quint32 canal) {
    if (motor_) motor_->liberar(canal);
}

void MotorSon::tocar(quint32 canal) {
    if (motor_) motor_->tocar(canal);
}

void MotorSon::parar(quint32 canal) {
    if (motor_) motor_->parar(canal);
}

bool MotorSon::activo() const {
    return motor_ && motor_->activo();
}

bool MotorSon::tocando() const {
    return motor_ && motor_->tocando();
}

int MotorSon::streams() const {
    return motor_ ? motor_->streams() : 0;
}

} // namespace quibel
