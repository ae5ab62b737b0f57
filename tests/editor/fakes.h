// Fakes of the outside services for widget tests: scripted answers, recorded calls.
#pragma once

#include "editor/servizos.h"

#include <QFileInfo>
#include <QList>
#include <deque>
#include <functional>

class QDialog;

namespace quibel::proba {

class FakeDialogos : public Dialogos {
public:
    QStringList mensaxes;
    QStringList preguntas;
    QList<QMessageBox::Icon> iconas;                   // the icon of each question
    std::deque<QMessageBox::StandardButton> respostas; // next answers; Cancel when empty
    std::deque<QString> arquivos;                      // next file/folder dialog results

    void mensaxe(const QString& texto) override { mensaxes << texto; }
    bool aceptartodo = false; // every question answered Yes or OK, whichever it offers
    QMessageBox::StandardButton pregunta(const QString& texto, QMessageBox::StandardButtons botons,
                                         QMessageBox::Icon icona) override {
        preguntas << texto;
        iconas << icona;
        if (aceptartodo) return botons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok;
        if (respostas.empty()) return QMessageBox::Cancel;
        auto r = respostas.front();
        respostas.pop_front();
        return r;
    }
    QStringList avisos; // warning boxes
    void aviso(const QString& texto) override { avisos << texto; }
    QStringList filtros; // the filter of every file dialog, in order
    QString abrirarquivo(const QString&, const QString&, const QString& filtro) override {
        filtros << filtro;
        return seguinte();
    }
    std::deque<QStringList> listas; // next results of the several-files dialog
    QStringList abrirarquivos(const QString&, const QString&, const QString& filtro) override {
        filtros << filtro;
        if (listas.empty()) return {};
        QStringList r = listas.front();
        listas.pop_front();
        return r;
    }
    QString gardararquivo(const QString&, const QString&, const QString&) override { return seguinte(); }
    QString escollercartafol(const QString&, const QString&) override { return seguinte(); }
    std::deque<QColor> cores; // next colours chosen; cancel when empty
    std::optional<QColor> escollercor(const QColor&) override {
        if (cores.empty()) return std::nullopt;
        QColor c = cores.front();
        cores.pop_front();
        return c;
    }
    QList<QDialog*> modais; // the windows shown, in order; a test may act on one while it is "open"
    std::function<void(QDialog*)> enmodal;
    void amosarmodal(QDialog* venta) override {
        modais << venta;
        if (enmodal) enmodal(venta);
    }

private:
    QString seguinte() {
        if (arquivos.empty()) return {};
        QString r = arquivos.front();
        arquivos.pop_front();
        return r;
    }
};

class FakeAplicacion : public AplicacionDefecto {
public:
    QList<QUrl> abertos;
    bool abrir(const QUrl& u) override {
        abertos << u;
        return true;
    }
};

class FakePantalla : public Pantalla {
public:
    QSize area{1280, 1024};
    QSize tamano() const override { return area; }
};

// A sound engine that records its calls ("init", "create <file>", "free 1", "play 1", "stop 1",
// "shutdown"). Without a device by default, as on a machine without sound. Create gives 0 for a
// file that does not exist or is listed as undecodable.
class FakeSon : public SoundEngine {
public:
    QStringList log;
    bool inicia = false;      // what init answers
    QStringList indecodables; // files create gives 0 for
    bool iniciar() override {
        log << QStringLiteral("init");
        return inicia;
    }
    void pechar() override { log << QStringLiteral("shutdown"); }
    quint32 crear(const QString& arquivo) override {
        log << QStringLiteral("create ") + arquivo;
        if (!QFileInfo::exists(arquivo) || indecodables.contains(arquivo)) return 0;
        return ++ultimo;
    }
    void liberar(quint32 c) override { log << QStringLiteral("free %1").arg(c); }
    void tocar(quint32 c) override { log << QStringLiteral("play %1").arg(c); }
    void parar(quint32 c) override { log << QStringLiteral("stop %1").arg(c); }
    quint32 ultimo = 0;
};

// Installs fresh fakes for the lifetime of a test and puts the previous services back after it.
struct ServizosFalsos {
    std::shared_ptr<FakeDialogos> dialogos = std::make_shared<FakeDialogos>();
    std::shared_ptr<FakeAplicacion> aplicacion = std::make_shared<FakeAplicacion>();
    std::shared_ptr<FakePantalla> pantalla = std::make_shared<FakePantalla>();
    std::shared_ptr<FakeSon> son = std::make_shared<FakeSon>();
    Servizos antes = servizos();
    ServizosFalsos() { servizos() = Servizos{dialogos, aplicacion, pantalla, son}; }
    ~ServizosFalsos() { servizos() = antes; }
};

} // namespace quibel::proba
