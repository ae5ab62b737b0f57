// What the imaging module gives the image window: the frames of a picture held by GraphicsMagick,
// read by its one entry point `quibel_lerimaxe`.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <string>

namespace quibel {

class CadrosImaxe {
public:
    virtual ~CadrosImaxe() = default;
    virtual std::unique_ptr<CadrosImaxe> copia() const = 0;
    virtual QSize tamano() const = 0;
    virtual int cadros() const = 0;
    virtual std::unique_ptr<CadrosImaxe> resampleada(const QSize& tamano) const = 0;
    // The file's bytes in the format named as the library names it; false, with its text in erro.
    virtual bool codificar(const std::string& formato, QByteArray& saida, QString& erro) const = 0;
    virtual QImage previa() const = 0;
};

// The frames of a picture file's bytes; null, with the library's text in erro, when it cannot be
// read.
using LerImaxe = CadrosImaxe*(const QByteArray& datos, QString* erro);

} // namespace quibel
