#include "editor/htmlview.h"

#include <QMouseEvent>
#include <QRegularExpression>

namespace quibel {

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
}

void HtmlView::load(const QString& html) {
    source_ = html;
    setHtml(htmlparaver(html));
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
