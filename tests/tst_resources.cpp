#include "picture/bitmaptable.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The embedded art: every bitmap the picture asks for by index loads (and none outside the table),
// the icon in all its sizes, and the committed files being exactly what tools/drawart draws.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(resources); }
    void vehicleBitmaps_data();
    void vehicleBitmaps();
    void iconSizes();
    void committedArtMatchesGenerator();
};

void TestResources::vehicleBitmaps_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("held");
    for (int i = 0; i < kVehicleBitmapCount; ++i)
        QTest::addRow("%d %s", i, vehicleBitmapPath(i) + 11) << i << true;
    QTest::newRow("before the table") << -1 << false;
    QTest::newRow("past the table") << kVehicleBitmapCount << false;
}

void TestResources::vehicleBitmaps()
{
    QFETCH(int, index);
    QFETCH(bool, held);
    // What the art looks like, the byte-for-byte comparison below pins.
    const char* path = vehicleBitmapPath(index);
    QCOMPARE(path && !QPixmap(path).isNull(), held);
}

void TestResources::iconSizes()
{
    QFile file(":/res/icon.ico");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    const int sizes[] = {256, 128, 64, 48, 32, 16};
    QImageReader reader(":/res/icon.ico");
    QCOMPARE(reader.imageCount(), 6);
    for (int i = 0; i < 6; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(sizes[i], sizes[i]));
        QVERIFY(image.hasAlphaChannel());
        // Other readers trust the directory entry: width and height, 0 meaning 256.
        QCOMPARE(ico.mid(6 + 16 * i, 2), QByteArray(2, char(sizes[i] % 256)));
    }
}

void TestResources::committedArtMatchesGenerator()
{
    QTemporaryDir generated;
    QProcess drawart;
    drawart.start(VORLAN_DRAWART, {generated.path()});
    QVERIFY(drawart.waitForFinished(60000));
    QVERIFY2(drawart.exitStatus() == QProcess::NormalExit && drawart.exitCode() == 0,
             drawart.readAllStandardError().constData());
    // The resources hold exactly the drawn files, byte for byte.
    const auto files_below = [](const QString& root) {
        QStringList files;
        for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << it.next().mid(root.size() + 1);
        files.sort();
        return files;
    };
    const QStringList files = files_below(generated.path());
    QCOMPARE(files_below(":/res"), files);
    for (const QString& name : files) {
        QFile drawn(generated.filePath(name)), committed(":/res/" + name);
        QVERIFY(drawn.open(QIODevice::ReadOnly) && committed.open(QIODevice::ReadOnly));
        QVERIFY2(drawn.readAll() == committed.readAll(),
                 qPrintable(name + " differs from what tools/drawart draws; run drawart res"));
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
