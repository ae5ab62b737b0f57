// The import sheet of the main window: the source book file, the range of its pages, and the
// start button, which inserts those pages after the page shown.
#include "book/XMLParser.h"
#include "book/comandos.h"
#include "book/rutinas.h"
#include "editor/avisos.h"
#include "editor/controis.h"
#include "editor/follas.h"
#include "editor/garda.h"
#include "editor/propiedades.h"
#include "editor/quibelf.h"
#include "languages/idiomas.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace quibel {

void TForm1::crearimportacion() {
    auto* grella = new QGridLayout;
    const auto etiqueta = [this](const char* nome) {
        auto* l = new QLabel(TabInserir);
        l->setObjectName(QString::fromLatin1(nome));
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    labelinsert = etiqueta("labelinsert");
    labelinsertlibro = etiqueta("labelinsertlibro");
    labelinsertpaxinas = etiqueta("labelinsertpaxinas");
    arquivoengadir = new LabelledEdit(TabInserir);
    arquivoengadir->setObjectName(QStringLiteral("arquivoengadir"));
    SpeedButton200 = new QToolButton(TabInserir);
    SpeedButton200->setObjectName(QStringLiteral("SpeedButton200"));
    SpeedButton200->setText(QStringLiteral("..."));
    engadedesde = new QLineEdit(TabInserir);
    engadedesde->setObjectName(QStringLiteral("engadedesde"));
    engadeata = new QLineEdit(TabInserir);
    engadeata->setObjectName(QStringLiteral("engadeata"));
    for (QLineEdit* e : {engadedesde, engadeata})
        e->setMaximumWidth(60);
    btinserirxa = new QPushButton(TabInserir);
    btinserirxa->setObjectName(QStringLiteral("btinserirxa"));
    btinserirxa->setEnabled(false);
    grella->addWidget(labelinsert, 0, 0, 1, 4);
    grella->addWidget(labelinsertlibro, 1, 0);
    grella->addWidget(arquivoengadir, 1, 1, 1, 2);
    grella->addWidget(SpeedButton200, 1, 3);
    grella->addWidget(labelinsertpaxinas, 2, 0);
    grella->addWidget(engadedesde, 2, 1);
    grella->addWidget(engadeata, 2, 2);
    grella->addWidget(btinserirxa, 3, 1);
    grella->setColumnStretch(4, 1);
    grella->setRowStretch(4, 1);
    TabInserir->setLayout(grella);

    connect(SpeedButton200, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton200Click));
    connect(btinserirxa, &QPushButton::clicked, this, en(this, &TForm1::btinserirxaClick));
    connect(btinserir, &QToolButton::clicked, this, en(this, &TForm1::btinserirClick));
    // Enter in the source edit, or leaving it, points the resource panel again, as the book's
    // resource folder edit does.
    SaidaEdit::vincular(
        arquivoengadir->edit(), [this] { ponrecursos(); }, this);
}

void TForm1::btinserirClick() {
    if (documento.paxinaactual() <= 0) return;
    titular->setText(textosui[196]);
    panelsonavega->hide();
    vercomunes(0);
    prepararfolla(inserir);
    arquivoengadir->edit()->clear();
    engadedesde->clear();
    engadeata->clear();
    btinserirxa->setEnabled(false);
    tipaxinas->amosar(inserir);
}

void TForm1::SpeedButton200Click() {
    const QString arquivo = servizos().dialogos->abrirarquivo(
        textosui[196], libro.carpetalibro, QStringLiteral("Libros ZUB (*.zube *.xml *.zub)"));
    if (!arquivo.isEmpty()) paraengadir(arquivo);
}

void TForm1::paraengadir(const QString& arquivo) {
    if (arquivo.isEmpty()) return;
    prepararfolla(inserir);
    arquivoengadir->setText(arquivo);
    // A source that cannot be read leaves the start button disabled, without a word.
    const FonteImportacion fonte = lerimportacion(*docxml, arquivo);
    if (!fonte.ok) return;
    engadedesde->setText(QStringLiteral("1"));
    engadeata->setText(QString::number(fonte.paxinas));
    btinserirxa->setEnabled(true);
}

void TForm1::btinserirxaClick() {
    engadir(arquivoengadir->text(), enteiro(engadedesde->text(), 1), enteiro(engadeata->text(), 1));
    bpaxinasClick();
}

void TForm1::engadir(const QString& arquivo, int desde, int ata) {
    if (arquivo.isEmpty() || !paxinavalida()) return;
    // Nothing of a hidden editor may be stored into a page that moves.
    documento.tipoactual = 0;
    const Importacion r = importar(documento, *docxml, arquivo, desde, ata);
    if (!r.ok) {
        mensaxe(r.erro);
        return;
    }
    if (r.ata != ata) prepararfolla(inserir), engadeata->setText(QString::number(r.ata));
    if (r.insertadas == 0) return;
    crecerselector(libro.numpaxinas);
    documento.porpaxinaactual(1);
}

} // namespace quibel
