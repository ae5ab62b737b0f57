// A read-only view of a page text. It keeps the HTML it was loaded with and gives it back byte for
// byte (the document's own HTML is another dialect); it shows font sizes as points, follows no
// link, finds relative pictures in the book's folder and tells of a left click. The same text
// loaded again keeps the document it made: a page shown again is neither parsed nor laid out anew,
// unless a picture it shows has changed on disk since.
#pragma once

#include <QHash>
#include <QTextBrowser>

namespace quibel {

class HtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent = nullptr);

    void load(const QString& html);
    const QString& source() const { return source_; }
    void setColours(const QColor& fondo, const QColor& texto);
    // The folder relative pictures are read from.
    void porcarpeta(const QString& carpeta);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString source_;
    bool vixente_ = false; // the document is the one source_ made, untouched since
    QStringList carpetas_;
    // The picture files the document read, each with its state then (empty: none was there).
    QHash<QString, QByteArray> imaxes_;
};

// The HTML the view shows for a page text: `size` of a font in points rather than on the 1..7
// scale.
QString htmlparaver(const QString& html);

} // namespace quibel
