#include "picture/bitmaptable.h"

#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <iterator>

// The embedded art: every bitmap the picture asks for by index, the icon in all its sizes, and the
// committed files being exactly what tools/drawart draws.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void vehicleBitmaps_data();
    void vehicleBitmaps();
    void indexOutsideTable_data();
    void indexOutsideTable();
    void iconSizes();
    void resourcesAreTheGeneratedFiles();
    void committedArtMatchesGenerator();

private:
    QTemporaryDir generated_;
};

namespace {
const QVector<int> kIconSizes = {256, 128, 64, 48, 32, 16};

// Paths below `root`, relative to it, of every file found there.
QSet<QString> filesBelow(const QString& root)
{
    QSet<QString> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(it.next().mid(root.size() + 1));
    return files;
}

quint32 littleEndian(const QByteArray& data, int at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | quint8(data.at(at + i));
    return value;
}
} // namespace

void TestResources::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    QVERIFY(generated_.isValid());
    QProcess drawart;
    drawart.start(QStringLiteral(VORLAN_DRAWART), {generated_.path()});
    QVERIFY(drawart.waitForFinished(60000));
    QCOMPARE(drawart.exitStatus(), QProcess::NormalExit);
    QVERIFY2(drawart.exitCode() == 0, drawart.readAllStandardError().constData());
}

void TestResources::vehicleBitmaps_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    const struct
    {
        const char* path;
        int width;
        int height;
    } table[] = {
        {":/res/bmps/TruckWheel1.bmp", 21, 18},       {":/res/bmps/TruckHead1.bmp", 37, 46},
        {":/res/bmps/LightTruckHead.bmp", 37, 46},    {":/res/bmps/CarTireS.bmp", 15, 14},
        {":/res/bmps/CarHeadS1.bmp", 50, 25},         {":/res/bmps/CarBackS1.bmp", 41, 25},
        {":/res/bmps/VanTire.bmp", 18, 17},           {":/res/bmps/VanHead.bmp", 57, 38},
        {":/res/bmps/VanBack.bmp", 42, 38},           {":/res/bmps/BusTire.bmp", 23, 17},
        {":/res/bmps/BusHead.bmp", 79, 40},           {":/res/bmps/BusBack.bmp", 62, 40},
        {":/res/bmps/BusLink.bmp", 16, 40},           {":/res/bmps/MotorTire2.bmp", 16, 15},
        {":/res/bmps/MotorHead2.bmp", 30, 30},        {":/res/bmps/MotorBack2.bmp", 31, 30},
        {":/res/bmps/UnclassifiedWheel.bmp", 21, 18}, {":/res/bmps/TractorTire.bmp", 14, 14},
        {":/res/bmps/TractorHead.bmp", 28, 46},       {":/res/bmps/TractorBack.bmp", 33, 46},
    };
    QCOMPARE(int(std::size(table)), kVehicleBitmapCount);
    for (int i = 0; i < kVehicleBitmapCount; ++i)
        QTest::addRow("%d %s", i, table[i].path + 11)
            << i << QString::fromLatin1(table[i].path) << table[i].width << table[i].height;
}

void TestResources::vehicleBitmaps()
{
    QFETCH(int, index);
    QFETCH(QString, path);
    QFETCH(int, width);
    QFETCH(int, height);

    QCOMPARE(QString::fromLatin1(vehicleBitmapPath(index)), path);
    const QPixmap pixmap(path);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    QCOMPARE(pixmap.size(), QSize(width, height));
}

void TestResources::indexOutsideTable_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("before the first") << -1;
    QTest::newRow("one past the last") << kVehicleBitmapCount;
}

void TestResources::indexOutsideTable()
{
    QFETCH(int, index);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^vehicleBitmapPath: index"));
    QCOMPARE(vehicleBitmapPath(index), nullptr);
}

void TestResources::iconSizes()
{
    const QString path = QStringLiteral(":/res/icon.ico");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();

    QImageReader reader(path);
    QCOMPARE(reader.imageCount(), kIconSizes.size());
    QCOMPARE(int(littleEndian(ico, 4, 2)), kIconSizes.size());
    for (int i = 0; i < kIconSizes.size(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(kIconSizes[i], kIconSizes[i]));
        QVERIFY(image.hasAlphaChannel());
        // Other readers trust the directory entry: its size (0 meaning 256) must match.
        const int entry = 6 + 16 * i;
        QCOMPARE(int(littleEndian(ico, entry, 1)), kIconSizes[i] % 256);
        QCOMPARE(int(littleEndian(ico, entry + 1, 1)), kIconSizes[i] % 256);
    }
    QVERIFY(!QPixmap(path).isNull());
    QVERIFY(QIcon(path).availableSizes().contains(QSize(16, 16)));
}

void TestResources::resourcesAreTheGeneratedFiles()
{
    QCOMPARE(filesBelow(QStringLiteral(":/res")), filesBelow(generated_.path()));
}

void TestResources::committedArtMatchesGenerator()
{
    const QSet<QString> files = filesBelow(generated_.path());
    QCOMPARE(files.size(), kVehicleBitmapCount + 1);
    for (const QString& name : files) {
        QFile drawn(generated_.filePath(name));
        QFile committed(QStringLiteral(VORLAN_RES "/") + name);
        QVERIFY(drawn.open(QIODevice::ReadOnly));
        QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(committed.fileName()));
        QVERIFY2(drawn.readAll() == committed.readAll(),
                 qPrintable(name + " differs from what tools/drawart draws; run drawart res"));
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
