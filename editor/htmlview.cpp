#include "editor/htmlview.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextDocument>

namespace quibel {

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
    // Any other change of the document (a clear, a text set from outside) makes the next load parse.
    connect(document(), &QTextDocument::contentsChanged, this, [this] { vixente_ = false; });
}

void HtmlView::load(const QString& html) {
    if (vixente_ && html == source_ && searchPaths() == carpetas_) return;
    source_ = html;
    setHtml(htmlparaver(html));
    carpetas_ = searchPaths();
    vixente_ = true;
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

QString htmlparaver(const QString& html) {
    // Inside a font tag only: size="N" (quoted or not) becomes a size in points.
    static const QRegularExpression tamano(QStringLiteral(R"((<font\b[^>]*?)\bsize\s*=\s*["']?(\d+)["']?)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString r = html;
    r.replace(tamano, QStringLiteral(R"(\1style="font-size:\2pt")"));
    return r;
}

} // namespace quibel
