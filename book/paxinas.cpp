#include "book/paxinas.h"

#include "book/campos.h"
#include "book/rutinas.h"

#include <vector>

namespace quibel {

namespace {

void copiarfila(Book& libro, int destino, int orixe) {
    libro.paxina(destino) = libro.paxina(orixe);
    for (int i = 1; i <= Book::numtextos; ++i)
        libro.texto(destino, i) = libro.texto(orixe, i);
}

void baleirarfila(Book& libro, int fila) {
    for (QString& c : libro.paxina(fila).P)
        c.clear();
    for (int i = 1; i <= Book::numtextos; ++i)
        libro.texto(fila, i).clear();
}

} // namespace

bool paxinanova(Documento& documento, int n) {
    Book& libro = documento.libro;
    if (n < 1 || libro.numpaxinas + n >= Book::maxpaxinas + 1) return false;
    const int c = documento.paxinaactual();
    for (int i = libro.numpaxinas; i >= c + 1; --i)
        copiarfila(libro, i + n, i);
    libro.numpaxinas = quint8(libro.numpaxinas + n);
    for (int i = c + 1; i <= c + n; ++i)
        baleirarfila(libro, i);
    documento.porpaxinaactual(c + 1);
    return true;
}

bool duplicarpaxina(Documento& documento) {
    const int c = documento.paxinaactual();
    if (c < 1 || c > documento.libro.numpaxinas || !paxinanova(documento, 1)) return false;
    copiarfila(documento.libro, c + 1, c);
    return true;
}

bool borrarpaxina(Documento& documento) {
    Book& libro = documento.libro;
    const int c = documento.paxinaactual();
    const int n = libro.numpaxinas;
    if (c < 1 || c > n) return false;
    // Row n + 1 still lies inside the table (105 rows for at most 99 pages).
    for (int i = c; i <= n; ++i)
        copiarfila(libro, i, i + 1);
    baleirarfila(libro, n);
    libro.numpaxinas = quint8(n - 1);
    if (!(c == 1 && libro.numpaxinas > 0)) documento.porpaxinaactual(c - 1);
    return true;
}

QStringList linasorde(const Book& libro) {
    QStringList linas;
    for (int i = 1; i <= libro.numpaxinas; ++i)
        linas << QStringLiteral("%1 >%2")
                     .arg(i, 2, 10, QLatin1Char('0'))
                     .arg(libro.paxina(i)[campo::cabeceira]);
    return linas;
}

int paxinadalina(const QString& lina) {
    return enteiro(lina.left(2), 1);
}

void aplicarorde(Book& libro, const QStringList& linas) {
    const int n = libro.numpaxinas;
    if (n <= 1) return;
    std::vector<Tpaxina> campos(n + 1);
    std::vector<std::array<QString, Book::numtextos + 1>> textos(n + 1);
    for (int i = 1; i <= n; ++i) {
        // A line that is missing or names no page of the book keeps the page at its position.
        int s = i <= linas.size() ? paxinadalina(linas[i - 1]) : i;
        if (s < 1 || s > n) s = i;
        campos[i] = libro.paxina(s);
        for (int k = 1; k <= Book::numtextos; ++k)
            textos[i][k] = libro.texto(s, k);
    }
    for (int i = 1; i <= n; ++i) {
        libro.paxina(i) = campos[i];
        for (int k = 1; k <= Book::numtextos; ++k)
            libro.texto(i, k) = textos[i][k];
    }
}

int tipoparamostrar(Tpaxina& paxina) {
    const int t = enteiro(paxina[campo::tipo], 0);
    if (t < 1) return 0;
    if (t > 51) {
        paxina[campo::tipo] = QStringLiteral("51");
        return 51;
    }
    return t;
}

} // namespace quibel
