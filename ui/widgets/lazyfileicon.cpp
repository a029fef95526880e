#include "lazyfileicon.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>

#include <optional>
#include <utility>

namespace {

class LazyFileIconEngine : public QIconEngine
{
public:
    explicit LazyFileIconEngine(QString fileName) : fileName(std::move(fileName)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Asked by every setWindowIcon, so it must not read the file: a missing
    // file is what makes a file icon null.
    bool isNull() override { return loaded ? loaded->isNull() : !QFileInfo::exists(fileName); }
    QString key() const override { return QStringLiteral("LazyFileIconEngine"); }
    QIconEngine *clone() const override
    {
        auto *copy = new LazyFileIconEngine(fileName);
        copy->loaded = loaded;
        return copy;
    }

private:
    const QIcon &icon()
    {
        if (!loaded)
            loaded = QIcon(fileName);
        return *loaded;
    }

    QString fileName;
    std::optional<QIcon> loaded;
};

}  // namespace

QIcon lazyFileIcon(const QString &fileName)
{
    return QIcon(new LazyFileIconEngine(fileName));
}
