#pragma once

#include <QComboBox>
#include <QString>
#include <QWidget>

class QListWidget;
class QListWidgetItem;

// Drive list: the root paths of the mounted volumes, the root of the current
// directory's volume selected. Choosing a line is changing the drive.
class ListaDiscuri : public QComboBox
{
    Q_OBJECT

public:
    explicit ListaDiscuri(QWidget *parent = nullptr);

    QString drive() const; // the selected root path
    // Selects the line of the volume holding path (adds it when missing).
    void setDriveFor(const QString &path);
};

// Folder list: the current folder's ancestors from the root down, then its
// sub-folders. Activating (double-click, Enter) a line opens that folder.
// Setting path is the same as the user opening that folder.
class ListaDosare : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)

public:
    explicit ListaDosare(QWidget *parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString &path);

    QListWidget *list() const { return list_; }

signals:
    void pathChanged(const QString &path);

private:
    void refill();
    void onActivated(QListWidgetItem *item);

    QString path_;
    QListWidget *list_;
};

// Joins a folder and a file name with exactly one separator, whether or not
// the folder already ends in one (a root folder does).
QString joinPath(const QString &folder, const QString &fileName);
