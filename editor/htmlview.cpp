#include "editor/htmlview.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocument>

namespace quibel {

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
    // Any other change of the document (a clear, a text set from outside) makes the next load parse.
    connect(document(), &QTextDocument::contentsChanged, this, [this] { vixente_ = false; });
}

namespace {

// What tells that a file has changed: its size and its modification and status-change times (a
// file replaced by another has a new status-change time); empty for no file.
QByteArray estadoarquivo(const QString& ruta) {
    if (ruta.isEmpty()) return {};
    const QFileInfo f(ruta);
    if (!f.isFile()) return {};
    return QByteArray::number(f.size()) + ' ' + QByteArray::number(f.lastModified().toMSecsSinceEpoch()) +
           ' ' + QByteArray::number(f.metadataChangeTime().toMSecsSinceEpoch());
}

} // namespace

void HtmlView::load(const QString& html) {
    if (vixente_ && html == source_ && searchPaths() == carpetas_) {
        bool iguais = true;
        for (auto i = imaxes_.cbegin(); iguais && i != imaxes_.cend(); ++i)
            iguais = estadoarquivo(i.key()) == i.value();
        if (iguais) {
            // Where a new load leaves the view: the cursor at the start, the text at its top.
            moveCursor(QTextCursor::Start);
            horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
            verticalScrollBar()->setValue(verticalScrollBar()->minimum());
            return;
        }
    }
    source_ = html;
    imaxes_.clear();
    setHtml(htmlparaver(html));
    carpetas_ = searchPaths();
    vixente_ = true;
}

QVariant HtmlView::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource) {
        // The file the browser reads for the name: an absolute path, or the first search path
        // that holds it.
        QString ruta;
        const QString local = name.isLocalFile()        ? name.toLocalFile()
                              : name.scheme().isEmpty() ? name.path()
                                                        : QString();
        if (!local.isEmpty()) {
            if (QDir::isAbsolutePath(local)) {
                ruta = local;
            } else {
                for (const QString& c : searchPaths()) {
                    const QString r = QDir(c).filePath(local);
                    if (QFileInfo(r).isFile()) {
                        ruta = r;
                        break;
                    }
                }
                // None holds it yet: watch where it would appear first.
                if (ruta.isEmpty() && !searchPaths().isEmpty())
                    ruta = QDir(searchPaths().first()).filePath(local);
            }
        }
        // A picture missing is asked for at every layout; its first state is the one kept.
        if (!ruta.isEmpty() && !imaxes_.contains(ruta)) imaxes_.insert(ruta, estadoarquivo(ruta));
    }
    return QTextBrowser::loadResource(type, name);
}

void HtmlView::setColours(const QColor& fondo, const QColor& texto) {
    QPalette p = palette();
    p.setColor(QPalette::Base, fondo);
    p.setColor(QPalette::Text, texto);
    setPalette(p);
}

void HtmlView::porcarpeta(const QString& carpeta) {
    setSearchPaths({carpeta});
}

void HtmlView::mouseReleaseEvent(QMouseEvent* e) {
    QTextBrowser::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton) emit clicked();
}

namespace {

// Whether a tag of that name opens at i ("<li>" or "<li ...>", any case).
bool etiqueta(const QString& t, qsizetype i, QLatin1String nome) {
    if (!QStringView(t).mid(i).startsWith(nome, Qt::CaseInsensitive)) return false;
    const qsizetype d = i + nome.size();
    return d < t.size() && (t[d] == u'>' || t[d].isSpace());
}

// The page texts write bulleted lines as bare list items; a view shows bullets only inside a list,
// so each run of items (with the line breaks between them) goes into one.
QString listasvisibles(const QString& t) {
    const QLatin1String li("<li"), fin("</li>");
    if (!t.contains(li, Qt::CaseInsensitive) || t.contains(QLatin1String("<ul"), Qt::CaseInsensitive) ||
        t.contains(QLatin1String("<ol"), Qt::CaseInsensitive))
        return t;
    QString r;
    r.reserve(t.size() + 64);
    qsizetype i = 0;
    for (;;) {
        qsizetype a = t.indexOf(li, i, Qt::CaseInsensitive);
        while (a >= 0 && !etiqueta(t, a, li))
            a = t.indexOf(li, a + 1, Qt::CaseInsensitive);
        if (a < 0) break;
        r += QStringView(t).mid(i, a - i);
        r += QLatin1String("<ul>");
        for (;;) {
            const qsizetype e = t.indexOf(fin, a, Qt::CaseInsensitive);
            if (e < 0) {
                r += QStringView(t).mid(a);
                r += QLatin1String("</ul>");
                return r;
            }
            r += QStringView(t).mid(a, e + fin.size() - a);
            i = e + fin.size();
            // Blanks and line breaks up to the next item stay out of the list.
            qsizetype k = i;
            for (;;) {
                while (k < t.size() && t[k].isSpace())
                    ++k;
                const bool br = QStringView(t).mid(k).startsWith(QLatin1String("<br"), Qt::CaseInsensitive) &&
                                k + 3 < t.size() &&
                                (t[k + 3] == u'>' || t[k + 3] == u'/' || t[k + 3].isSpace());
                const qsizetype pecha = br ? t.indexOf(u'>', k) : -1;
                if (pecha < 0) break;
                k = pecha + 1;
            }
            if (!etiqueta(t, k, li)) break;
            a = k;
        }
        r += QLatin1String("</ul>");
    }
    r += QStringView(t).mid(i);
    return r;
}

} // namespace

QString htmlparaver(const QString& html) {
    // Inside a font tag only: size="N" (quoted or not) becomes a size in points.
    static const QRegularExpression tamano(QStringLiteral(R"((<font\b[^>]*?)\bsize\s*=\s*["']?(\d+)["']?)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString r = listasvisibles(html);
    r.replace(tamano, QStringLiteral(R"(\1style="font-size:\2pt")"));
    return r;
}

} // namespace quibel
