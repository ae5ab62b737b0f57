#include "editor/principal.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return quibel::bloqueprincipal(app, QApplication::arguments().mid(1));
}
