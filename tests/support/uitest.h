#pragma once

// Driving the real forms headless: a temporary current directory, finding controls, and answering the modal
// dialogs and message boxes that open while a test acts.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>

// A fresh temporary directory as the current one while the object lives (the options file lives there).
class TempCwd
{
public:
    TempCwd() { QDir::setCurrent(dir_.path()); }
    ~TempCwd() { QDir::setCurrent(previous_); }

    QString filePath(const QString &name) const { return dir_.filePath(name); }

private:
    QString previous_ = QDir::currentPath();
    QTemporaryDir dir_;
};

// What a message box showed, filled in when it was answered.
struct SeenBox {
    bool seen = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Runs action once on the next modal widget that becomes active (not the one active now); gives up after
// timeoutMs.
void onNextModal(std::function<void(QWidget *)> action, int timeoutMs = 5000);

// Runs body on the modal dialog that open() shows, then closes it if still open; false if none opened.
bool duringModal(const std::function<void()> &open, const std::function<void(QDialog *)> &body);

// Answers the next modal message box by clicking button, recording it.
std::shared_ptr<SeenBox> answerNextMessageBox(QMessageBox::StandardButton button, int timeoutMs = 5000);

// Finds a named descendant of a form; for one that may not exist, check for nullptr.
template <typename T> T *find(QObject *root, const QString &name)
{
    return root ? root->findChild<T *>(name) : nullptr;
}

// Left click (press and release inside) on a widget.
inline void clickWidget(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}
