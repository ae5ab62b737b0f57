#include "editor/ranuras.h"

#include "book/documento.h"
#include "book/grella.h"
#include "book/rutinas.h"

#include <QAbstractButton>
#include <QImageReader>
#include <QPainter>

namespace quibel {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setMinimumSize(1, 1);
}

void PictureBox::porimaxe(const QPixmap& imaxe) {
    imaxe_ = imaxe;
    amosar();
}

void PictureBox::limpar() {
    imaxe_ = QPixmap();
    clear();
}

void PictureBox::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    amosar();
}

// The picture fits the control, keeping its proportions.
void PictureBox::amosar() {
    if (imaxe_.isNull()) {
        clear();
        return;
    }
    setPixmap(imaxe_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void pintarreixa(const PictureBox* imaxe, PictureBox* gre, int filas, int columnas) {
    if (imaxe->tamanonatural().width() <= 1 || filas <= 0 || columnas <= 0) return;
    gre->setGeometry(imaxe->geometry());
    QPixmap copia = imaxe->imaxe().scaled(imaxe->size());
    QPainter pintor(&copia);
    pintor.setPen(QPen(Qt::black, 2));
    for (const QLine& l : lineas(copia.width(), copia.height(), filas, columnas))
        pintor.drawLine(l);
    pintor.end();
    gre->porimaxe(copia);
}

namespace {

// Slots write the page shown, and only while one is.
Tpaxina* paxinashown(Documento& d) {
    const int n = d.paxinaactual();
    if (n < 1 || n > d.libro.numpaxinas) return nullptr;
    return &d.libro.paxina(n);
}

// Field n of the page shown, or nothing when no page is shown or n names no field.
QString* campo(const ContextoRanuras& c, int n) {
    Tpaxina* p = paxinashown(c.documento);
    if (!p || !Book::campovalido(n) || n == 0) return nullptr;
    return &(*p)[n];
}

// The picture of a file; a null picture with the reason when it cannot be read.
QPixmap ler(const QString& arquivo, QString* erro) {
    QImageReader lector(arquivo);
    const QImage imaxe = lector.read();
    if (imaxe.isNull() && erro) *erro = arquivo + QStringLiteral(": ") + lector.errorString();
    return QPixmap::fromImage(imaxe);
}

} // namespace

bool ponerim(const ContextoRanuras& c, PictureBox* imaxe, QLineEdit* nome, int n) {
    const Documento& d = c.documento;
    if (d.tiporecurso != 1 && d.tiporecurso != 3) return false;
    const QString& arquivo = d.recursoescollido;
    QPixmap p;
    if (tipoarquivo(arquivo) == 3) {
        p = c.nojpg;
    } else {
        QString erro;
        p = ler(arquivo, &erro);
        if (p.isNull()) {
            // The slot keeps what it had: nothing is stored that cannot be shown.
            if (c.mensaxe) c.mensaxe(erro);
            return false;
        }
    }
    if (imaxe) imaxe->porimaxe(p);
    if (nome) nome->setText(nomeparaver(arquivo));
    if (QString* f = campo(c, n)) *f = arquivo;
    return true;
}

void quitarim(const ContextoRanuras& c, PictureBox* imaxe, QLineEdit* nome, int n, int modo) {
    if (imaxe) imaxe->limpar();
    if (nome) nome->clear();
    QString* f = campo(c, n);
    if (modo != 0) {
        if (!f || f->isEmpty()) return;
        if (nome) nome->setText(nomeparaver(*f));
        const int tipo = tipoarquivo(*f);
        if (imaxe && tipo == 3)
            imaxe->porimaxe(c.nojpg);
        else if (imaxe && tipo != 0)
            imaxe->porimaxe(ler(*f, nullptr)); // a picture that cannot be read shows empty
        return;
    }
    if (f) f->clear();
}

bool ponerson(const ContextoRanuras& c, QAbstractButton* tocar, QLineEdit* nome, const QString& arquivo,
              int n) {
    const Documento& d = c.documento;
    if (d.tiporecurso != 2 || tipoarquivo(d.recursoescollido) != 2) return false;
    if (tocar) tocar->setEnabled(true);
    if (nome) nome->setText(nomeparaver(arquivo));
    if (QString* f = campo(c, n)) *f = arquivo;
    return true;
}

void quitarson(const ContextoRanuras& c, QAbstractButton* tocar, QLineEdit* nome, int n, int modo) {
    if (tocar) tocar->setEnabled(false);
    QString* f = campo(c, n);
    if (modo == 1) {
        const QString valor = f ? *f : QString();
        if (nome) nome->setText(nomeparaver(valor));
        if (tocar && !valor.isEmpty()) tocar->setEnabled(true);
        return;
    }
    if (nome) nome->clear();
    if (f) f->clear();
}

} // namespace quibel
