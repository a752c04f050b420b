// Replays the fuzzer's seed corpus through the same entry, so every build checks it.
#include "fuzz/confinput.h"

#include <QDir>
#include <QtTest>

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void replay_data();
    void replay();
};

namespace {

void quiet(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        qt_message_output(type, context, text);
}

} // namespace

void TestFuzzCorpus::initTestCase()
{
    // The corpus is made of odd files; the reader's warnings about them are expected.
    qInstallMessageHandler(quiet);
}

void TestFuzzCorpus::replay_data()
{
    QTest::addColumn<QString>("path");
    const QDir corpus(VORLAN_TEST_DATA "/fuzz-corpus");
    const QStringList names = corpus.entryList(QDir::Files);
    QVERIFY(names.size() >= 5);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

void TestFuzzCorpus::replay()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    load_and_check(file.readAll());
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
