// A file-size limit for the lifetime of a scope, so that a write fails for any user, root
// included; the signal the limit raises is ignored meanwhile.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace quibel::proba {

struct LimiteTamano {
    rlimit antes{};
    void (*sinal)(int) = nullptr;
    explicit LimiteTamano(rlim_t bytes = 4096) {
        getrlimit(RLIMIT_FSIZE, &antes);
        sinal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit novo = antes;
        novo.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &novo);
    }
    ~LimiteTamano() {
        setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, sinal);
    }
};

} // namespace quibel::proba
