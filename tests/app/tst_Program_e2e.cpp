// The real program started under a test root: what it leaves in the machine-wide files.
#include "support/TestPlatform.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void logCheckpoints();

private:
    QProcess* Start(const QString& root, const QStringList& args);
};

QProcess* TestProgram::Start(const QString& root, const QStringList& args)
{
    auto* proc = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NUMBRELLA_ROOT"), root);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    proc->setProcessEnvironment(env);
    proc->start(QStringLiteral(NUMBRELLA_EXECUTABLE), args);
    return proc;
}

void TestProgram::logCheckpoints()
{
    QTemporaryDir root;
    QDir().mkpath(root.path() + QStringLiteral("/tmp"));
    QDir().mkpath(root.path() + QStringLiteral("/var/lib/numbrella"));
    const QString log = root.path() + QStringLiteral("/tmp/nbr.log");
    for (int run = 1; run <= 2; ++run) {
        QProcess* proc = Start(root.path(), {QStringLiteral("LOG")});
        QVERIFY(proc->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(ReadBytes(log).count("\"h\"") == run, 10000);
        proc->kill();
        proc->waitForFinished();
    }
    // The synthesizer takes a new volume, so the MIDI probe runs all its steps between "d" and "e".
    const QByteArray probe = "\"v1\"\r\n\"v2\"\r\n\"v3\"\r\n\"v4\"\r\n\"v5\"\r\n\"v6\"\r\n\"v7\"\r\n";
    const QByteArray once = "\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n" + probe + "\"e\"\r\n\"f\"\r\n\"h\"\r\n";
    QCOMPARE(ReadBytes(log), once + once);
    QVERIFY(QFile::exists(root.path() + QStringLiteral("/var/lib/numbrella/nbr.INI")));
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_Program_e2e.moc"
