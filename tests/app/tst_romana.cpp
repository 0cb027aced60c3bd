// Qt's own texts where the program shows them: in Romanian, from the program's translation.
#include "support/mainfixture.h"
#include "support/uitest.h"

#include <QAbstractFileIconProvider>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A menu's items, "|" between them, without their shortcuts.
QString items(const QList<QAction *> &actions)
{
    QStringList l;
    for (const QAction *a : actions)
        a->isSeparator() ? void() : l.append(a->text().section(u'\t', 0, 0));
    return l.join(u'|');
}

QString text(const QAbstractButton *b)
{
    return b ? b->text() : QString();
}

QString menu(QMenu *m)
{
    const QString s = items(m->actions());
    delete m;
    return s;
}

} // namespace

class TestRomana : public QObject
{
    Q_OBJECT

private slots:
    void qtTexts();
};

void TestRomana::qtTexts()
{
    TempCwd cwd;
    QVERIFY(QDir().mkdir(u"dosar"_s) && QFile(u"x.sirolant"_s).open(QIODevice::WriteOnly));
    auto m = startMain(quietSettings());
    m->show();
    QMap<QString, QString> shown;
    // "Salveaza proiectul ca...": the file dialog, then its question about a file that exists.
    onNextModal([&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        if (!d)
            return void(w->close());
        for (const char *name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            shown[name] = d->findChild<QLabel *>(name)->text();
        for (const char *name : {"backButton", "forwardButton", "toParentButton", "newFolderButton",
                                 "listModeButton", "detailModeButton"})
            shown[name] = d->findChild<QToolButton *>(name)->toolTip();
        for (const char *name :
             {"qt_rename_action", "qt_delete_action", "qt_show_hidden_action", "qt_new_folder_action"})
            shown[name] = d->findChild<QAction *>(name)->text();
        auto *box = d->findChild<QDialogButtonBox *>(u"buttonBox"_s);
        for (auto b : {QDialogButtonBox::Save, QDialogButtonBox::Cancel})
            shown["buttons"] += text(box->button(b)) + u'|';
        const QAbstractItemModel *model = d->findChild<QTreeView *>(u"treeView"_s)->model();
        for (int i = 0; i < model->columnCount(); ++i)
            shown["columns"] += model->headerData(i, Qt::Horizontal).toString() + u'|';
        shown["folder"] = d->iconProvider()->type(QFileInfo(cwd.filePath(u"dosar"_s)));
        onNextModal([&](QWidget *q) {
            auto *question = qobject_cast<QMessageBox *>(q);
            shown["question"] = question
                                    ? question->text() + u'|' + question->button(QMessageBox::Yes)->text() +
                                          u'|' + question->button(QMessageBox::No)->text()
                                    : QString();
            q->close();
        });
        d->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(u"x.sirolant"_s);
        QMetaObject::invokeMethod(d, "accept");
        d->close();
    });
    m->findChild<QAction *>(u"mnuProiectSalveazaCa"_s)->trigger();
    // The text boxes' menus, the message box buttons, a palette's window menu.
    shown["line edit"] =
        menu(control<QLineEdit>(*m, "frmFerestre", "txtTitluFereastra")->createStandardContextMenu());
    shown["text edit"] = menu(QPlainTextEdit().createStandardContextMenu());
    QMessageBox box(QMessageBox::Question, u"t"_s, u"x"_s,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel |
                        QMessageBox::Close);
    for (auto b :
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Close})
        shown["message box"] += text(box.button(b)) + u'|';
    shown["window menu"] =
        items(m->subFereastra(m->findChild<QWidget *>(u"frmFerestre"_s))->systemMenu()->actions());

    const QMap<QString, QString> romanian = {
        {"lookInLabel", "Cauta in:"},
        {"fileNameLabel", "&Nume fisier:"},
        {"fileTypeLabel", "Fisiere de tipul:"},
        {"backButton", "Inapoi"},
        {"forwardButton", "Inainte"},
        {"toParentButton", "Dosarul parinte"},
        {"newFolderButton", "Creeaza un dosar nou"},
        {"listModeButton", "Lista"},
        {"detailModeButton", "Detalii"},
        {"qt_rename_action", "&Redenumeste"},
        {"qt_delete_action", "&Sterge"},
        {"qt_show_hidden_action", "Arata fisierele &ascunse"},
        {"qt_new_folder_action", "Dosar &nou"},
        {"buttons", "Salveaza|Anuleaza|"},
        {"columns", "Nume|Marime|Tip|Data modificarii|"},
        {"folder", "Dosar"},
        {"question", "x.sirolant exista deja.\nIl inlocuiti?|&Da|&Nu"},
        {"line edit", "&Anuleaza|&Reface|&Taie|&Copiaza|&Lipeste|Sterge|Selecteaza tot"},
        {"text edit", "&Anuleaza|&Reface|&Taie|&Copiaza|&Lipeste|Sterge|Selecteaza tot"},
        {"message box", "&Da|&Nu|OK|Anuleaza|Inchide|"},
        {"window menu", "&Muta|&Inchide"},
    };
    QStringList wrong;
    for (auto i = romanian.begin(); i != romanian.end(); ++i)
        shown.value(i.key()) == i.value() ? void() : wrong.append(i.key() + u": "_s + shown.value(i.key()));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

QTEST_MAIN(TestRomana)
#include "tst_romana.moc"
