#include "CompoundFileWriter.h"
#include "PythonReader.h"
#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

// The container is checked by xlrd's own compound-document reader, which follows the header,
// DIFAT, FAT and directory chains and complains about sectors used twice.
class tst_CompoundFileWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void streamsReadBack_data();
    void streamsReadBack();
    void rejectsWhatItCannotStore();

private:
    QTemporaryDir dir_;
};

namespace {

QByteArray noise(qsizetype size, quint32 seed)
{
    QByteArray b(size, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    for (qsizetype i = 0; i < size; ++i)
        b[i] = char(gen.generate() & 0xFF);
    return b;
}

} // namespace

void tst_CompoundFileWriter::initTestCase()
{
    QVERIFY(dir_.isValid());
    if (PythonReader::interpreter(QStringLiteral("xlrd")).isEmpty())
        QSKIP("python3 with xlrd is not installed");
}

void tst_CompoundFileWriter::streamsReadBack_data()
{
    QTest::addColumn<QList<qsizetype>>("sizes");
    QTest::addColumn<bool>("difat");
    // 7.5 MB needs more than the header's 109 FAT sectors, so DIFAT sectors follow.
    QTest::newRow("smallest") << QList<qsizetype>{4096} << false;
    QTest::newRow("partial last sector") << QList<qsizetype>{4097} << false;
    QTest::newRow("FAT fills exactly 109 sectors") << QList<qsizetype>{(109 * 128 - 110) * 512} << false;
    QTest::newRow("one past the header DIFAT") << QList<qsizetype>{(109 * 128 - 109) * 512} << true;
    QTest::newRow("over 7 MB") << QList<qsizetype>{7 * 1024 * 1024 + 512 * 1024 + 123} << true;
    QTest::newRow("five streams") << QList<qsizetype>{5000, 4096, 70000, 9999, 4500} << false;
}

void tst_CompoundFileWriter::streamsReadBack()
{
    QFETCH(QList<qsizetype>, sizes);
    QFETCH(bool, difat);
    static const QStringList names{QStringLiteral("Workbook"), QStringLiteral("Ek"), QStringLiteral("Özet Bilgi"),
                                   QStringLiteral("A"), QStringLiteral("zz")};
    CompoundFileWriter cfw;
    QList<QByteArray> data;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        data << noise(sizes[i], quint32(i + 1));
        cfw.addStream(names[i], data.last());
    }
    const QString path = dir_.filePath(QStringLiteral("%1.cfb").arg(QTest::currentDataTag()));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(cfw.write(f));
    }
    QCOMPARE(QFileInfo(path).size(), cfw.fileSize());
    QCOMPARE(cfw.fileSize() % CompoundFileWriter::SectorSize, 0);

    for (qsizetype i = 0; i < sizes.size(); ++i) {
        QString error;
        const QJsonObject r = PythonReader::run(QStringLiteral("xlrd"), {QStringLiteral("container"), path, names[i]}, &error);
        QVERIFY2(!r.isEmpty(), qPrintable(error));
        QCOMPARE(r.value(QLatin1String("warnings")).toString(), QString());
        QCOMPARE(qsizetype(r.value(QLatin1String("size")).toDouble()), sizes[i]);
        QCOMPARE(r.value(QLatin1String("sha256")).toString(),
                 QString::fromLatin1(QCryptographicHash::hash(data[i], QCryptographicHash::Sha256).toHex()));
        QCOMPARE(r.value(QLatin1String("difatSectors")).toInt() > 0, difat);
    }
}

void tst_CompoundFileWriter::rejectsWhatItCannotStore()
{
    CompoundFileWriter cfw;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, cfw.addStream(QStringLiteral("Workbook"), QByteArray(4095, 'x')));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, cfw.addStream(QString(32, u'a'), QByteArray(4096, 'x')));
    cfw.addStream(QStringLiteral("Workbook"), QByteArray(4096, 'x'));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, cfw.addStream(QStringLiteral("WORKBOOK"), QByteArray(4096, 'x')));
}

QTEST_GUILESS_MAIN(tst_CompoundFileWriter)
#include "tst_CompoundFileWriter.moc"
