#include "editor/quibelf.h"

#include "book/rutinas.h"
#include "languages/idiomas.h"

#include <QCoreApplication>
#include <QDir>

namespace quibel {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quibel"));
    resize(1024, 700);
    libro.paxinaactual = 0;
    libro.numpaxinas = 1;
    libro.carpetalibro = QDir::currentPath();
    libro.carpetarecursos = libro.carpetalibro;
    libro.carpetaprograma = condelimitador(QCoreApplication::applicationDirPath());
    libro.carpetacfg = escollercarpetacfg(libro.carpetaprograma);
    crearcontroisidioma();
    crearbotonesmenu();
}

TForm1::~TForm1() {
    soltarcontroisidioma();
}

} // namespace quibel
