#include "editor/quibelf.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quibel"));
    quibel::TForm1 form;
    form.show();
    return app.exec();
}
