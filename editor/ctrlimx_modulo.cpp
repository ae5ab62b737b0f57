// The imaging module: pictures and every frame of an animation decoded, resampled bicubic and
// written by GraphicsMagick.
#include "editor/ctrlimx_modulo.h"

#include <Magick++.h>
#include <list>
#include <mutex>
#include <vector>

namespace quibel {

namespace {

void iniciarmagick() {
    static std::once_flag feito;
    std::call_once(feito, [] {
        // Qt keeps its own signal handling: the library would end the program on SIGTERM.
        MagickLib::ExceptionInfo e;
        MagickLib::GetExceptionInfo(&e);
        MagickLib::InitializeMagickEx(nullptr, MAGICK_OPT_NO_SIGNAL_HANDER, &e);
        MagickLib::DestroyExceptionInfo(&e);
        // The frames of an animation are small: worker threads spend far longer waiting for each
        // other than they save (a 100-frame GIF took 25 times as long with them).
        MagickLib::SetMagickResourceLimit(MagickLib::ThreadsResource, 1);
    });
}

QString textode(const std::exception& e) {
    return QString::fromLocal8Bit(e.what());
}

class CadrosMagick : public CadrosImaxe {
public:
    std::vector<Magick::Image> cadros_;

    std::unique_ptr<CadrosImaxe> copia() const override { return std::make_unique<CadrosMagick>(*this); }

    QSize tamano() const override {
        if (cadros_.empty()) return {};
        const Magick::Image& i = cadros_.front();
        return QSize(int(i.columns()), int(i.rows()));
    }

    int cadros() const override { return int(cadros_.size()); }

    std::unique_ptr<CadrosImaxe> resampleada(const QSize& t) const override {
        auto r = std::make_unique<CadrosMagick>();
        for (Magick::Image i : cadros_) {
            Magick::Geometry g(unsigned(t.width()), unsigned(t.height()));
            g.aspect(true); // exactly this size
            i.filterType(Magick::CubicFilter);
            i.resize(g);
            i.page(Magick::Geometry(unsigned(t.width()), unsigned(t.height()), 0, 0));
            r->cadros_.push_back(i);
        }
        return r;
    }

    bool codificar(const std::string& formato, QByteArray& saida, QString& erro) const override {
        if (cadros_.empty()) return false;
        Magick::Blob blob;
        try {
            std::vector<Magick::Image> lista = cadros_;
            for (Magick::Image& i : lista) {
                if (formato == "JPEG" && i.matte()) {
                    // JPEG has no transparency: the picture goes onto white.
                    Magick::Image fondo(Magick::Geometry(i.columns(), i.rows()), Magick::Color("white"));
                    fondo.composite(i, 0, 0, Magick::OverCompositeOp);
                    fondo.matte(false);
                    i = fondo;
                }
                // Set explicitly: otherwise an unknown name gets the format of the picture read.
                i.magick(formato);
            }
            if (formato == "GIF" && lista.size() > 1)
                Magick::writeImages(lista.begin(), lista.end(), &blob, true);
            else
                lista.front().write(&blob);
        } catch (const std::exception& e) {
            erro = textode(e);
            return false;
        }
        saida = QByteArray(static_cast<const char*>(blob.data()), qsizetype(blob.length()));
        return true;
    }

    QImage previa() const override {
        if (cadros_.empty()) return {};
        Magick::Image i = cadros_.front();
        QImage q(int(i.columns()), int(i.rows()), QImage::Format_RGBA8888);
        try {
            i.write(0, 0, i.columns(), i.rows(), "RGBA", Magick::CharPixel, q.bits());
        } catch (const std::exception&) {
            return {};
        }
        return q;
    }
};

} // namespace

} // namespace quibel

extern "C" Q_DECL_EXPORT quibel::CadrosImaxe* quibel_lerimaxe(const QByteArray& datos, QString* erro) {
    using namespace quibel;
    iniciarmagick();
    std::list<Magick::Image> lidos;
    try {
        Magick::readImages(&lidos, Magick::Blob(datos.constData(), size_t(datos.size())));
    } catch (const Magick::Warning&) {
        // A warning still leaves the frames read.
    } catch (const std::exception& e) {
        if (erro) *erro = textode(e);
        return nullptr;
    }
    if (lidos.empty() || lidos.front().columns() == 0 || lidos.front().rows() == 0) {
        if (erro) erro->clear();
        return nullptr;
    }
    try {
        if (lidos.size() > 1) {
            std::list<Magick::Image> enteiros;
            Magick::coalesceImages(&enteiros, lidos.begin(), lidos.end());
            lidos.swap(enteiros);
        }
    } catch (const std::exception& e) {
        if (erro) *erro = textode(e);
        return nullptr;
    }
    auto* r = new CadrosMagick;
    r->cadros_.assign(lidos.begin(), lidos.end());
    return r;
}
