// The handler guard: every event handler runs through it, so that no C++ exception crosses Qt.
// A failure shows its message in a box titled "Quibel" and the rest of the handler is skipped.
#pragma once

#include "editor/servizos.h"

#include <exception>
#include <utility>

namespace quibel {

void amosarerro(const QString& texto);

// Runs f; returns false when it failed (the message has then been shown).
template <class F> bool guarded(F&& f) {
    try {
        std::forward<F>(f)();
        return true;
    } catch (const std::exception& e) {
        amosarerro(QString::fromUtf8(e.what()));
    } catch (...) {
        amosarerro(QStringLiteral("Error"));
    }
    return false;
}

// A member handler bound to a signal: it runs through the guard.
template <class T> auto en(T* obxecto, void (T::*metodo)()) {
    return [obxecto, metodo] { guarded([obxecto, metodo] { (obxecto->*metodo)(); }); };
}

} // namespace quibel
