#include "editor/ranuras.h"

#include "book/documento.h"
#include "book/grella.h"
#include "book/rutinas.h"

#include <QAbstractButton>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <algorithm>
#include <sys/stat.h>

namespace quibel {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setMinimumSize(1, 1);
}

QPixmap imaxedearquivo(const QString& arquivo, QString* erro) {
    static const bool limite = [] {
        // The pictures of several pages: Qt's default holds only a few large ones.
        QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), 96 * 1024));
        return true;
    }();
    (void)limite;
    // A file that cannot be looked at is read as ever, for the reader's reason, and not kept.
    struct stat st {};
    const bool visto = !arquivo.isEmpty() && ::stat(QFile::encodeName(arquivo).constData(), &st) == 0;
    const QString clave = visto ? QStringLiteral("quibel:%1:%2:%3.%4:%5")
                                      .arg(arquivo)
                                      .arg(qint64(st.st_size))
                                      .arg(qint64(st.st_mtim.tv_sec))
                                      .arg(qint64(st.st_mtim.tv_nsec))
                                      .arg(quint64(st.st_ino))
                                : QString();
    QPixmap p;
    if (visto && QPixmapCache::find(clave, &p)) return p;
    QImageReader lector(arquivo);
    const QImage imaxe = lector.read();
    if (imaxe.isNull()) {
        if (erro) *erro = arquivo + QStringLiteral(": ") + lector.errorString();
        return {};
    }
    p = QPixmap::fromImage(imaxe);
    if (visto) QPixmapCache::insert(clave, p);
    return p;
}

void PictureBox::porimaxe(const QPixmap& imaxe) {
    if (imaxe.cacheKey() != imaxe_.cacheKey() || imaxe.isNull()) amosada_ = QPixmap();
    imaxe_ = imaxe;
    amosar();
}

void PictureBox::limpar() {
    imaxe_ = amosada_ = QPixmap();
    clear();
}

void PictureBox::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    amosar();
}

// The picture fits inside the control's frame, keeping its proportions. Fitted over the frame it
// would ask for a larger box than it has, and a box with room to spare would grow at every show.
void PictureBox::amosar() {
    if (imaxe_.isNull()) {
        clear();
        return;
    }
    // A picture is fitted once to each size it is shown at, on whichever control.
    const QSize area = contentsRect().size().expandedTo(QSize(0, 0));
    const QSize cabe = imaxe_.size().scaled(area, Qt::KeepAspectRatio);
    if (amosada_.isNull() || amosada_.size() != cabe) {
        const QString clave =
            QStringLiteral("quibel:%1:%2x%3").arg(imaxe_.cacheKey()).arg(cabe.width()).arg(cabe.height());
        if (!QPixmapCache::find(clave, &amosada_)) {
            amosada_ = imaxe_.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QPixmapCache::insert(clave, amosada_);
        }
    }
    setPixmap(amosada_);
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
        p = imaxedearquivo(arquivo, &erro);
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
            imaxe->porimaxe(imaxedearquivo(*f)); // a picture that cannot be read shows empty
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
