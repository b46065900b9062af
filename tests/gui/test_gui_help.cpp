// The Help command: the document of the current language, the two messages, and the viewer
// started with the quoted path, once with a stand-in for the system and once with the real
// lookup through xdg-mime and a desktop entry.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "output/installpaths.h"
#include "output/ui/help.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using namespace kovolo;
using namespace kovolo::output;

namespace {

struct Shown {
    QString title;
    QString text;
    QString icon;
    bool cancelOffered = false;
};

// Answers every message box with OK and records what it showed.
class BoxRecorder : public QObject {
public:
    BoxRecorder()
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || box->objectName() != QLatin1String("PimMsgBox") || !box->isVisible())
                return;
            Shown s;
            s.title = box->windowTitle();
            s.text = box->findChild<QLabel*>("LabelMsg")->text();
            for (const char* name :
                 {"ImageStop", "ImageFrage", "ImageAusruf", "ImageInfo", "ImageKreuz"})
                if (box->findChild<QLabel*>(QString::fromLatin1(name))->isVisible())
                    s.icon = QString::fromLatin1(name);
            s.cancelOffered = box->findChild<QPushButton*>("Command1")->isVisible();
            shown << s;
            box->findChild<QPushButton*>("Command2")->click();
        });
        timer_.start();
    }
    QList<Shown> shown;

private:
    QTimer timer_;
};

// The system as the help command sees it: two folders, a registered viewer (or none) and the
// command lines that were started.
class FakeHelpPlatform : public HelpPlatform {
public:
    QStringList dirs;
    Viewer viewer;
    QStringList started;
    QStringList documentDirectories() const override { return dirs; }
    Viewer findViewer(const QString&) const override { return viewer; }
    void start(const QString& commandLine) override { started << commandLine; }
};

// Only the folders are the test's; the viewer lookup and the start are the system's.
class RealLookupPlatform : public HelpPlatform {
public:
    QStringList dirs;
    QStringList documentDirectories() const override { return dirs; }
};

void writeFile(const QString& path, const QByteArray& contents,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    file.setPermissions(permissions);
}

} // namespace

