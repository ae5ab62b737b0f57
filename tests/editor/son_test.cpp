// Sound: the calls sonar and pararson make on the engine (a recording fake), the fallback to the
// default application, and the SDL2_mixer engine itself on SDL's dummy and disk drivers.
#include "editor/son.h"
#include "ventaproba.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

using namespace quibel;
using proba::Venta;

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(QUIBEL_FIXTURES "/son/") + QString::fromLatin1(nome);
}

class Son : public Venta {
protected:
    void SetUp() override {
        Venta::SetUp();
        ASSERT_TRUE(almacen.isValid());
        ogg = almacen.filePath("a.ogg");
        mp3 = almacen.filePath("b.mp3");
        ASSERT_TRUE(QFile::copy(fixture("tono.ogg"), ogg));
        ASSERT_TRUE(QFile::copy(fixture("tono.mp3"), mp3));
        fakes.son->log.clear();
    }
    void iniciar(bool dispositivo) {
        fakes.son->inicia = dispositivo;
        form->iniciarson();
        fakes.son->log.clear();
    }
    QTemporaryDir almacen;
    QString ogg, mp3;
};

} // namespace

// What each sequence of commands asks of the engine and of the default application.
TEST_F(Son, CallsOnTheEngine) {
    struct Caso {
        const char* nome;
        bool dispositivo;
        std::function<void()> pasos;
        QStringList log;
        QStringList abertos; // files handed to the default application
    };
    const QString falta = almacen.filePath("non.mp3");
    const Caso casos[] = {
        {"play", true, [this] { form->sonar(ogg); }, {"free 0", "create " + ogg, "play 1"}, {}},
        {"two in a row",
         true,
         [this] { form->sonar(ogg), form->sonar(mp3); },
         {"free 0", "create " + ogg, "play 1", "free 1", "create " + mp3, "play 2"},
         {}},
        {"undecodable",
         true,
         [this] {
             fakes.son->indecodables = {mp3};
             form->sonar(mp3);
         },
         {"free 0", "create " + mp3},
         {mp3}},
        {"missing", true, [this, falta] { form->sonar(falta); }, {"free 0", "create " + falta}, {}},
        {"empty ends the last",
         true,
         [this] { form->sonar(ogg), form->sonar(QString()); },
         {"free 0", "create " + ogg, "play 1", "free 1"},
         {}},
        {"stop",
         true,
         [this] { form->sonar(ogg), form->pararson(); },
         {"free 0", "create " + ogg, "play 1", "stop 1"},
         {}},
        {"no device",
         false,
         [this] {
             form->sonar(ogg);
             form->sonar(QString());
             form->pararson();
         },
         {},
         {ogg}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        crear();
        fakes.son->ultimo = 0;
        fakes.son->indecodables.clear();
        fakes.aplicacion->abertos.clear();
        iniciar(c.dispositivo);
        EXPECT_EQ(form->bassactivo, c.dispositivo ? 1 : 0);
        c.pasos();
        EXPECT_EQ(fakes.son->log, c.log);
        QList<QUrl> abertos;
        for (const QString& a : c.abertos)
            abertos << QUrl::fromLocalFile(a);
        EXPECT_EQ(fakes.aplicacion->abertos, abertos);
    }
}

// Every play button of the sheet and of the resource panel goes through sonar; the shutdown
// frees the engine only when it had started.
TEST_F(Son, PlayButtonsAndShutdown) {
    iniciar(true);
    form->prepararfolla(TForm1::identif);
    Book& b = form->libro;
    b.arquivosonido = ogg;
    form->amosarpropiedades();
    form->findChild<QAbstractButton*>("btsoncontinuo")->click();
    form->documento.recursoescollido = mp3;
    form->previosonidoClick();
    form->pararpreviosonidoClick();
    EXPECT_EQ(fakes.son->log, (QStringList{"free 0", "create " + ogg, "play 1", "free 1", "create " + mp3,
                                           "play 2", "stop 2"}));
    fakes.son->log.clear();
    form.reset();
    EXPECT_EQ(fakes.son->log, QStringList{"shutdown"});

    crear();
    iniciar(false);
    form.reset();
    EXPECT_TRUE(fakes.son->log.isEmpty());
}

namespace {

// The real engine on a driver chosen here; the variables go back as they were.
class Motor : public ::testing::Test {
protected:
    void driver(const char* nome) { qputenv("SDL_AUDIODRIVER", nome); }
    void TearDown() override {
        motor.pechar();
        qunsetenv("SDL_AUDIODRIVER");
        qunsetenv("SDL_DISKAUDIOFILE");
    }
    MotorSon motor;
};

} // namespace

TEST_F(Motor, PlaysStopsAndRefusesWhatItCannotDecode) {
    driver("dummy");
    ASSERT_TRUE(motor.iniciar());
    EXPECT_TRUE(motor.iniciar()) << "a second init";
    QTemporaryDir d;
    const QString cancion = d.filePath(QStringLiteral("canción.ogg"));
    ASSERT_TRUE(QFile::copy(fixture("tono.ogg"), cancion));
    const QString texto = d.filePath("x.acc");
    {
        QFile f(texto);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a sound at all\n");
    }
    EXPECT_EQ(motor.crear(d.filePath("non.ogg")), 0u);
    EXPECT_EQ(motor.crear(texto), 0u);
    const quint32 a = motor.crear(cancion);
    ASSERT_NE(a, 0u);
    motor.tocar(a);
    EXPECT_TRUE(motor.tocando());
    motor.parar(a);
    EXPECT_FALSE(motor.tocando());

    const quint32 b = motor.crear(fixture("tono.mp3"));
    ASSERT_NE(b, 0u);
    motor.tocar(b);
    EXPECT_TRUE(motor.tocando());
    motor.liberar(b);
    EXPECT_FALSE(motor.tocando()) << "freeing a stream ends it";
    motor.liberar(b);
    motor.liberar(0);
    EXPECT_EQ(motor.streams(), 1);

    motor.pechar();
    EXPECT_EQ(motor.crear(cancion), 0u) << "nothing without a device";
    EXPECT_TRUE(motor.iniciar()) << "init again after a shutdown";
}

// sonar on the real engine: the second sound replaces the first.
TEST_F(Son, ASecondSoundReplacesTheFirstOnTheRealEngine) {
    qputenv("SDL_AUDIODRIVER", "dummy");
    auto motor = std::make_shared<MotorSon>();
    servizos().son = motor;
    form->iniciarson();
    ASSERT_EQ(form->bassactivo, 1);
    form->sonar(ogg);
    EXPECT_TRUE(motor->tocando());
    form->sonar(mp3);
    EXPECT_TRUE(motor->tocando());
    EXPECT_EQ(motor->streams(), 1);
    form->pararson();
    EXPECT_FALSE(motor->tocando());
    form.reset();
    EXPECT_FALSE(motor->activo());
    qunsetenv("SDL_AUDIODRIVER");
}

// The disk driver writes what plays: some samples are not silence.
TEST_F(Motor, TheDiskDriverReceivesSamples) {
    QTemporaryDir d;
    const QString saida = d.filePath("saida.raw");
    driver("disk");
    qputenv("SDL_DISKAUDIOFILE", saida.toUtf8());
    ASSERT_TRUE(motor.iniciar());
    const quint32 c = motor.crear(fixture("tono.ogg"));
    ASSERT_NE(c, 0u);
    motor.tocar(c);
    bool son = false;
    QElapsedTimer t;
    t.start();
    while (!son && t.elapsed() < 5000) {
        QThread::msleep(50);
        QFile f(saida);
        if (f.open(QIODevice::ReadOnly)) son = f.readAll().count('\0') < f.size();
    }
    EXPECT_TRUE(son);
}

TEST_F(Motor, AnUnknownDriverGivesNoDevice) {
    driver("no-such-driver");
    EXPECT_FALSE(motor.iniciar());
    EXPECT_FALSE(motor.activo());
}

// The engine starts with the first sound, not with the window.
TEST_F(Venta, TheEngineStartsWithTheFirstSound) {
    fakes.son->inicia = true;
    crear();
    EXPECT_FALSE(fakes.son->log.contains("init"));
    EXPECT_EQ(form->bassactivo, 0);
    form->sonar(QString());
    EXPECT_EQ(fakes.son->log.count("init"), 1);
    EXPECT_EQ(form->bassactivo, 1);
    form->sonar(QString());
    EXPECT_EQ(fakes.son->log.count("init"), 1);
}
