#include "lazyfileicon.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>

#include <functional>
#include <optional>
#include <utility>

namespace {

class LazyIconEngine : public QIconEngine
{
public:
    LazyIconEngine(std::function<QIcon()> load, std::function<bool()> nullBeforeLoading)
        : load(std::move(load)), nullBeforeLoading(std::move(nullBeforeLoading))
    {}

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
    // Asked by every setWindowIcon and setIcon, so it must not load the icon.
    bool isNull() override { return loaded ? loaded->isNull() : nullBeforeLoading(); }
    QString key() const override { return QStringLiteral("LazyIconEngine"); }
    QIconEngine *clone() const override
    {
        auto *copy = new LazyIconEngine(load, nullBeforeLoading);
        copy->loaded = loaded;
        return copy;
    }

private:
    const QIcon &icon()
    {
        if (!loaded)
            loaded = load();
        return *loaded;
    }

    std::function<QIcon()> load;
    std::function<bool()> nullBeforeLoading;
    std::optional<QIcon> loaded;
};

}  // namespace

QIcon lazyFileIcon(const QString &fileName)
{
    // A missing file is what makes a file icon null.
    return QIcon(new LazyIconEngine([fileName] { return QIcon(fileName); },
                                    [fileName] { return !QFileInfo::exists(fileName); }));
}

QIcon lazyIcon(std::function<QIcon()> load)
{
    return QIcon(new LazyIconEngine(std::move(load), [] { return false; }));
}
