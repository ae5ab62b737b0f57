#include "book/paxinas.h"

#include "book/rutinas.h"

#include <vector>

namespace quibel {

namespace {

void copiarfila(Book& libro, int destino, int orixe) {
    libro.taboapaxinas[destino] = libro.taboapaxinas[orixe];
    libro.textospaxina[destino] = libro.textospaxina[orixe];
}

void baleirarfila(Book& libro, int fila) {
    for (QString& c : libro.taboapaxinas[fila].P)
        c.clear();
    for (QString& w : libro.textospaxina[fila])
        w.clear();
}

} // namespace

bool paxinanova(Book& libro, int n) {
    if (n < 1 || libro.numpaxinas + n >= Book::maxpaxinas + 1) return false;
    const int c = libro.paxinaactual;
    for (int i = libro.numpaxinas; i >= c + 1; --i)
        copiarfila(libro, i + n, i);
    libro.paxinaactual = quint8(c + 1);
    libro.numpaxinas = quint8(libro.numpaxinas + n);
    for (int i = c + 1; i <= c + n; ++i)
        baleirarfila(libro, i);
    return true;
}

bool duplicarpaxina(Book& libro) {
    const int c = libro.paxinaactual;
    if (c < 1 || c > libro.numpaxinas || !paxinanova(libro, 1)) return false;
    copiarfila(libro, c + 1, c);
    return true;
}

bool borrarpaxina(Book& libro) {
    const int c = libro.paxinaactual;
    const int n = libro.numpaxinas;
    if (c < 1 || c > n) return false;
    // Row n + 1 still lies inside the table (105 rows for at most 99 pages).
    for (int i = c; i <= n; ++i)
        copiarfila(libro, i, i + 1);
    baleirarfila(libro, n);
    libro.numpaxinas = quint8(n - 1);
    if (!(c == 1 && libro.numpaxinas > 0)) libro.paxinaactual = quint8(c - 1);
    return true;
}

QStringList linasorde(const Book& libro) {
    QStringList linas;
    for (int i = 1; i <= libro.numpaxinas; ++i)
        linas << QStringLiteral("%1 >%2").arg(i, 2, 10, QLatin1Char('0')).arg(libro.taboapaxinas[i][35]);
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
        campos[i] = libro.taboapaxinas[s];
        textos[i] = libro.textospaxina[s];
    }
    for (int i = 1; i <= n; ++i) {
        libro.taboapaxinas[i] = campos[i];
        libro.textospaxina[i] = textos[i];
    }
}

int tipoparamostrar(Tpaxina& paxina) {
    const int t = enteiro(paxina[0], 0);
    if (t < 1) return 0;
    if (t > 51) {
        paxina[0] = QStringLiteral("51");
        return 51;
    }
    return t;
}

} // namespace quibel