class TestGuiHelp : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    FakeHelpPlatform* fake = nullptr;
    QString programDir;   // has a blank in its name
    QString installedDir; // the second place
    QString viewerPath;

    QString doc(const QString& dir, const char* name) const
    {
        return QDir(dir).filePath(QString::fromLatin1(name));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(root.isValid());
        programDir = root.filePath("my programs/kovolo");
        installedDir = root.filePath("share/kovolo");
        viewerPath = root.filePath("bin/viewer");
        QDir().mkpath(programDir);
        QDir().mkpath(installedDir);
        writeFile(viewerPath, "#!/bin/sh\n", QFile::ReadOwner | QFile::ExeOwner);
    }

    void init()
    {
        resetGlobals();
        auto platform = std::make_unique<FakeHelpPlatform>();
        fake = platform.get();
        fake->dirs = {programDir, installedDir};
        fake->viewer.program = viewerPath;
        setHelpPlatform(std::move(platform));
        for (const QString& dir : {programDir, installedDir})
            for (const QFileInfo& f : QDir(dir).entryInfoList(QDir::Files))
                QFile::remove(f.filePath());
    }
    void cleanup() { setHelpPlatform(nullptr); }

    void opensTheDocumentOfTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::newRow("franz") << "franz"
                               << "kovolo13_f.pdf";
        QTest::newRow("englisch") << "englisch"
                                  << "kovolo13_e.pdf";
        QTest::newRow("unknown code") << "Klingon"
                                      << "kovolo13_e.pdf";
        QTest::newRow("cz") << "cz"
                            << "kovolo13_cz.pdf";
    }
    void opensTheDocumentOfTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        globals().currentLanguage = code.toStdString();
        for (const char* name :
             {"kovolo13_d.pdf", "kovolo13_e.pdf", "kovolo13_f.pdf", "kovolo13_cz.pdf"})
            writeFile(doc(programDir, name), "%PDF-1.4\n");
        BoxRecorder boxes;
        openHelp();
        QVERIFY(boxes.shown.isEmpty());
        // The path has a blank: quoted, it stays one argument.
        QCOMPARE(fake->started, QStringList{viewerPath + " \"" + programDir + "/" + file + "\""});
    }

    void theMenuItemOpensHelpEachTime()
    {
        writeFile(doc(programDir, "kovolo13_d.pdf"), "%PDF-1.4\n");
        MainWindow window;
        QAction* item = window.findChild<QAction*>("mnuHelpHilfe");
        QVERIFY(item->isEnabled());
        QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F1));
        item->trigger();
        item->trigger();
        QCOMPARE(fake->started.size(), 2);
    }

    void theInstalledDocumentIsFound()
    {
        writeFile(doc(installedDir, "kovolo13_d.pdf"), "%PDF-1.4\n");
        openHelp();
        QCOMPARE(fake->started,
                 QStringList{viewerPath + " \"" + installedDir + "/kovolo13_d.pdf\""});
    }

    void missingDocument_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("ital") << "ital"
                              << "File \r\n%1/kovolo13_i.pdf\r\nnot found. File xyz does not "
                                 "exist!\r\nPlease look for the file."
                              << " File not found ";
        QTest::newRow("deutsch") << "deutsch"
                                 << "Die Datei \r\n%1/kovolo13_d.pdf\r\nist nicht vorhanden!\r\n"
                                    "Bitte selbst nach der Datei suchen."
                                 << " Datei nicht gefunden ";
    }
    void missingDocument()
    {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(QString, title);
        globals().currentLanguage = code.toStdString();
        BoxRecorder boxes;
        openHelp();
        QCOMPARE(boxes.shown.size(), 1);
        // Missing everywhere: the message names the preferred place.
        QCOMPARE(boxes.shown[0].text, text.arg(programDir));
        QCOMPARE(boxes.shown[0].title, title);
        QCOMPARE(boxes.shown[0].icon, QStringLiteral("ImageStop"));
        QVERIFY(!boxes.shown[0].cancelOffered);
        QVERIFY(fake->started.isEmpty());
    }

    void noViewer_data()
    {
        QTest::addColumn<QString>("viewer");
        QTest::newRow("none registered") << QString();
        QTest::newRow("registered program missing") << "/no/such/viewer";
    }
    void noViewer()
    {
        QFETCH(QString, viewer);
        fake->viewer.program = viewer;
        writeFile(doc(programDir, "kovolo13_d.pdf"), "%PDF-1.4\n");
        BoxRecorder boxes;
        openHelp();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text,
                 QString::fromUtf8("Acrobat Reader o.ä. nicht gefunden!\r\nHilfe finden Sie in "
                                   "der Datei \r\n") +
                     programDir + "/kovolo13_d.pdf\r\n");
        QCOMPARE(boxes.shown[0].title, QStringLiteral(" Hilfe "));
        QCOMPARE(boxes.shown[0].icon, QStringLiteral("ImageStop"));
        QVERIFY(fake->started.isEmpty());
    }

    void systemDocumentDirectories()
    {
        HelpPlatform system;
        const QStringList dirs = system.documentDirectories();
        // A program that is not installed looks beside itself first.
        QCOMPARE(dirs.value(0), QDir::cleanPath(QCoreApplication::applicationDirPath()));
        QVERIFY(dirs.contains(QDir::cleanPath(QStringLiteral(KOVOLO_INSTALL_DOCDIR))));
        QVERIFY(dirs.contains(
            QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/kovolo")));
    }

    void viewerOptionsComeBeforeTheDocument()
    {
        const Viewer viewer{QStringLiteral("/opt/a b/view"), {"--page", "1"}};
        QCOMPARE(viewerCommandLine(viewer, "/d/k.pdf"),
                 QStringLiteral("\"/opt/a b/view\" --page 1 \"/d/k.pdf\""));
    }

    // The system's own lookup: xdg-mime names a desktop entry, whose program is started with
    // the document as one argument, and nothing waits for it.
    void registeredViewerStartsDetached()
    {
        if (QStandardPaths::findExecutable("xdg-mime").isEmpty())
            QSKIP("xdg-mime is not installed");
        const QString config = root.filePath("config");
        const QString data = root.filePath("data");
        const QString record = root.filePath("viewer-got.txt");
        const QString script = root.filePath("bin/recording viewer");
        writeFile(script,
                  "#!/bin/sh\nexec >/dev/null 2>&1 </dev/null\nfor a in \"$@\"; do printf '%s\\n' "
                  "\"$a\"; done > \"" +
                      record.toUtf8() + ".tmp\"\nmv \"" + record.toUtf8() + ".tmp\" \"" +
                      record.toUtf8() + "\"\nsleep 30\n",
                  QFile::ReadOwner | QFile::ExeOwner);
        writeFile(config + "/mimeapps.list",
                  "[Default Applications]\napplication/pdf=kovolo-test-viewer.desktop\n");
        writeFile(data + "/applications/kovolo-test-viewer.desktop",
                  "[Desktop Entry]\nType=Application\nName=Viewer\nExec=\"" + script.toUtf8() +
                      "\" --fit %f\nMimeType=application/pdf;\n");
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        qputenv("XDG_DATA_HOME", data.toUtf8());
        qputenv("XDG_DATA_DIRS", root.filePath("nothing").toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");

        auto platform = std::make_unique<RealLookupPlatform>();
        platform->dirs = {programDir};
        setHelpPlatform(std::move(platform));
        writeFile(doc(programDir, "kovolo13_d.pdf"), "%PDF-1.4\n");

        QElapsedTimer clock;
        clock.start();
        BoxRecorder boxes;
        openHelp();
        QVERIFY(clock.elapsed() < 10000); // the viewer sleeps 30 s: nobody waited for it
        QVERIFY(boxes.shown.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QFile got(record);
        QVERIFY(got.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(got.readAll()), "--fit\n" + programDir + "/kovolo13_d.pdf\n");

        // With nothing registered the German viewer message appears.
        writeFile(config + "/mimeapps.list", "[Default Applications]\n");
        QFile::remove(data + "/applications/kovolo-test-viewer.desktop");
        openHelp();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].title, QStringLiteral(" Hilfe "));
    }
};

QTEST_MAIN(TestGuiHelp)
#include "test_gui_help.moc"
