#include "editor/ufrmsplah.h"

#include "editor/quibelf.h"
#include "editor/servizos.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace quibel {

Tfrmsplash::Tfrmsplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmsplash"));
    setFixedSize(184, 169);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    auto* marco = new QFrame(this);
    marco->setObjectName(QStringLiteral("marco"));
    marco->setFrameShape(QFrame::Box);
    marco->setAutoFillBackground(true);
    QPalette p = marco->palette();
    p.setColor(QPalette::Window, QColor(0x84, 0xE1, 0xFD));
    marco->setPalette(p);
    l->addWidget(marco);
    auto* dentro = new QVBoxLayout(marco);
    auto* nome = new QLabel(QStringLiteral("Quibel"), marco);
    nome->setObjectName(QStringLiteral("imaxesplash"));
    QFont f = nome->font();
    f.setPixelSize(36);
    f.setBold(true);
    nome->setFont(f);
    nome->setAlignment(Qt::AlignCenter);
    splashident = new QLabel(marco);
    splashident->setObjectName(QStringLiteral("splashident"));
    splashident->setTextFormat(Qt::PlainText);
    splashident->setAlignment(Qt::AlignCenter);
    splashident->setText(versionquibel);
    dentro->addWidget(nome, 1);
    dentro->addWidget(splashident);

    // Centred on the desktop.
    const QSize area = areapantalla();
    move((area.width() - width()) / 2, (area.height() - height()) / 2);
}

} // namespace quibel
