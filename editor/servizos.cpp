#include "editor/servizos.h"

#include "editor/son.h"

#include <QColorDialog>
#include <QDialog>

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace quibel {

namespace {

const QString titulo = QStringLiteral("Quibel");

class DialogosReais : public Dialogos {
public:
    explicit DialogosReais(QWidget* pai) : pai_(pai) {}

    void mensaxe(const QString& texto) override {
        QMessageBox box(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok, pai_);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    QMessageBox::StandardButton pregunta(const QString& texto, QMessageBox::StandardButtons botons,
                                         QMessageBox::Icon icona) override {
        QMessageBox box(icona, titulo, texto, botons, pai_);
        box.setTextFormat(Qt::PlainText);
        const int r = box.exec();
        return static_cast<QMessageBox::StandardButton>(r);
    }
    void aviso(const QString& texto) override {
        QMessageBox box(QMessageBox::Warning, QMessageBox::tr("Warning"), texto, QMessageBox::Ok, pai_);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    QString abrirarquivo(const QString& t, const QString& cartafol, const QString& filtro) override {
        return QFileDialog::getOpenFileName(pai_, t, cartafol, filtro);
    }
    QStringList abrirarquivos(const QString& t, const QString& cartafol, const QString& filtro) override {
        return QFileDialog::getOpenFileNames(pai_, t, cartafol, filtro);
    }
    QString gardararquivo(const QString& t, const QString& nome, const QString& filtro) override {
        // The program asks about replacing a file itself, once it knows the final name.
        return QFileDialog::getSaveFileName(pai_, t, nome, filtro, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
    void amosarmodal(QDialog* venta) override { venta->exec(); }
    std::optional<QColor> escollercor(const QColor& inicial) override {
        const QColor c = QColorDialog::getColor(inicial, pai_);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    }
    QString escollercartafol(const QString& t, const QString& cartafol) override {
        return QFileDialog::getExistingDirectory(pai_, t, cartafol);
    }

private:
    QPointer<QWidget> pai_;
};

class AplicacionReal : public AplicacionDefecto {
public:
    bool abrir(const QUrl& enderezo) override { return QDesktopServices::openUrl(enderezo); }
};

QSize pantallaprincipal() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableSize() : QSize(1024, 768);
}

class PantallaReal : public Pantalla {
public:
    QSize tamano() const override { return pantallaprincipal(); }
};

} // namespace

QSize areapantalla() {
    if (const auto& p = servizos().pantalla) return p->tamano();
    return pantallaprincipal();
}

Servizos& servizos() {
    static Servizos s;
    return s;
}

void instalarservizosreais(QWidget* pai) {
    Servizos& s = servizos();
    s.dialogos = std::make_shared<DialogosReais>(pai);
    s.aplicacion = std::make_shared<AplicacionReal>();
    s.pantalla = std::make_shared<PantallaReal>();
    // One engine for the program's life: the main window starts it once.
    if (!s.son) s.son = std::make_shared<MotorSon>();
}

} // namespace quibel
