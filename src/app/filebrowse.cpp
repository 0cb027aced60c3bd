#include "filebrowse.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int PathRole = Qt::UserRole;
}

ListaDiscuri::ListaDiscuri(QWidget *parent)
    : QComboBox(parent)
{
    QStringList roots;
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        if (v.isValid() && v.isReady() && !roots.contains(v.rootPath()))
            roots.append(v.rootPath());
    }
    if (!roots.contains(QDir::rootPath()))
        roots.append(QDir::rootPath());
    roots.sort(Qt::CaseInsensitive);
    for (const QString &r : roots)
        addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QDir::toNativeSeparators(r), r);
    setDriveFor(QDir::currentPath());
}

QString ListaDiscuri::drive() const
{
    return currentData(Qt::UserRole).toString();
}

void ListaDiscuri::setDriveFor(const QString &path)
{
    const QString root =
        QStorageInfo(path).rootPath().isEmpty() ? QDir::rootPath() : QStorageInfo(path).rootPath();
    int i = findData(root, Qt::UserRole);
    if (i < 0) {
        addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QDir::toNativeSeparators(root), root);
        i = count() - 1;
    }
    setCurrentIndex(i);
}

ListaDosare::ListaDosare(QWidget *parent)
    : QWidget(parent)
    , list_(new QListWidget(this))
{
    list_->setObjectName(QStringLiteral("lista"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemActivated, this, &ListaDosare::onActivated);
    setFocusProxy(list_);
}

void ListaDosare::setPath(const QString &path)
{
    QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (!QFileInfo(clean).isDir())
        return; // a folder that does not exist cannot be opened
    if (clean == path_)
        return;
    path_ = clean;
    refill();
    emit pathChanged(path_);
}

void ListaDosare::refill()
{
    list_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList chain;
    for (QDir d(path_);;) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &p : chain) {
        const QString name = QDir(p).isRoot() ? QDir::toNativeSeparators(p) : QFileInfo(p).fileName();
        auto *item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, list_);
        item->setData(PathRole, p);
        ++depth;
    }
    list_->setCurrentRow(list_->count() - 1);

    QDir dir(path_);
    const QFileInfoList subdirs =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &fi : subdirs) {
        auto *item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + fi.fileName(), list_);
        item->setData(PathRole, fi.absoluteFilePath());
    }
}

void ListaDosare::onActivated(QListWidgetItem *item)
{
    if (item)
        setPath(item->data(PathRole).toString());
}

QString joinPath(const QString &folder, const QString &fileName)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}
